#include "output/PrinterMargins.h"

#include "common/NumberFormat.h"
#include "common/Units.h"
#include "output/PosterPages.h"
#include "resources/PosterStrings.h"

namespace {

constexpr double kToleratedPoints = 0.5;

} // namespace

QStringList edgesClippedByPrinter(const QMarginsF &leastMarginsPoints, const LayoutState &layout)
{
    const MarginArray margins = paperMargins(layout);
    const double pointsInUnit = pointsPerUnit(layout.units);
    const QString unit = layout.units == Units::Inches ? PosterStrings::kInches : PosterStrings::kMillimetres;
    const struct
    {
        QString name;
        double printer;
        double poster;
    } edges[] = {
        {PosterStrings::kTopEdge, leastMarginsPoints.top(), margins[kTopEdge]},
        {PosterStrings::kRightEdge, leastMarginsPoints.right(), margins[kRightEdge]},
        {PosterStrings::kBottomEdge, leastMarginsPoints.bottom(), margins[kBottomEdge]},
        {PosterStrings::kLeftEdge, leastMarginsPoints.left(), margins[kLeftEdge]},
    };
    QStringList clipped;
    for (const auto &edge : edges) {
        const double shortfall = edge.printer - edge.poster * pointsInUnit;
        if (shortfall > kToleratedPoints)
            clipped.append(PosterStrings::edgeShortfallText(edge.name,
                                                            formatMask(shortfall / pointsInUnit, QStringLiteral("##0.00")),
                                                            unit));
    }
    return clipped;
}
