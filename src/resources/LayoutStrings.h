#pragma once

#include <QCoreApplication>

#include "common/TranslatableText.h"

#include <QString>

// Texts of the poster layout: the tile-size warning, the paper read-outs and the
// "Final Poster Size" report.
namespace LayoutStrings {

inline TranslatableText kInvalidTileSizeTitle{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "Invalid Tile Print Size Entered")};
inline TranslatableText kInvalidTileSizeMessage{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "You have entered invalid print tile sizes.  The width and height need to be in the range of")};
inline TranslatableText kRangeTo{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "to")};
inline TranslatableText kInchesWord{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "inches")};
inline TranslatableText kMillimetersWord{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "millimeters")};

// Unit names beside the paper read-outs of the main window.
inline TranslatableText kInchesLabel{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "Inches")};
inline TranslatableText kMillimetersLabel{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "Millimeters")};

inline const QString kSizeSeparator = QStringLiteral(" x ");
inline TranslatableText kCentimetresWord{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "cm")};
inline const QString kDotsPerInch = QStringLiteral("dpi");
inline TranslatableText kDotsWord{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "dots")};
inline const QString kPerSign = QStringLiteral("/");
inline const QString kNotAvailable = QStringLiteral("---");

// The resolution of a poster drawn from a page's vectors rather than from pixels.
inline QString drawnFromVectorsText(const QString &resolution)
{
    return QCoreApplication::translate("LayoutStrings", "%1, drawn from vectors").arg(resolution);
}
inline TranslatableText kQualityExcellent{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "Excellent")};
inline TranslatableText kQualityVeryGood{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "Very Good")};
inline TranslatableText kQualityGood{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "Good")};
inline TranslatableText kQualityFair{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "Fair")};
inline TranslatableText kQualityGoodFromDistance{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "Good from a distance")};
inline TranslatableText kQualityFairFromDistance{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "Fair from a distance")};

inline TranslatableText kPosterTooLargeTitle{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "Poster Too Large")};
inline TranslatableText kPosterTooLarge{"LayoutStrings", QT_TRANSLATE_NOOP("LayoutStrings", "A poster of that size needs more than 25 sheets across or down on this paper.  Choose a smaller size or a larger paper.")};

// The sheets a poster is printed on; keeping the whole picture, those it leaves blank are
// left out.
inline QString sheetsUsedText(int used, int total)
{
    if (used == total)
        return QString::number(total);
    return QCoreApplication::translate("LayoutStrings", "%1 (%2 left out)").arg(used).arg(total - used);
}

} // namespace LayoutStrings
