#pragma once

#include "layout/LayoutState.h"

#include <optional>

// A page of a PDF or SVG file has no pixels of its own: its poster is drawn at the
// resolution the person asks for. The window lays the poster out on the page measured at a
// fixed resolution; saving and printing take the same layout with the page measured so
// that the sheets print at the resolution asked for.
struct PageLayout
{
    LayoutState layout;
    double dotsPerInch = 0; // what the sheets print at: the resolution asked for, or the most the sheets allow
};

// A sheet's picture has at most this many pixels a side, the most a JPEG file holds.
inline constexpr double kMaxSheetPixels = 65500;

// The layout with its picture measured for dotsPerInch, as far as the sheets' pixel limit
// allows; nothing without a picture or a usable layout.
std::optional<PageLayout> layoutAtResolution(const LayoutState &layout, double dotsPerInch);
