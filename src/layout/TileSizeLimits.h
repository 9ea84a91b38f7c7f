#pragma once

// The printed tile's width and height must each lie in this range, both ends included.
// The limits are fixed in inches whatever unit the user works in.
inline constexpr double kMinTileInches = 0.75;
inline constexpr double kMaxTileInches = 50.0;
