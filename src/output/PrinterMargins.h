#pragma once

#include "layout/LayoutState.h"

#include <QMarginsF>
#include <QStringList>

// Each edge at which a printer cannot print as close to the paper's edge as the poster's
// margin asks, with the amount it falls short in the poster's unit ("top edge by 3.88 mm"),
// from the printer's least margins in points. Shortfalls below half a point are the
// printer's rounding and left out.
QStringList edgesClippedByPrinter(const QMarginsF &leastMarginsPoints, const LayoutState &layout);
