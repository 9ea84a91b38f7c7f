#pragma once

// Windows laid out in twips (1/1440 inch) keep their spacing constants on any screen; these
// convert between twips and logical pixels with the screen's logical DPI. Results are the
// nearest whole number (halves to even), 0 when out of range. A screen that reports no DPI
// counts as kFallbackLogicalDpi.

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kFallbackLogicalDpi = 96;

int twipsToPixels(int twips, int logicalDpi);
int pixelsToTwips(int pixels, int logicalDpi);
