#include "prefs/MainSettings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

constexpr int kThreeProfiles = 3;

bool sameSettings(const MainSettings &a, const MainSettings &b)
{
    return a.tilesWideIndex == b.tilesWideIndex && a.tilesHighIndex == b.tilesHighIndex && a.lockWh == b.lockWh
        && a.showTiles == b.showTiles && a.compensation == b.compensation && a.profileIndex == b.profileIndex
        && a.paperRegLine == b.paperRegLine && a.marginLocked == b.marginLocked;
}

// A store on a file with the given JSON content.
struct StoredSettings
{
    explicit StoredSettings(const QByteArray &json)
        : store(dir.write("Quiltera.json", json))
    {
    }
    MainSettings load(int profileCount = kThreeProfiles) const { return readMainSettings(store, profileCount); }

    TempDir dir;
    PreferenceStore store;
};

} // namespace

TEST(MainSettings, SavesEveryValueInItsStoredForm)
{
    TempDir dir;
    const PreferenceStore store(dir.filePath("Quiltera.json"));
    MainSettings settings;
    settings.tilesWideIndex = 2;
    settings.tilesHighIndex = 12;
    settings.lockWh = 1;
    settings.showTiles = 0;
    settings.compensation = 1;
    settings.profileIndex = 3;
    settings.paperRegLine = "|1|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|";
    settings.marginLocked = 1;
    writeMainSettings(store, settings);

    EXPECT_EQ(store.GetPref(kPrefNumTiles), "w02h12");
    EXPECT_EQ(store.GetPref(kPrefEdgeAdjust), "1_03");
    EXPECT_EQ(store.GetPref(kPrefShowTiles), "0");
    EXPECT_EQ(store.GetPref(kPrefHeightEqualsWidth), "1");
    EXPECT_EQ(store.GetPref(kPrefMarginLocked), "1");
    EXPECT_EQ(store.GetPref(kPrefPaperRegLine), settings.paperRegLine);
    EXPECT_TRUE(sameSettings(readMainSettings(store, 4), settings));

    // Nothing selected (-1) is written as it is, not padded.
    settings.profileIndex = -1;
    writeMainSettings(store, settings);
    EXPECT_EQ(store.GetPref(kPrefEdgeAdjust), "1_-1");
}

TEST(MainSettings, TileCountsFallBackToTwoTilesEachWhenOutOfRange)
{
    const struct { const char *stored; int wide; int high; } cases[] = {
        {"w24h24", 24, 24}, {"w30h02", 1, 2}, {"w00h25", 0, 1}, {"w-1h05", 1, 5}, {"w2h1", 1, 1}, {"wxxhyy", 1, 1},
    };
    for (const auto &c : cases) {
        const StoredSettings stored(QByteArray(R"({"prefs_numTiles": ")") + c.stored + "\"}");
        const MainSettings settings = stored.load();
        EXPECT_EQ(settings.tilesWideIndex, c.wide) << c.stored;
        EXPECT_EQ(settings.tilesHighIndex, c.high) << c.stored;
    }
}

TEST(MainSettings, EdgeAdjustmentSelectsAnExistingProfileOnly)
{
    const struct { const char *stored; int compensation; int profile; } cases[] = {
        {"1_07", 1, 0}, {"1_02", 1, 2}, {"0_01", 0, 1}, {"5_01", 0, 1}, {"1_-1", 1, 0}, {"x_zz", 0, 0},
    };
    for (const auto &c : cases) {
        const StoredSettings stored(QByteArray(R"({"prefs_edgeAdjust": ")") + c.stored + "\"}");
        const MainSettings settings = stored.load();
        EXPECT_EQ(settings.compensation, c.compensation) << c.stored;
        EXPECT_EQ(settings.profileIndex, c.profile) << c.stored;
    }
    EXPECT_EQ(StoredSettings(R"({"prefs_edgeAdjust": "1_07"})").load(8).profileIndex, 7);

    // Positions up to the 199th profile come back as they were saved.
    for (const int position : {9, 99, 100, 120, 198}) {
        const StoredSettings stored("{}");
        MainSettings saved;
        saved.compensation = 1;
        saved.profileIndex = position;
        writeMainSettings(stored.store, saved);
        EXPECT_EQ(stored.load(199).profileIndex, position);
    }
    EXPECT_EQ(StoredSettings(R"({"prefs_edgeAdjust": "1_120"})").load(100).profileIndex, 0);
}

TEST(MainSettings, FlagsOutsideZeroAndOneTakeTheirOwnDefault)
{
    // "Show Tiles" leans to on; the other flags lean to off.
    EXPECT_EQ(StoredSettings(R"({"prefs_showTiles": 5})").load().showTiles, 1);
    EXPECT_EQ(StoredSettings(R"({"prefs_showTiles": 0})").load().showTiles, 0);
    EXPECT_EQ(StoredSettings(R"({})").load().showTiles, 1);
    EXPECT_EQ(StoredSettings(R"({"prefs_showTiles": "abc"})").load().showTiles, 1);
    EXPECT_EQ(StoredSettings(R"({"prefs_heightEqualsWidth": 1})").load().lockWh, 1);
    EXPECT_EQ(StoredSettings(R"({"prefs_heightEqualsWidth": 2})").load().lockWh, 0);
    EXPECT_EQ(StoredSettings(R"({"cmbMarginLocked": 1})").load().marginLocked, 1);
    EXPECT_EQ(StoredSettings(R"({"cmbMarginLocked": -1})").load().marginLocked, 0);
}

TEST(MainSettings, ValuesOfWrongTypesLoadAsDefaults)
{
    const StoredSettings stored(R"({"prefs_numTiles": 2402, "prefs_edgeAdjust": [1], "prefs_showTiles": false,
        "prefs_heightEqualsWidth": {}, "paperRegLine": 12.5, "cmbMarginLocked": "1 and more"})");
    EXPECT_TRUE(sameSettings(stored.load(), MainSettings()));
}

TEST(MainSettings, AnUnparsablePaperRecordIsKeptAsRead)
{
    EXPECT_EQ(StoredSettings(R"({"paperRegLine": "|7|nonsense"})").load().paperRegLine, "|7|nonsense");
}

TEST(MainSettings, TwoWindowsEachStoreOnlyWhatTheyChanged)
{
    const StoredSettings file(R"({"prefs_numTiles": "w01h01", "paperRegLine": "|0|Letter|8.5|11|"})");
    MainSettings first = file.load();
    StoredTexts firstKnown = readStoredTexts(file.store);
    MainSettings second = file.load();
    StoredTexts secondKnown = readStoredTexts(file.store);

    first.tilesWideIndex = 3;
    writeMainSettings(file.store, first, firstKnown);
    second.paperRegLine = "|1|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|";
    writeMainSettings(file.store, second, secondKnown);
    first.showTiles = 0;
    writeMainSettings(file.store, first, firstKnown);

    const MainSettings stored = file.load();
    EXPECT_EQ(stored.tilesWideIndex, 3);
    EXPECT_EQ(stored.paperRegLine, second.paperRegLine);
    EXPECT_EQ(stored.showTiles, 0);
}
