#pragma once

#include "layout/LayoutState.h"
#include "layout/TileCoordinates.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <optional>

// The values every tile of one save run shares, computed once before the first tile.
struct TileRunValues
{
    // Below this many pixels per inch, compensated tiles are first resampled up to it, so
    // that a border of whole 64ths of an inch is a whole number of pixels.
    static constexpr double kMinCompensationPixelsPerInch = 64.0;

    bool compensation = false;
    bool rotated = false;
    std::array<double, 4> trims{}; // inches clipped at the top, right, bottom, left edge
    double pixelsPerInch = 0.0;    // tile 0's width on paper in pixels / printable width
    std::int32_t resolutionTag = 2;

    // True when compensated tiles are resampled to kMinCompensationPixelsPerInch.
    bool resamplesTiles() const { return compensation && pixelsPerInch < kMinCompensationPixelsPerInch; }
    // The resolution written into every tile file: the pixel density the tile really has
    // on paper, which is the resampled density when tiles are resampled.
    std::int32_t stampedResolution() const;
};

// pixelsPerInch rounded to the nearest whole number (halves to even), at least 2;
// nothing when it is not a finite positive number within range.
std::optional<std::int32_t> resolutionTagOf(double pixelsPerInch);

// The run values of a layout whose tile rectangles are coords. Nothing when the tile
// density cannot be computed (no printable width or no tile).
std::optional<TileRunValues> PrepareTileRun(const LayoutState &layout, const TileCoords &coords);

enum class RenderStatus { Ok, CutFailed, CompensationFailed };

struct RenderedTile
{
    RenderStatus status = RenderStatus::CutFailed;
    // 32-bit RGB (24-bit when read in place from a 24-bit source), stamped with the run's
    // resolution; set when status is Ok.
    QImage image;
};

// Tile t of the run: cut from the source's own scanlines (the source is never copied
// whole), turned when tiles are rotated, widened by the compensation borders, carrying the
// source's colour profile. Where the rectangle reaches beyond the source (a picture kept
// whole) the tile is white; a rectangle that holds none of it is a failed cut.
RenderedTile RenderTile(const QImage &source, const TileCoords &coords, int t, const TileRunValues &run);

// The same tile for encoding at once: a tile that is neither turned nor widened is not
// copied out but reads the source's pixels in place (32-bit or 24-bit RGB), which saves a
// copy of every pixel of the poster. Such a tile must not outlive the source, and nothing may draw on it.
RenderedTile renderTileForEncoding(const QImage &source, const TileCoords &coords, int t,
                                   const TileRunValues &run);

// A quarter turn counter-clockwise: the right edge becomes the top edge, the source's
// top-right pixel the top-left one.
QImage RotateTileImage(const QImage &tile);

// The tile widened by the width each edge's printer clips, the border repeating the
// nearest edge pixel (each corner block carries the corner pixel). Below 64 pixels per
// inch the tile is first resampled by 64 / p. Nothing when a size is out of range or the
// trims are not usable.
std::optional<QImage> AddEdgeClipBorders(const QImage &tile, double pixelsPerInch,
                                         const std::array<double, 4> &trims);

// The size tile t has once rendered, without rendering it; nothing when it cannot be had.
std::optional<QSize> renderedTileSize(const TileCoords &coords, int t, const TileRunValues &run);

// Where the picture lies on tile t as rendered (turned, resampled and widened as the run
// asks): its own pixels, with the borders on the sides where it reaches the tile's edge.
// The whole tile but where a picture kept whole leaves part of the tile blank; an empty
// rectangle when the tile holds none of it. picture is the image's size, rendered the tile's.
QRect pictureOnRenderedTile(const TileCoords &coords, int t, QSize picture, const TileRunValues &run, QSize rendered);

// The area of the source's pixels; where it reaches beyond the source (a picture kept
// whole), blank paper: white. A null image when it holds none of the source.
QImage areaOnPaper(const QImage &source, const QRect &area);

// Records the resolution, in pixels per inch, that the encoded file carries.
void stampResolution(QImage &image, std::int32_t pixelsPerInch);
