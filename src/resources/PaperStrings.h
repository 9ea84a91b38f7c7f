#pragma once

#include "common/TranslatableText.h"

#include <QString>

// Texts of the paper catalogue and the paper dialog.
namespace PaperStrings {

// Labels from which the inch paper names are built ("Photo 4" x 6"").
inline const QString kPhotoLabel = QStringLiteral("Photo");
inline const QString kLetterLabel = QStringLiteral("Letter");
inline const QString kLegalLabel = QStringLiteral("Legal");
inline const QString kCanvasLabel = QStringLiteral("Canvas");
inline const QString kCustomLabel = QStringLiteral("Custom");
inline const QString kCustomInchesSuffix = QStringLiteral(" (inches)");
inline const QString kCustomMillimetresSuffix = QStringLiteral(" (mm)");

// Millimetre paper names are fixed texts.
inline const QString kPaperA8 = QStringLiteral("A8 - 53 x 74");
inline const QString kPaperA7 = QStringLiteral("A7 - 74 x 105");
inline const QString kPaperA6 = QStringLiteral("A6 - 105 x 148");
inline const QString kPaperA5 = QStringLiteral("A5 - 148 x 210");
inline const QString kPaperA4 = QStringLiteral("A4 - 210 x 297");
inline const QString kPaperA3 = QStringLiteral("A3 - 297 x 420");
inline const QString kPaperA2 = QStringLiteral("A2 - 420 x 594");

// Unit words of the paper dialog.
inline TranslatableText kDialogUnitInches{"PaperStrings", QT_TRANSLATE_NOOP("PaperStrings", "Inches")};
inline TranslatableText kDialogUnitMillimetres{"PaperStrings", QT_TRANSLATE_NOOP("PaperStrings", "mm")};

// Checks of the typed paper size and margins.
inline TranslatableText kInvalidPaperWidthOrHeight{"PaperStrings", QT_TRANSLATE_NOOP("PaperStrings", "Invalid Paper Width or Height")};
inline TranslatableText kPaperSizeBelowMinimum{"PaperStrings", QT_TRANSLATE_NOOP("PaperStrings", "Invalid paper size - size too small.  Minimum size is")};
inline TranslatableText kInvalidMarginValues{"PaperStrings", QT_TRANSLATE_NOOP("PaperStrings", "You entered invalid values for print margins.")};
inline TranslatableText kNegativeMargin{"PaperStrings", QT_TRANSLATE_NOOP("PaperStrings", "Invalid margin value - can't be less than zero")};
inline TranslatableText kLeftRightMarginsTooLarge{"PaperStrings", QT_TRANSLATE_NOOP("PaperStrings", "Invalid Left / Right Margins.  Together they are larger than the paper width.")};
inline TranslatableText kTopBottomMarginsTooLarge{"PaperStrings", QT_TRANSLATE_NOOP("PaperStrings", "Invalid Top / Bottom Margins.  Together they are larger than the paper height.")};
inline TranslatableText kPaperSizeTooSmall{"PaperStrings", QT_TRANSLATE_NOOP("PaperStrings", "Paper size too small")};
inline TranslatableText kPaperSizeTooLarge{"PaperStrings", QT_TRANSLATE_NOOP("PaperStrings", "Paper size too large")};
inline TranslatableText kTileTooSmall{"PaperStrings", QT_TRANSLATE_NOOP("PaperStrings", "Paper/Margins too small")};
inline TranslatableText kTileTooLarge{"PaperStrings", QT_TRANSLATE_NOOP("PaperStrings", "Paper/Margins too large")};

} // namespace PaperStrings
