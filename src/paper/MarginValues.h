#pragma once

#include "common/Units.h"

#include <QString>
#include <QStringList>

// The values offered in each margin list, formatted for the unit: 0.00 to 2.00 inches
// in hundredths, 0.0 to 50.5 mm in halves.
QStringList marginValueTexts(Units units);

// Every place where the paper subsystem shows a size.
enum class PaperNumberUse {
    MarginListItem,    // items of the margin lists
    SizeBox,           // paper width and height boxes, margin box texts
    ResultLabel,       // paper and tile size results of the paper dialog
    MainWindowReadout, // paper and tile size read-outs of the main window
    MinimumSizeNotice, // smallest custom paper size in the too-small message
};

// The numeric picture mask used for a size in the given place and unit.
QString paperNumberMask(PaperNumberUse use, Units units);

// A size shown in the given place and unit. Always written with "." so that the texts
// the paper dialog puts into its boxes read back with parseDecimalText.
QString formatPaperNumber(double value, PaperNumberUse use, Units units);
