#include "cli/PosterSetup.h"

#include "layout/PosterSizing.h"

#include "app/StartingPoster.h"

#include "common/NumberFormat.h"
#include "layout/PaperLabels.h"
#include "resources/CliStrings.h"

namespace {

Units otherUnits(Units units)
{
    return units == Units::Inches ? Units::Millimetres : Units::Inches;
}

// Selects the named paper. Without --units a name found only in the other unit's
// catalogue switches to that unit, since no name is in both.
QString selectNamedPaper(PaperSelection &paper, const QString &name, bool unitsGiven)
{
    const PaperCatalogue &catalogue = paper.catalogue();
    const int row = catalogue.FindPaperByName(paper.units(), name);
    if (row >= 0) {
        paper.selectRow(paper.units(), row);
        return QString();
    }
    const Units other = otherUnits(paper.units());
    const int otherRow = catalogue.FindPaperByName(other, name);
    if (otherRow < 0)
        return CliStrings::kUnknownPaper + QLatin1Char(' ') + name;
    if (unitsGiven)
        return CliStrings::kPaperNotInUnits + QLatin1Char(' ') + name;
    paper.setUnits(other);
    paper.selectRow(other, otherRow);
    return QString();
}

// The paper dialog's checks, with the values not given taken from the selected paper.
QString storeTypedPaperValues(PaperSelection &paper, const CliOptions &options)
{
    const PaperEntry &entry = paper.selectedEntry();
    PaperInputTexts texts;
    texts.width = options.customPaperSize ? (*options.customPaperSize)[0] : basicNumberText(entry.width);
    texts.height = options.customPaperSize ? (*options.customPaperSize)[1] : basicNumberText(entry.height);
    for (int edge = 0; edge < 4; ++edge)
        texts.margins[size_t(edge)] =
            options.margins ? (*options.margins)[size_t(edge)] : basicNumberText(entry.margins[size_t(edge)]);
    const PaperInputResult result = paper.ValidateAndStore(texts);
    if (result.status != kPaperInputValid)
        return CliStrings::kBadPaperValues + QLatin1Char(' ') + result.message;
    return QString();
}

} // namespace

StoredStart readStoredStart(const PreferenceStore &prefs)
{
    StoredStart start{MainSettings{}, ProfileStore(ProfileStore::GetProfileFilePath(prefs))};
    if (start.profiles.ReadBorderPrefs() != ProfileStore::kReadOk)
        start.profiles.CreateDefaultProfiles();
    start.settings = readMainSettings(prefs, int(start.profiles.profiles().size()));
    return start;
}

QString applyPaperOptions(PaperSelection &paper, const CliOptions &options)
{
    if (options.units)
        paper.setUnits(*options.units);
    if (options.paperName && options.customPaperSize)
        return CliStrings::kPaperAndCustom;
    if (options.paperName) {
        if (const QString error = selectNamedPaper(paper, *options.paperName, options.units.has_value());
            !error.isEmpty())
            return error;
    }
    if (options.customPaperSize)
        paper.selectRow(paper.units(), paper.catalogue().customRow(paper.units()));
    if (options.customPaperSize || options.margins)
        return storeTypedPaperValues(paper, options);
    return QString();
}

PosterSetup buildPosterSetup(const CliOptions &options, const StoredStart &start)
{
    const MainSettings &stored = start.settings;
    PosterSetup setup{startingPoster(stored, start.profiles), QString()};
    LayoutState &layout = setup.layout;

    if (options.units || options.paperName || options.customPaperSize || options.margins) {
        PaperSelection paper;
        paper.setPrefFromRegLine(stored.paperRegLine);
        setup.usageError = applyPaperOptions(paper, options);
        if (!setup.usageError.isEmpty())
            return setup;
        const PaperValues values = paper.getWhuValues();
        takeNewPaper(layout, values.paperName, values.units, values.tileWidth, values.tileHeight,
                       values.paperWidth, values.paperHeight, paper.BuildPaperRegLine());
    }

    if (options.tilesWide)
        layout.tilesWideIndex = *options.tilesWide - 1;
    if (options.tilesHigh)
        layout.tilesHighIndex = *options.tilesHigh - 1;
    layout.bTileRotated = options.rotateTiles;
    layout.zoom = options.zoom.value_or(layout.zoom);
    layout.fit = options.fit.value_or(layout.fit);
    if (options.posterWidth && options.posterHeight) {
        setup.usageError = CliStrings::kPosterWidthAndHeight;
        return setup;
    }
    const std::optional<QString> &wallLength = options.posterWidth ? options.posterWidth : options.posterHeight;
    if (wallLength && !parseLengthInches(*wallLength, layout.units)) {
        setup.usageError = CliStrings::kBadPosterLength;
        return setup;
    }
    layout.iHPlacement = options.horizontalPlacement.value_or(layout.iHPlacement);
    layout.iVPlacement = options.verticalPlacement.value_or(layout.iVPlacement);

    if (options.adjustEdgesProfile) {
        const int profileRow = int(start.profiles.profileNames().indexOf(*options.adjustEdgesProfile));
        if (profileRow < 0) {
            setup.usageError = CliStrings::kUnknownProfile + QLatin1Char(' ') + *options.adjustEdgesProfile;
            return setup;
        }
        layout.compensation = true;
        layout.edgeTrimInches = start.profiles.FillCurEdgeTrimInches(profileRow);
    }
    return setup;
}

bool sizeToWall(LayoutState &layout, const CliOptions &options)
{
    const std::optional<QString> &length = options.posterWidth ? options.posterWidth : options.posterHeight;
    if (!length)
        return true;
    const PosterSide side = options.posterWidth ? PosterSide::Width : PosterSide::Height;
    const std::optional<TileCounts> counts =
        tilesForPosterSize(layout, side, parseLengthInches(*length, layout.units).value_or(0.0));
    if (counts)
        sizePosterToWall(layout, *counts);
    return counts.has_value();
}

void setImageSize(LayoutState &layout, int width, int height, int rotationDegrees)
{
    layout.bImgSelected = true;
    layout.lImgWidth = width;
    layout.lImgHeight = height;
    layout.iImgRotation = rotationDegrees;
}
