#pragma once

#include "imaging/PictureDamage.h"
#include "layout/LayoutState.h"
#include "layout/TileCoordinates.h"
#include "output/TileNaming.h"

#include <QString>

// The checks the main window's Save button makes before the save dialog opens, in order:
// the tile print size, the tile rectangles, then the selected file's name and type.
// The refusal carries the message to show with the critical icon.
SaveEntry checkSaveEntry(const LayoutState &layout, const QString &imageFileName);

// Whether a tile of the layout needs rows that the picture's file could not give at all
// (its data ran out before them): such a poster is refused, as an incomplete file is.
bool tilesNeedMissingRows(const LayoutState &layout, const PictureDamage &damage);
bool tilesNeedMissingRows(const TileCoords &cuts, const PictureDamage &damage);
