#pragma once

#include "layout/TileSizeLimits.h"
#include "common/Units.h"

// The tile limits are fixed in inches; in millimetres they are the same lengths
// (19.05 mm and 1270 mm).
inline constexpr double unitsPerInch(Units units)
{
    return units == Units::Inches ? 1.0 : kMillimetresPerInch;
}

inline constexpr double minTileSide(Units units)
{
    return kMinTileInches * unitsPerInch(units);
}

inline constexpr double maxTileSide(Units units)
{
    return kMaxTileInches * unitsPerInch(units);
}

inline constexpr bool isTileSideWithinLimits(double side, Units units)
{
    return side >= minTileSide(units) && side <= maxTileSide(units);
}

// Smallest sheet side the user may type for the custom paper: 0.75 inch, or the next
// whole millimetre above it (20 mm).
inline constexpr double minCustomPaperSide(Units units)
{
    return units == Units::Inches ? kMinTileInches
                                  : double(int(kMinTileInches * kMillimetresPerInch + 1));
}
