#include "layout/CanvasOverlay.h"

#include "common/Rounding.h"
#include "layout/TileSizeRules.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uchar kGridChannel0 = 255;
constexpr uchar kGridChannel1 = 0;
constexpr uchar kGridChannel2 = 0;

// An image coordinate scaled to the canvas and kept on it. The canvas is the image scaled
// and rounded, so an edge near the far side can round one pixel past it.
std::optional<int> toCanvas(std::int32_t imagePixel, double scale, int canvasExtent)
{
    const std::optional<std::int32_t> scaled = nearestInt32(double(imagePixel) * scale);
    if (!scaled)
        return std::nullopt;
    return std::clamp<std::int32_t>(*scaled, 0, canvasExtent - 1);
}

} // namespace

bool IsOverTileGrid(const CanvasGrid &grid, double x, double y)
{
    const std::optional<std::int32_t> px = nearestInt32(x);
    const std::optional<std::int32_t> py = nearestInt32(y);
    if (!px || !py)
        return false;
    return grid.iGridLeft <= *px && *px <= grid.iGridRight && grid.iGridTop <= *py && *py <= grid.iGridBottom;
}

std::optional<OverlayLines> overlayLines(const TileCoords &coords, int tilesWide, int tilesHigh,
                                         double canvasScale, int canvasWidth, int canvasHeight)
{
    if (tilesWide < 1 || tilesHigh < 1 || coords.count() != tilesWide * tilesHigh || canvasWidth < 1
        || canvasHeight < 1 || !std::isfinite(canvasScale) || canvasScale <= 0)
        return std::nullopt;

    const int last = coords.count() - 1;
    const auto left = toCanvas(coords.left(0), canvasScale, canvasWidth);
    const auto top = toCanvas(coords.top(0), canvasScale, canvasHeight);
    const auto right = toCanvas(coords.right(last), canvasScale, canvasWidth);
    const auto bottom = toCanvas(coords.bottom(last), canvasScale, canvasHeight);
    if (!left || !top || !right || !bottom)
        return std::nullopt;

    OverlayLines lines;
    lines.extent = CanvasGrid{*left, *top, *right, *bottom};
    // Vertical lines follow the left edges of the top row's tiles, horizontal lines the top
    // edges of the left column's tiles; the last tile's far edges close the grid.
    for (int column = 0; column < tilesWide; ++column) {
        const auto x = toCanvas(coords.left(column), canvasScale, canvasWidth);
        if (!x)
            return std::nullopt;
        lines.columns.push_back(*x);
    }
    lines.columns.push_back(*right);
    for (int row = 0; row < tilesHigh; ++row) {
        const auto y = toCanvas(coords.top(row * tilesWide), canvasScale, canvasHeight);
        if (!y)
            return std::nullopt;
        lines.rows.push_back(*y);
    }
    lines.rows.push_back(*bottom);
    return lines;
}

void drawOverlayLines(const PixelArrayView &pixels, const OverlayLines &lines)
{
    const CanvasGrid &grid = lines.extent;
    auto setIfInside = [&pixels](int x, int y) {
        if (pixels.contains(x, y))
            pixels.setPixel(x, y, kGridChannel0, kGridChannel1, kGridChannel2);
    };
    for (const int x : lines.columns)
        for (int y = grid.iGridTop; y <= grid.iGridBottom; ++y)
            setIfInside(x, y);
    for (const int y : lines.rows)
        for (int x = grid.iGridLeft; x <= grid.iGridRight; ++x)
            setIfInside(x, y);
}

CanvasRedraw CanvasOverlay::RedrawCanvas(const LayoutState &state, bool showTiles, double canvasScale,
                                         const ImageObject &display, ImageObject &overlay)
{
    if (!state.bImgSelected || display.IsEmpty())
        return CanvasRedraw::Nothing;
    if (!showTiles)
        return CanvasRedraw::DisplayCopy;

    double usableWidth = 0;
    double usableHeight = 0;
    if (!CheckTileSizes(state, usableWidth, usableHeight))
        return CanvasRedraw::InvalidTileSize;

    if (CalcTileCoord(state, m_coords) <= 0 || !fitTilesToImage(m_coords, state.lImgWidth, state.lImgHeight, state.fit))
        return CanvasRedraw::InvalidConfiguration;
    const std::optional<OverlayLines> lines = overlayLines(m_coords, state.tilesWide(), state.tilesHigh(),
                                                           canvasScale, display.Width(), display.Height());
    if (!lines)
        return CanvasRedraw::InvalidConfiguration;

    // The copy shares the display copy's pixels until the first write, which copies the
    // canvas-sized picture once; the loaded image itself is never touched.
    if (!overlay.FromImage(display))
        return CanvasRedraw::DisplayCopy;
    const PixelArrayView pixels = overlay.PixelArray();
    if (pixels.isEmpty())
        return CanvasRedraw::DisplayCopy;
    drawOverlayLines(pixels, *lines);
    m_grid = lines->extent;
    return CanvasRedraw::Overlay;
}
