#pragma once

#include "layout/LayoutState.h"

// Builds the layouts the layout tests start from: tiles of the given print size in
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
