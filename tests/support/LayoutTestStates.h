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

// 3 x 2 tiles of A4 with 12 mm margins (186 x 273 mm of picture each): a page box of
// 595.28 x 841.89 points, which a writer rounding to whole points would miss.
inline LayoutState a4Poster(int width, int height)
{
    LayoutState layout = withImage(posterOf(3, 2, 186, 273), width, height);
    layout.units = Units::Millimetres;
    layout.dPaperWidth = 210;
    layout.dPaperHeight = 297;
    layout.sPaperName = "A4 - 210 x 297";
    layout.sPaperRegLine = "|1|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|";
    return layout;
}
