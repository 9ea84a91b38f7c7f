#include "layout/PageResolution.h"

#include "layout/PosterFit.h"

#include <algorithm>
#include <cmath>

std::optional<PageLayout> layoutAtResolution(const LayoutState &layout, double dotsPerInch)
{
    const std::optional<double> now = posterDotsPerInch(layout);
    const std::optional<PosterShape> shape = posterShape(layout);
    if (!now || !shape || !(*now > 0.0) || !(dotsPerInch > 0.0))
        return std::nullopt;
    // The widest sheet picture: the tile and, with compensation, the borders the printer clips.
    const auto &trims = layout.edgeTrimInches;
    const double borders = layout.compensation ? std::max(trims[0] + trims[2], trims[1] + trims[3]) : 0.0;
    const double widestSheet = std::max(shape->tileWidth, shape->tileHeight) + borders;
    // The picture's sides stay well inside the 32-bit range the tile grid computes in.
    constexpr double kMaxPictureSide = double(1 << 30);
    const double most = std::min(kMaxSheetPixels / widestSheet,
                                 *now * kMaxPictureSide / std::max(layout.lImgWidth, layout.lImgHeight));
    PageLayout scaled{layout, std::min(dotsPerInch, most)};
    const double factor = scaled.dotsPerInch / *now;
    scaled.layout.lImgWidth = std::max<std::int32_t>(1, std::int32_t(std::lround(layout.lImgWidth * factor)));
    scaled.layout.lImgHeight = std::max<std::int32_t>(1, std::int32_t(std::lround(layout.lImgHeight * factor)));
    return scaled;
}
