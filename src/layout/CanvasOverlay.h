#pragma once

#include "imaging/ImageObject.h"
#include "imaging/PixelArrayView.h"
#include "layout/LayoutState.h"
#include "layout/TileCoordinates.h"

#include <QImage>
#include <QSize>

#include <optional>
#include <vector>

// Where the tile grid lies on the working canvas, in canvas pixels, both ends included.
// The arrow pad, the drag of the grid and the placement readout all work from it.
struct CanvasGrid
{
    int iGridLeft = 0;
    int iGridTop = 0;
    int iGridRight = 0;
    int iGridBottom = 0;

    int width() const { return iGridRight - iGridLeft + 1; }
    int height() const { return iGridBottom - iGridTop + 1; }
    bool operator==(const CanvasGrid &) const = default;
};

// True when the canvas point, rounded to whole pixels (halves to even), lies inside the grid.
bool IsOverTileGrid(const CanvasGrid &grid, double x, double y);

// The grid lines on a canvas: one vertical line at each tile column's left edge plus the
// closing right edge, one horizontal line at each tile row's top edge plus the closing
// bottom edge, all scaled from image to canvas pixels.
struct OverlayLines
{
    CanvasGrid extent;
    std::vector<int> columns; // x of every vertical line, the last one is the right edge
    std::vector<int> rows;    // y of every horizontal line, the last one is the bottom edge
};

// Scales the tile rectangles onto a canvas of canvasWidth x canvasHeight pixels.
// Every position is kept on the canvas: an edge that rounds past it is drawn along the last
// column or row. Nothing when the rectangles do not hold tilesWide x tilesHigh tiles, the
// canvas is empty or the scale is not a positive number.
std::optional<OverlayLines> overlayLines(const TileCoords &coords, int tilesWide, int tilesHigh,
                                         double canvasScale, int canvasWidth, int canvasHeight);

// Sets every pixel of the lines to the grid colour (255, 0, 0).
void drawOverlayLines(const PixelArrayView &pixels, const OverlayLines &lines);

// What the canvas is to show after a redraw, and what the window has to tell the user.
enum class CanvasRedraw {
    Nothing,              // no image is selected: leave the canvas as it is
    DisplayCopy,          // show the fitted image without a grid
    Overlay,              // show the overlay image with the grid drawn in
    InvalidTileSize,      // show the tile size warning and untick "Show Tiles"
    InvalidConfiguration, // show "Invalid tile configuration" and the fitted image without a grid
};

// Draws the tile grid over the canvas-sized display copy and remembers where it lies.
// Only the display copy is copied and only the line pixels are written, so a redraw costs
// the same whatever the size of the loaded image.
class CanvasOverlay
{
public:
    // The grid is drawn into overlay, rebuilt from display on every call so lines never
    // pile up. canvasScale is canvas pixels per image pixel of the display copy.
    // The recorded grid changes only when the grid is drawn. A picture kept whole is shown
    // on the paper of the whole grid, blank where it does not reach and grey on sheets
    // left out, made smaller where that would not fit the room.
    CanvasRedraw RedrawCanvas(const LayoutState &state, bool showTiles, double canvasScale,
                              const ImageObject &display, ImageObject &overlay, QSize room = QSize());

    const CanvasGrid &grid() const { return m_grid; }
    // Canvas pixels per image pixel of the picture as last drawn with its grid.
    double gridScale() const { return m_gridScale; }
    bool IsOverTileGrid(double x, double y) const { return ::IsOverTileGrid(m_grid, x, y); }

private:
    CanvasRedraw drawOnPaper(const LayoutState &state, double canvasScale, const ImageObject &display,
                             ImageObject &overlay, QSize room);

    // The display copy at the size a picture kept whole is shown at, made smaller where the
    // grid's paper needs the room.
    const QImage &shownOnPaper(const QImage &display, QSize size);

    CanvasGrid m_grid;
    double m_gridScale = 1.0;
    QImage m_shown;
    qint64 m_shownFrom = 0;
    TileCoords m_coords;
};
