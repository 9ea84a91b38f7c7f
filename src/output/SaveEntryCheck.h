#pragma once

#include "layout/LayoutState.h"
#include "output/TileNaming.h"

#include <QString>

// The checks the main window's Save button makes before the save dialog opens, in order:
// the tile print size, the tile rectangles, then the selected file's name and type.
// The refusal carries the message to show with the critical icon.
SaveEntry checkSaveEntry(const LayoutState &layout, const QString &imageFileName);
