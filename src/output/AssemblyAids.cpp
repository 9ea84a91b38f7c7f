#include "output/AssemblyAids.h"

#include "common/NumberFormat.h"
#include "resources/PosterStrings.h"

#include <algorithm>

namespace {

// The strip lies in the right margin of a sheet with a right neighbour and in the bottom
// margin of one with a lower neighbour, so it must fit in the narrower of the two.
double roomForStrip(const MarginArray &margins)
{
    return std::min(margins[kRightEdge], margins[kBottomEdge]);
}

} // namespace

double glueStripLength(const AssemblyAids &aids, Units units, const MarginArray &margins)
{
    if (!aids.glueStrip)
        return 0.0;
    if (aids.glueStripLength)
        return std::max(0.0, *aids.glueStripLength);
    const double preferred =
        units == Units::Inches ? AssemblyAids::kDefaultGlueInches : AssemblyAids::kDefaultGlueMillimetres;
    return std::max(0.0, std::min(preferred, roomForStrip(margins)));
}

QString glueStripMisfit(const AssemblyAids &aids, Units units, const MarginArray &margins)
{
    if (!aids.glueStrip || !aids.glueStripLength || *aids.glueStripLength <= roomForStrip(margins))
        return QString();
    const bool right = margins[kRightEdge] <= margins[kBottomEdge];
    return PosterStrings::glueStripTooWideText(right, basicNumberText(roomForStrip(margins)),
                                                units == Units::Inches ? PosterStrings::kInches
                                                                       : PosterStrings::kMillimetres);
}
