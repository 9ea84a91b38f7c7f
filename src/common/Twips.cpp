#include "common/Twips.h"

#include "common/Rounding.h"

namespace {

double usableDpi(int logicalDpi)
{
    return logicalDpi > 0 ? logicalDpi : kFallbackLogicalDpi;
}

} // namespace

int twipsToPixels(int twips, int logicalDpi)
{
    return nearestInt32(double(twips) * usableDpi(logicalDpi) / kTwipsPerInch).value_or(0);
}

int pixelsToTwips(int pixels, int logicalDpi)
{
    return nearestInt32(double(pixels) * kTwipsPerInch / usableDpi(logicalDpi)).value_or(0);
}
