#pragma once

#include "layout/LayoutState.h"

#include <cstdint>
#include <vector>

// The source rectangle of every tile, in pixels of the loaded image after its rotation:
// four signed 32-bit values per tile (k = 0 left, 1 top, 2 right, 3 bottom, all
// inclusive). Tiles are numbered row by row from the top-left.
class TileCoords
{
public:
    static constexpr int kValuesPerTile = 4;

    TileCoords() = default;
    explicit TileCoords(int count) { reset(count); }

    // Replaces the contents by count zero-filled tiles (a negative count gives none).
    void reset(int count);

    int count() const { return m_count; }

    // Out-of-range indexes read 0 and writes to them are ignored.
    std::int32_t at(int k, int t) const;
    void set(int k, int t, std::int32_t value);

    std::int32_t left(int t) const { return at(0, t); }
    std::int32_t top(int t) const { return at(1, t); }
    std::int32_t right(int t) const { return at(2, t); }
    std::int32_t bottom(int t) const { return at(3, t); }

private:
    bool contains(int k, int t) const;

    int m_count = 0;
    std::vector<std::int32_t> m_values;
};

// Cuts the image into the tile rectangles of the layout: the poster's shape fitted as
// large as possible into the image, shrunk by the zoom, slid by the placement and split
// into equal tiles. Each tile's right and bottom edge comes from its own left or top edge,
// so neighbours may leave a one-pixel gap or overlap; consumers size each tile from its
// own rectangle.
// Returns the tile count N (1 to 625) on success. On failure (tile size check, tile
// counts, zoom or placement out of range, an image without pixels, a grid too small to
// give every tile a pixel, a value past the 32-bit range) returns -1 and leaves coords
// as N zero-filled tiles.
int CalcTileCoord(const LayoutState &state, TileCoords &coords);

// Makes the rectangles fit an image of width x height pixels. Filling the sheets,
// CalcTileCoord's rounding can put the last column's right edge or the last row's bottom
// edge one pixel past the image; such a rectangle is moved back by that pixel, keeping its
// size (it then overlaps its neighbour by one pixel, as rounding lets neighbours do
// anyway), and cut only where it already starts at the image's edge. Keeping the whole
// picture, the grid reaches round it, and a last column or row that rounding left a pixel
// short of its edge is widened by that pixel, so that no column of the picture is lost.
// Returns false, changing nothing, when a rectangle is empty or lies further off (a layout
// computed for another image size).
bool fitTilesToImage(TileCoords &coords, std::int32_t width, std::int32_t height,
                     FitMode fit = FitMode::FillSheets);

// Whether tile t's rectangle holds any pixel of an image of width x height pixels: keeping
// the whole picture, a sheet that holds none is left out.
bool tileHoldsPicture(const TileCoords &coords, int t, std::int32_t width, std::int32_t height);
// How many tiles hold some of the picture.
int tilesHoldingPicture(const TileCoords &coords, std::int32_t width, std::int32_t height);
