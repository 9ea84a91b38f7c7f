#pragma once

#include "layout/LayoutState.h"

#include <optional>

// The poster's shape: tile counts and the usable tile size as the tiles sit in the
// poster (a turned tile swaps width and height), in inches.
struct PosterShape
{
    int tilesWide = 1;
    int tilesHigh = 1;
    double tileWidth = 0;  // inches, as placed
    double tileHeight = 0; // inches, as placed
    double ratio = 0;      // (tilesWide x tileWidth) / (tilesHigh x tileHeight)
};

// Nothing when the tile counts are outside 1 to 25 or the tile size check fails.
std::optional<PosterShape> posterShape(const LayoutState &state);

// The poster-shaped area of the grid in image pixels, before and after the zoom shrinks
// it: the largest such area inside the image when the sheets are filled, the smallest
// around it when the picture is kept whole. Not rounded: the tile grid rounds it, the
// report does not.
struct ImageCoverage
{
    double fullWidth = 0;
    double fullHeight = 0;
    double zoomFactor = 1; // 1 / (zoom / 100 + 1): 1 at zoom 0, 0.2 at zoom 400; 1 for the whole picture
    double pictureWidth = 0; // the image's pixels that print
    double pictureHeight = 0;
    double usedWidth() const { return zoomFactor * fullWidth; }
    double usedHeight() const { return zoomFactor * fullHeight; }
};

// Nothing when the image has no pixels or the zoom is outside 0 to 400.
std::optional<ImageCoverage> coverImage(const LayoutState &state, const PosterShape &shape);

// The pixels per inch the poster prints at; nothing without a picture or a usable layout.
std::optional<double> posterDotsPerInch(const LayoutState &state);

// Width divided by height of the finished poster, tile rotation included;
// 0 when the tile size check fails.
double GetFinalImgWhRatio(const LayoutState &state);
