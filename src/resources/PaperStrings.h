#pragma once

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

// Unit words: the paper dialog says "mm", the main window spells the unit out.
inline const QString kDialogUnitInches = QStringLiteral("Inches");
inline const QString kDialogUnitMillimetres = QStringLiteral("mm");
inline const QString kMainUnitInches = QStringLiteral("Inches");
inline const QString kMainUnitMillimetres = QStringLiteral("Millimeters");

} // namespace PaperStrings
