#include "layout/CanvasOverlay.h"

#include "common/Rounding.h"
#include "layout/PreviewLayout.h"
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
                                         const ImageObject &display, ImageObject &overlay, QSize room)
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
    if (state.fit == FitMode::WholePicture)
        return drawOnPaper(state, canvasScale, display, overlay, room);
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
    m_gridScale = canvasScale;
    return CanvasRedraw::Overlay;
}

const QImage &CanvasOverlay::shownOnPaper(const QImage &display, QSize size)
{
    // Made once for each display copy and size: an arrow tick moves the picture, not its size.
    if (m_shownFrom != display.cacheKey() || m_shown.size() != size) {
        const QImage fitted = display.size() == size
            ? display
            : display.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_shown = fitted.convertToFormat(QImage::Format_RGB32);
        m_shownFrom = display.cacheKey();
    }
    return m_shown;
}

CanvasRedraw CanvasOverlay::drawOnPaper(const LayoutState &state, double canvasScale, const ImageObject &display,
                                        ImageObject &overlay, QSize room)
{
    const int last = m_coords.count() - 1;
    const double gridWidth = double(m_coords.right(last)) - m_coords.left(0) + 1;
    const double gridHeight = double(m_coords.bottom(last)) - m_coords.top(0) + 1;
    double scale = canvasScale;
    if (room.width() > 0 && room.height() > 0)
        scale = std::min({scale, room.width() / gridWidth, room.height() / gridHeight});
    const std::optional<std::int32_t> width = nearestInt32(gridWidth * scale);
    const std::optional<std::int32_t> height = nearestInt32(gridHeight * scale);
    if (!width || !height || *width < 1 || *height < 1)
        return CanvasRedraw::InvalidConfiguration;

    // The grid from its own top-left corner, where the paper begins.
    TileCoords onPaper(m_coords.count());
    for (int t = 0; t <= last; ++t)
        for (int k = 0; k < TileCoords::kValuesPerTile; ++k)
            onPaper.set(k, t, m_coords.at(k, t) - (k % 2 == 0 ? m_coords.left(0) : m_coords.top(0)));
    QImage paper(*width, *height, QImage::Format_RGB32);
    if (paper.isNull())
        return CanvasRedraw::DisplayCopy;
    paper.fill(Qt::white);
    paintLeftOutSheets(paper, m_coords, state, scale);
    // The display copy, shrunk further where the grid's paper needs the room.
    const QImage &shown = shownOnPaper(display.image(), QSize(std::max(1, int(std::lround(state.lImgWidth * scale))),
                                                           std::max(1, int(std::lround(state.lImgHeight * scale)))));
    const int pictureLeft = int(std::lround(-m_coords.left(0) * scale));
    const int pictureTop = int(std::lround(-m_coords.top(0) * scale));
    for (int y = 0; y < shown.height(); ++y) {
        if (pictureTop + y < 0 || pictureTop + y >= *height)
            continue;
        const auto *from = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(paper.scanLine(pictureTop + y));
        for (int x = std::max(0, -pictureLeft); x < shown.width() && pictureLeft + x < *width; ++x)
            to[pictureLeft + x] = from[x];
    }
    const std::optional<OverlayLines> lines =
        overlayLines(onPaper, state.tilesWide(), state.tilesHigh(), scale, *width, *height);
    if (!lines)
        return CanvasRedraw::InvalidConfiguration;
    const PixelArrayView pixels(paper.bits(), paper.width(), paper.height(), paper.bytesPerLine());
    drawOverlayLines(pixels, *lines);
    if (!overlay.FromPixelArray(ConstPixelArrayView(paper.constBits(), paper.width(), paper.height(), paper.bytesPerLine())))
        return CanvasRedraw::DisplayCopy;
    m_grid = lines->extent;
    m_gridScale = scale;
    return CanvasRedraw::Overlay;
}
