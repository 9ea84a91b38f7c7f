#include "layout/PosterSizing.h"

#include "common/NumberFormat.h"
#include "layout/PosterFit.h"

#include <cmath>

namespace {

struct LengthUnit
{
    const char *suffix;
    double inchesPerUnit;
};

// Longest first, so that "mm" is not read as "m".
constexpr LengthUnit kLengthUnits[] = {
    {"mm", 1.0 / 25.4},
    {"cm", 1.0 / 2.54},
    {"in", 1.0},
    {"m", 1.0 / 0.0254},
};

} // namespace

std::optional<double> parseLengthInches(const QString &text, Units units)
{
    QString number = text.trimmed().toLower();
    double inchesPerUnit = units == Units::Inches ? 1.0 : 1.0 / 25.4;
    for (const LengthUnit &unit : kLengthUnits) {
        if (number.endsWith(QLatin1String(unit.suffix))) {
            number.chop(qsizetype(qstrlen(unit.suffix)));
            inchesPerUnit = unit.inchesPerUnit;
            break;
        }
    }
    const std::optional<double> value = parseDecimalText(number.trimmed());
    if (!value || !(*value > 0.0) || !std::isfinite(*value))
        return std::nullopt;
    return *value * inchesPerUnit;
}

std::optional<TileCounts> tilesForPosterSize(const LayoutState &layout, PosterSide side, double inches)
{
    const std::optional<PosterShape> shape = posterShape(layout);
    if (!shape || layout.lImgWidth <= 0 || layout.lImgHeight <= 0 || !(inches > 0.0))
        return std::nullopt;
    const double pictureRatio = double(layout.lImgWidth) / layout.lImgHeight;
    const double width = side == PosterSide::Width ? inches : inches * pictureRatio;
    const double height = side == PosterSide::Height ? inches : inches / pictureRatio;
    // A hair under a whole number of sheets, from the unit's rounding, needs no extra sheet.
    constexpr double kSlack = 1e-9;
    const double wide = std::max(1.0, std::ceil(width / shape->tileWidth - kSlack));
    const double high = std::max(1.0, std::ceil(height / shape->tileHeight - kSlack));
    if (wide > kMaxTilesPerSide || high > kMaxTilesPerSide)
        return std::nullopt;
    return TileCounts{int(wide), int(high)};
}

void sizePosterToWall(LayoutState &layout, const TileCounts &counts)
{
    layout.tilesWideIndex = counts.wide - 1;
    layout.tilesHighIndex = counts.high - 1;
    layout.fit = FitMode::WholePicture;
}
