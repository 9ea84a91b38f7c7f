#pragma once

#include "calibration/ProfileStore.h"
#include "layout/LayoutState.h"
#include "prefs/MainSettings.h"

// The poster the program starts with, before any image is loaded: the paper of the stored
// paper record (the built-in photo paper when it is empty or rejected), the stored tile
// counts, lock, margin lock and edge compensation with the trims of the stored profile
// (the first profile when that position does not exist), no zoom, the grid centred. The
// window and the command line both start from it.
LayoutState startingPoster(const MainSettings &stored, const ProfileStore &profiles);
