#pragma once

#include "common/Units.h"

#include <QString>

#include <array>
#include <cstdint>

// The ranges of the layout's controls: 1 to 25 tiles a side, zoom 0 to 400 percent,
// placement 0 to 200 with 100 centred.
inline constexpr int kMaxTilesPerSide = 25;
inline constexpr int kMaxZoom = 400;
inline constexpr int kMaxPlacement = 200;
inline constexpr int kCentredPlacement = kMaxPlacement / 2;

// How the picture meets the grid of sheets: cut to the grid's shape, the grid filling the
// picture (zoom and placement pick the part), or kept whole, the picture as large as fits
// inside the grid with blank paper where it does not reach (placement slides it along the
// axis that has room).
enum class FitMode { FillSheets, WholePicture };

// Everything that describes one poster: the image, the tile grid over it, the printed
// tile size and how image and tiles are turned. A plain value, so the engine can compute
// with it without any window; the main window keeps one and its controls edit it.
struct LayoutState
{
    // Tile counts as the tile-count lists hold them: list index 0 means 1 tile.
    int tilesWideIndex = 1;
    int tilesHighIndex = 1;
    bool lockWh = false;

    // Paper and tile size in the current unit; the tile is the paper less its margins,
    // before any edge trim.
    Units units = Units::Inches;
    double dTileWidth = 6.0;
    double dTileHeight = 4.0;
    double dPaperWidth = 6.0;
    double dPaperHeight = 4.0;
    QString sPaperName;
    QString sPaperRegLine;
    int iMarginLocked = 0;

    bool bTileRotated = false;
    int iImgRotation = 0;  // 0, 90, 180 or 270 degrees clockwise
    FitMode fit = FitMode::FillSheets;
    int zoom = 0;          // 0 to 400 percent; not used for the whole picture
    int iHPlacement = 100; // 0 to 200, 100 centred
    int iVPlacement = 100;

    bool bImgSelected = false;
    std::int32_t lImgWidth = 0; // size of the loaded image after its rotation
    std::int32_t lImgHeight = 0;

    // Edge compensation: when on, the active profile's trims (inches, in the order
    // top, right, bottom, left) are taken off the usable tile size.
    bool compensation = false;
    std::array<double, 4> edgeTrimInches{};

    int tilesWide() const { return tilesWideIndex + 1; }
    int tilesHigh() const { return tilesHighIndex + 1; }
};
