#include "layout/OutputReport.h"

#include "common/Units.h"
#include "common/NumberFormat.h"
#include "layout/PosterFit.h"
#include "layout/TileCoordinates.h"
#include "layout/TileSizeRules.h"
#include "resources/LayoutStrings.h"

namespace {


QString trimmedFormat(double value, const QString &mask, const QLocale &locale)
{
    return formatMask(value, mask, locale).trimmed();
}

// width x height inches in the user's unit.
QString posterSizeText(double width, double height, Units units, const QLocale &locale)
{
    if (units == Units::Inches) {
        const QString mask = QStringLiteral("##0.00");
        return trimmedFormat(width, mask, locale) + LayoutStrings::kSizeSeparator + trimmedFormat(height, mask, locale)
            + QStringLiteral(" ") + LayoutStrings::kInchesWord;
    }
    // Millimetre users read the poster in centimetres.
    const QString mask = QStringLiteral("##0.0");
    return trimmedFormat(width * kCentimetresPerInch, mask, locale) + LayoutStrings::kSizeSeparator
        + trimmedFormat(height * kCentimetresPerInch, mask, locale) + QStringLiteral(" ")
        + LayoutStrings::kCentimetresWord;
}

QString resolutionText(double dotsPerInch, Units units, const QLocale &locale)
{
    const QString mask = QStringLiteral("###0.0");
    const QString point = QStringLiteral(".");
    if (units == Units::Inches)
        return StripSuffix(trimmedFormat(dotsPerInch, mask, locale), point) + QStringLiteral(" ")
            + LayoutStrings::kDotsPerInch;
    return StripSuffix(trimmedFormat(dotsPerInch / kCentimetresPerInch, mask, locale), point) + QStringLiteral(" ")
        + LayoutStrings::kDotsWord + LayoutStrings::kPerSign + LayoutStrings::kCentimetresWord;
}

} // namespace

std::optional<OutputReport> computeOutputReport(const LayoutState &state, const QLocale &locale)
{
    const std::optional<PosterShape> shape = posterShape(state);
    if (!shape)
        return std::nullopt;

    OutputReport report;
    const double gridWidth = shape->tilesWide * shape->tileWidth;
    const double gridHeight = shape->tilesHigh * shape->tileHeight;
    report.finalSize = posterSizeText(gridWidth, gridHeight, state.units, locale);
    report.sheetsUsed = shape->tilesWide * shape->tilesHigh;
    report.sheets = LayoutStrings::sheetsUsedText(report.sheetsUsed, report.sheetsUsed);
    report.resolution = LayoutStrings::kNotAvailable;
    report.quality = LayoutStrings::kNotAvailable;
    report.megapixels = LayoutStrings::kNotAvailable;
    if (!state.bImgSelected)
        return report;

    const std::optional<ImageCoverage> coverage = coverImage(state, *shape);
    if (!coverage)
        return report;
    const double dotsPerInch = *posterDotsPerInch(state);
    const double megapixels = coverage->pictureWidth * coverage->pictureHeight / 1000000;
    if (state.fit == FitMode::WholePicture) {
        report.finalSize = posterSizeText(coverage->pictureWidth / dotsPerInch, coverage->pictureHeight / dotsPerInch,
                                          state.units, locale);
        TileCoords coords;
        if (CalcTileCoord(state, coords) > 0 && fitTilesToImage(coords, state.lImgWidth, state.lImgHeight, state.fit)) {
            report.sheetsUsed = tilesHoldingPicture(coords, state.lImgWidth, state.lImgHeight);
            report.sheets = LayoutStrings::sheetsUsedText(report.sheetsUsed, coords.count());
        }
    }
    report.resolution = resolutionText(dotsPerInch, state.units, locale);
    report.quality = QualityText(dotsPerInch);
    report.megapixels = formatMask(megapixels, QStringLiteral("##0.00"), locale);
    return report;
}

QString QualityText(double dotsPerInch)
{
    if (dotsPerInch > 200)
        return LayoutStrings::kQualityExcellent;
    if (dotsPerInch > 140)
        return LayoutStrings::kQualityVeryGood;
    if (dotsPerInch > 90)
        return LayoutStrings::kQualityGood;
    if (dotsPerInch > 70)
        return LayoutStrings::kQualityFair;
    if (dotsPerInch > 35)
        return LayoutStrings::kQualityGoodFromDistance;
    return LayoutStrings::kQualityFairFromDistance;
}

QString StripSuffix(const QString &text, const QString &suffix)
{
    if (suffix.isEmpty() || !text.endsWith(suffix))
        return text;
    return text.left(text.size() - suffix.size());
}

bool actionButtonsEnabled(const LayoutState &state)
{
    double dW = 0;
    double dH = 0;
    return state.bImgSelected && CheckTileSizes(state, dW, dH);
}
