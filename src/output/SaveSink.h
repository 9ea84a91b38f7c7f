#pragma once

#include "output/SaveRunListener.h"
#include "output/TileSource.h"

#include <QString>

#include <optional>

// Where a save run puts its tiles, one at a time in tile order: tile files, or the pages of
// a PDF poster. The run's one loop takes each tile from its TileSource, checks the room for
// it, hands it here, and looks at Cancel in between.
class SaveSink
{
public:
    // Why the run stops, as the person is told.
    struct Stop
    {
        QString text;
        QString title;
        SaveRunListener::ProgressClose how;
    };

    virtual ~SaveSink() = default;
    // False for a tile the source prepares but the run does not keep.
    virtual bool wanted(int) const { return true; }
    // Puts tile t where it goes; why not, when it cannot.
    virtual std::optional<Stop> put(int t, const PreparedTile &tile) = 0;
    // Leaves nothing of a run that stops early where a whole file was to be.
    virtual void abandon() {}
};
