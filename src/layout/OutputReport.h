#pragma once

#include "layout/LayoutState.h"

#include <QLocale>
#include <QString>

#include <optional>

// The texts of the "Final Poster Size" frame.
struct OutputReport
{
    // e.g. "24.00 x 20.00 inches" or "61.0 x 50.8 cm": the grid's size, or the picture's
    // printed size when it is kept whole
    QString finalSize;
    QString resolution; // e.g. "100.0 dpi" or "39.4 dots/cm"; "---" without an image
    QString quality;    // QualityText of the resolution; "---" without an image
    QString megapixels; // image megapixels that print; "---" without an image
    QString sheets;     // e.g. "6", or "4 (2 left out)" when the whole picture leaves sheets blank
    int sheetsUsed = 0;
};

// The report for the current layout, numbers written with the locale's decimal separator.
// Nothing when the tile size check fails: the window then keeps the texts and button
// states it showed before. An image whose size is unusable (no pixels, or a zoom out of
// range) is reported like no image at all.
std::optional<OutputReport> computeOutputReport(const LayoutState &state, const QLocale &locale = QLocale());

// The print quality class of a resolution in dots per inch (whatever the user's unit).
QString QualityText(double dotsPerInch);

// text without suffix when it ends with it, else text unchanged.
QString StripSuffix(const QString &text, const QString &suffix);

// Save and Preview are usable only with an image and a tile size that passes the check.
bool actionButtonsEnabled(const LayoutState &state);
