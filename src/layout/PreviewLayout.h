#pragma once

#include "imaging/PixelArrayView.h"
#include "layout/LayoutState.h"
#include "layout/TileCoordinates.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// The "Poster Preview": the part of the image the poster will hold, at the poster's shape,
// with the tile boundaries drawn over it.

// The preview window's measures, in twips (common/Twips.h): it lays itself out in twips so
// its spacing constants keep their meaning on any screen.
struct PreviewWindowTwips
{
    int windowWidth = 0;  // outer width, frame included
    int windowHeight = 0; // outer height, frame and title included
    int clientWidth = 0;  // inner width
    int buttonWidth = 0;  // the Close button
    int buttonHeight = 0;
};

// Where the picture box and the Close button go, in twips from the client area's top-left.
struct PreviewPlacement
{
    QRect picture;
    QPoint closeButton; // top-left corner
};

// Lays the window out for a poster of width / height ratio: the picture fills the room
// above the button, then shrinks in one direction to the poster's shape, centred; the
// button is centred under the whole picture room. Nothing when the ratio is not positive
// (the tile size is invalid).
std::optional<PreviewPlacement> previewPlacement(double ratio, const PreviewWindowTwips &window);

// The box narrowed or lowered to the ratio, centred in it. A box without room is kept.
QRect fitBoxToRatio(double ratio, const QRect &box);

// The part of the loaded image the preview shows and the size it is scaled to.
struct PreviewCut
{
    QRect area;  // image pixels: from the first tile's top-left corner to the last tile's
                 // bottom-right corner, that corner's own column and row left out
    QSize output; // fits the box, keeping the area's shape
};

// Nothing when the rectangles hold no tile, the area has no width or height, or the box is empty.
std::optional<PreviewCut> previewCut(const TileCoords &coords, const QSize &box);

// Draws the evenly spaced tile lines, the picture's four borders included, in the grid
// colour (255, 0, 0).
void PaintPreview(const PixelArrayView &pixels, int tilesWide, int tilesHigh);

// Paints the sheets a picture kept whole leaves blank grey on a picture of the grid's
// paper, whose top-left corner is the first tile's; scale is picture pixels per image pixel.
void paintLeftOutSheets(QImage &picture, const TileCoords &coords, const LayoutState &state, double scale);

// The preview picture for a box of the given size in pixels, cut from the tile rectangles
// the save uses and scaled straight from the source's pixels (no copy of the source is
// made, whatever its size). Nothing when the layout gives no tiles or the area lies
// outside the source.
// source may hold the picture reduced: sourceScale is its pixels per pixel of the picture
// the layout is computed for.
std::optional<QImage> previewPicture(const LayoutState &state, const ConstPixelArrayView &source, const QSize &box,
                                     double sourceScale = 1.0);
