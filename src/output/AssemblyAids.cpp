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

namespace {

QString unitText(Units units)
{
    return units == Units::Inches ? PosterStrings::kInches : PosterStrings::kMillimetres;
}

} // namespace

AidsRoom roomForAids(Units units, const MarginArray &margins, const MarginArray &borders)
{
    const double scale = pointsPerUnit(units);
    MarginArray free{};
    for (size_t edge = 0; edge < 4; ++edge)
        free[edge] = (margins[edge] - borders[edge]) * scale;
    const double widest = *std::max_element(free.begin(), free.end());
    return {roomForStrip(margins) > 0.0, widest > AssemblyAids::kCutMarkGapPoints,
            std::max(free[kTopEdge], free[kBottomEdge]) >= AssemblyAids::kLabelRoomPoints};
}

QStringList aidsWithoutRoom(const AssemblyAids &aids, Units units, const MarginArray &margins,
                            const MarginArray &borders)
{
    const AidsRoom room = roomForAids(units, margins, borders);
    const double scale = pointsPerUnit(units);
    const QString mask = units == Units::Inches ? QStringLiteral("##0.00") : QStringLiteral("##0.0");
    // A margin needs the aid's room beyond the compensation border it holds.
    const auto amount = [scale, &mask](double points, double border) {
        return formatMask(points / scale + border, mask);
    };
    const double leastBorder = *std::min_element(borders.begin(), borders.end());
    const double leastEndBorder = std::min(borders[kTopEdge], borders[kBottomEdge]);
    QStringList missing;
    if (aids.glueStrip && !room.glueStrip)
        missing.append(PosterStrings::kGlueStripsNeedRoom);
    if (aids.cutMarks && !room.cutMarks)
        missing.append(PosterStrings::cutMarksNeedRoomText(amount(AssemblyAids::kCutMarkGapPoints, leastBorder),
                                                           unitText(units)));
    if (aids.labels && !room.labels)
        missing.append(PosterStrings::labelsNeedRoomText(amount(AssemblyAids::kLabelRoomPoints, leastEndBorder),
                                                         unitText(units)));
    return missing;
}
