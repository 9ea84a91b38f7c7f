#pragma once

#include "common/Units.h"
#include "layout/LayoutState.h"

#include <QString>

#include <optional>

// A poster sized by the wall it is for: its printed width or height.
enum class PosterSide { Width, Height };

// A length as typed, a number with an optional unit (mm, cm, m or in, any case); a bare
// number is in units. In inches; nothing when it is not a positive number.
std::optional<double> parseLengthInches(const QString &text, Units units);

struct TileCounts
{
    int wide = 1;
    int high = 1;
};

// The fewest sheets across and down that hold the whole picture printed inches along
// side, at the layout's paper, margins and turn; nothing when that takes more than 25
// either way, or the layout has no picture or no usable tile size.
std::optional<TileCounts> tilesForPosterSize(const LayoutState &layout, PosterSide side, double inches);

// The layout with those tile counts and the whole picture kept.
void sizePosterToWall(LayoutState &layout, const TileCounts &counts);
