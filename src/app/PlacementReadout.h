#pragma once

#include <QString>

// The placement readout beside the arrow pad: how far the tile grid sits from the centre
// of the displayed image, or that it fills that direction.

enum class PlacementAxis { Horizontal, Vertical };

struct PlacementReadout
{
    QString text;
    int placement = 100; // the placement to keep: back to 100 when the grid fills the axis
};

// gridExtent is the grid's size on the canvas (right - left + 1), imageExtent the displayed
// image's size in the same direction, placement 0 to 200 with 100 centred.
PlacementReadout placementReadout(PlacementAxis axis, int gridExtent, int imageExtent, int placement);
