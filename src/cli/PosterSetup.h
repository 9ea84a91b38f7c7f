#pragma once

#include "calibration/ProfileStore.h"
#include "cli/CliOptions.h"
#include "layout/LayoutState.h"
#include "paper/PaperSelection.h"
#include "prefs/MainSettings.h"

#include <QString>

// What the window would start with: its stored settings and the edge calibration profiles.
struct StoredStart
{
    MainSettings settings;
    ProfileStore profiles;
};

// Reads the settings file and the profile file the way the window does at start-up, but
// writes neither: a command-line run leaves the stored state exactly as it found it.
// A profile file that is missing or unreadable gives the built-in profiles.
StoredStart readStoredStart(const PreferenceStore &prefs);

// Applies --units, --paper, --custom-paper and --margins to the paper selection. Returns
// what was wrong, or an empty text.
QString applyPaperOptions(PaperSelection &paper, const CliOptions &options);

struct PosterSetup
{
    LayoutState layout; // without the image; see setImageSize
    QString usageError; // empty when the options could be applied
};

// The layout the window would start with, with every option given put over it.
PosterSetup buildPosterSetup(const CliOptions &options, const StoredStart &start);

// Records the loaded image (after its turn) in the layout.
void setImageSize(LayoutState &layout, int width, int height, int rotationDegrees);
// --poster-width or --poster-height, once the picture's size is known: the tile counts
// that hold the whole picture at that size. False when more than 25 sheets a side would.
bool sizeToWall(LayoutState &layout, const CliOptions &options);
