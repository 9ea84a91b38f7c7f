#include "prefs/MainSettings.h"

#include "common/NumberFormat.h"
#include "prefs/TwoDigitField.h"

#include <algorithm>
#include <optional>

namespace {

// A stored 0/1 flag: anything else that reads as a number counts as `otherwise`;
// text that is not a number leaves the flag at `unreadable`.
int flagValue(const QString &text, int otherwise, int unreadable)
{
    const std::optional<int> value = parseWholeNumber(text);
    if (!value)
        return unreadable;
    return (*value == 0 || *value == 1) ? *value : otherwise;
}

// A list index stored at a fixed place of a text; `fallback` when it does not read or
// lies outside the list.
int listIndexAt(const QString &text, qsizetype position, int count, int fallback)
{
    const std::optional<int> value = parseWholeNumber(text.mid(position, 2));
    if (!value || *value < 0 || *value > count - 1)
        return fallback;
    return *value;
}

// The profile position of "prefs_edgeAdjust": two digits, as stored settings hold them,
// or all the digits of a position of 100 and more, which are written in full.
int profileIndexAt(const QString &text, qsizetype position, int count)
{
    const QString rest = text.mid(position);
    const bool longPosition = rest.size() > 2 && std::all_of(rest.begin(), rest.end(), [](QChar c) { return c.isDigit(); });
    if (!longPosition)
        return listIndexAt(text, position, count, 0);
    const std::optional<int> value = parseWholeNumber(rest);
    return value && *value < count ? *value : 0;
}

} // namespace

StoredTexts storedTextsOf(const MainSettings &settings)
{
    return {
        {kPrefNumTiles, u'w' + twoDigitField(settings.tilesWideIndex) + u'h' + twoDigitField(settings.tilesHighIndex)},
        {kPrefPaperRegLine, settings.paperRegLine},
        {kPrefEdgeAdjust, QString::number(settings.compensation) + u'_' + twoDigitField(settings.profileIndex)},
        {kPrefShowTiles, QString::number(settings.showTiles)},
        {kPrefHeightEqualsWidth, QString::number(settings.lockWh)},
        {kPrefMarginLocked, QString::number(settings.marginLocked)},
        {kPrefWholePicture, QString::number(settings.wholePicture)},
    };
}

StoredTexts readStoredTexts(const PreferenceStore &store)
{
    StoredTexts texts;
    for (const auto &[value, text] : storedTextsOf(MainSettings{}))
        texts[value] = store.GetPref(value);
    return texts;
}

void writeMainSettings(const PreferenceStore &store, const MainSettings &settings, StoredTexts &known)
{
    for (const auto &[value, text] : storedTextsOf(settings)) {
        const auto found = known.find(value);
        if (found != known.end() && found->second == text)
            continue;
        store.SavePref(value, text);
        known[value] = text;
    }
}

void writeMainSettings(const PreferenceStore &store, const MainSettings &settings)
{
    StoredTexts nothingKnown;
    writeMainSettings(store, settings, nothingKnown);
}

MainSettings readMainSettings(const PreferenceStore &store, int profileCount, int tileListCount)
{
    MainSettings settings;
    settings.paperRegLine = store.GetPref(kPrefPaperRegLine);
    settings.lockWh = flagValue(store.GetPref(kPrefHeightEqualsWidth), 0, settings.lockWh);

    const QString numTiles = store.GetPref(kPrefNumTiles);
    settings.tilesWideIndex = listIndexAt(numTiles, 1, tileListCount, 1);
    settings.tilesHighIndex = listIndexAt(numTiles, 4, tileListCount, 1);

    const QString edgeAdjust = store.GetPref(kPrefEdgeAdjust);
    settings.compensation = flagValue(edgeAdjust.left(1), 0, settings.compensation);
    settings.profileIndex = profileIndexAt(edgeAdjust, 2, profileCount);

    const QString showTiles = store.GetPref(kPrefShowTiles);
    settings.showTiles = showTiles.isEmpty() ? 1 : flagValue(showTiles, 1, settings.showTiles);

    settings.marginLocked = flagValue(store.GetPref(kPrefMarginLocked), 0, settings.marginLocked);
    settings.wholePicture = flagValue(store.GetPref(kPrefWholePicture), 0, settings.wholePicture);
    return settings;
}
