#include "layout/PosterFit.h"

#include "layout/TileSizeRules.h"

#include <cmath>

namespace {

bool validTileCount(int count)
{
    return count >= 1 && count <= kMaxTilesPerSide;
}

} // namespace

std::optional<PosterShape> posterShape(const LayoutState &state)
{
    PosterShape shape;
    shape.tilesWide = state.tilesWide();
    shape.tilesHigh = state.tilesHigh();
    if (!validTileCount(shape.tilesWide) || !validTileCount(shape.tilesHigh))
        return std::nullopt;

    double dW = 0;
    double dH = 0;
    if (!CheckTileSizes(state, dW, dH))
        return std::nullopt;
    shape.tileWidth = state.bTileRotated ? dH : dW;
    shape.tileHeight = state.bTileRotated ? dW : dH;
    shape.ratio = (shape.tilesWide * shape.tileWidth) / (shape.tilesHigh * shape.tileHeight);
    return shape;
}

std::optional<ImageCoverage> coverImage(const LayoutState &state, const PosterShape &shape)
{
    if (state.lImgWidth <= 0 || state.lImgHeight <= 0 || state.zoom < 0 || state.zoom > kMaxZoom)
        return std::nullopt;
    if (!std::isfinite(shape.ratio) || shape.ratio <= 0)
        return std::nullopt;

    const double imageWidth = state.lImgWidth;
    const double imageHeight = state.lImgHeight;
    const double imageRatio = imageWidth / imageHeight;

    ImageCoverage coverage;
    if (state.fit == FitMode::WholePicture) {
        // The grid reaches round the picture: across its whole width when the picture is the
        // wider shape, else down its whole height.
        if (imageRatio >= shape.ratio) {
            coverage.fullWidth = imageWidth;
            coverage.fullHeight = imageWidth / shape.ratio;
        } else {
            coverage.fullHeight = imageHeight;
            coverage.fullWidth = shape.ratio * imageHeight;
        }
        coverage.pictureWidth = imageWidth;
        coverage.pictureHeight = imageHeight;
        return coverage;
    }
    // An image at least as wide as the poster (ties included) is filled top to bottom.
    if (imageRatio >= shape.ratio) {
        coverage.fullHeight = imageHeight;
        coverage.fullWidth = shape.ratio * imageHeight;
    } else {
        coverage.fullWidth = imageWidth;
        coverage.fullHeight = imageWidth / shape.ratio;
    }
    coverage.zoomFactor = 1 / (state.zoom / 100.0 + 1);
    coverage.pictureWidth = coverage.usedWidth();
    coverage.pictureHeight = coverage.usedHeight();
    return coverage;
}

double GetFinalImgWhRatio(const LayoutState &state)
{
    const std::optional<PosterShape> shape = posterShape(state);
    return shape ? shape->ratio : 0.0;
}

std::optional<double> posterDotsPerInch(const LayoutState &state)
{
    const std::optional<PosterShape> shape = posterShape(state);
    const std::optional<ImageCoverage> coverage =
        shape && state.bImgSelected ? coverImage(state, *shape) : std::nullopt;
    if (!coverage)
        return std::nullopt;
    return coverage->zoomFactor * (coverage->fullWidth / (shape->tilesWide * shape->tileWidth));
}
