#pragma once

#include "layout/LayoutState.h"

// Builds the layouts the tests start from: tiles of the given print size in
// inches, a count of tiles across and down, centred placement, zoom 0.
inline LayoutState posterOf(int tilesWide, int tilesHigh, double tileWidth, double tileHeight)
{
    LayoutState state;
    state.tilesWideIndex = tilesWide - 1;
    state.tilesHighIndex = tilesHigh - 1;
    state.units = Units::Inches;
    state.dTileWidth = tileWidth;
    state.dTileHeight = tileHeight;
    return state;
}

inline LayoutState withImage(LayoutState state, int width, int height)
{
    state.bImgSelected = true;
    state.lImgWidth = width;
    state.lImgHeight = height;
    return state;
}

// 3 x 2 tiles of 1 x 1.25 inch over 300 x 200 pixels: tiles of 80 x 100 pixels starting
// at columns 30, 110 and 190 and rows 0 and 100, 80 pixels per inch.
inline LayoutState layout3x2()
{
    return withImage(posterOf(3, 2, 1.0, 1.25), 300, 200);
}
