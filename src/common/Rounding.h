#pragma once

#include <cstdint>
#include <optional>

// Conversion of a floating-point value to a 32-bit integer, rounding to the nearest
// integer with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4). Layout results
// depend on this exact rule, so it is the only conversion the engine uses.
// Returns nothing for NaN, infinities and values outside the 32-bit range.
std::optional<std::int32_t> nearestInt32(double value);
