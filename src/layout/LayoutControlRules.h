#pragma once

#include "imaging/ImageObject.h"
#include "layout/LayoutState.h"

#include <QString>

#include <optional>

// What the tile-count lists, their lock, the image rotation list and the zoom bar do to the
// layout. The main window only mirrors the results in its controls.

// A count picked in one list (list index 0 to 24). With the lock on, the other list takes
// the same index. Returns false, changing nothing, for an index outside the lists.
bool chooseTilesWide(LayoutState &state, int index);
bool chooseTilesHigh(LayoutState &state, int index);
// Ticking the lock makes tiles high equal tiles wide; unticking changes no count.
void chooseLockWh(LayoutState &state, bool locked);

// The zoom readout beside the scroll bar, e.g. "(25%)".
QString zoomReadoutText(int zoom);

// The clockwise turn, in degrees (0, 90, 180 or 270), from one absolute image angle to
// another. Nothing unless both are 0, 90, 180 or 270.
std::optional<int> clockwiseTurn(int fromAngle, int toAngle);

enum class ImageTurn {
    Unchanged, // already at that angle
    Turned,    // the window rebuilds its display copy (FitImageToCanvas)
    Failed,    // the image could not be turned; image and layout are as they were
};

// Turns the loaded image from its current angle (state.iImgRotation) to newAngle with one
// clockwise turn; a quarter turn swaps lImgWidth and lImgHeight. On success
// state.iImgRotation becomes newAngle.
ImageTurn RotateImageTo(ImageObject &img, LayoutState &state, int newAngle);
