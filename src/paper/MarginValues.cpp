#include "paper/MarginValues.h"

#include "common/NumberFormat.h"

#include <QLocale>

QStringList marginValueTexts(Units units)
{
    const bool inches = units == Units::Inches;
    const double step = inches ? 0.01 : 0.5;
    const double bound = inches ? 2.0 : 50.0;

    // The bound is passed by one step on purpose, and the value is accumulated by
    // repeated addition: in inches the sum overshoots 2.01 before reaching it, so the
    // list ends at 2.00 while the millimetre list ends at 50.5. Users know these lists.
    QStringList texts;
    for (double value = 0; value <= bound + step; value += step)
        texts << formatPaperNumber(value, PaperNumberUse::MarginListItem, units);
    return texts;
}

QString paperNumberMask(PaperNumberUse use, Units units)
{
    const bool inches = units == Units::Inches;
    switch (use) {
    case PaperNumberUse::MarginListItem:
        return inches ? QStringLiteral("####0.00") : QStringLiteral("####0.0");
    case PaperNumberUse::SizeBox:
    case PaperNumberUse::MainWindowReadout:
        return inches ? QStringLiteral("#####0.00") : QStringLiteral("#####0.0");
    case PaperNumberUse::ResultLabel:
        return inches ? QStringLiteral("####0.00") : QStringLiteral("#####0.0");
    case PaperNumberUse::MinimumSizeNotice:
        return inches ? QStringLiteral("###.00") : QStringLiteral("####");
    }
    return QString();
}

QString formatPaperNumber(double value, PaperNumberUse use, Units units)
{
    return formatMask(value, paperNumberMask(use, units), QLocale::c());
}
