#pragma once

#include <QString>

// Captions, tool tips, step headings and result texts of the paper and margins dialog.
// The unit words of its size boxes and the texts of its checks are in PaperStrings.h.
namespace PaperDialogStrings {

inline const QString kCaption = QStringLiteral("Determine Tile Print Size");

// Step headings
inline const QString kStepUnits = QStringLiteral("(1) Select Units");
inline const QString kStepPaper = QStringLiteral("(2) Select Paper Size");
inline const QString kStepMargins = QStringLiteral("(3) Select Margin Size For Prints");
inline const QString kStepResults = QStringLiteral("(4) Results:");

// Units
inline const QString kInchesOption = QStringLiteral("Inches");
inline const QString kMillimetresOption = QStringLiteral("Millimeters");

// Paper
inline const QString kPaperListTip = QStringLiteral("Choose paper size (or select Custom Size)");
inline const QString kWidthLabel = QStringLiteral("Width:");
inline const QString kHeightLabel = QStringLiteral("Height:");
inline const QString kWidthTip = QStringLiteral("Full paper width (including margins)");
inline const QString kHeightTip = QStringLiteral("Full paper height (including margins)");

// Margins, in the order top, right, bottom, left
inline const QString kMarginLabels[4] = {
    QStringLiteral("Top Margin:"),
    QStringLiteral("Right Margin:"),
    QStringLiteral("Bottom Margin:"),
    QStringLiteral("Left Margin:"),
};
inline const QString kMarginTips[4] = {
    QStringLiteral("Select or type top margin size"),
    QStringLiteral("Select or type right margin size"),
    QStringLiteral("Select or type bottom margin size"),
    QStringLiteral("Select or type left margin size"),
};
inline const QString kMarginUnitsInches = QStringLiteral("(Margin sizes in INCHES)");
inline const QString kMarginUnitsMillimetres = QStringLiteral("(Margin sizes in MILLIMETERS)");
inline const QString kLockCaption = QStringLiteral("Left=Right, Top=Bottom");
inline const QString kLockTip = QStringLiteral("Force the left/right and top/bottom margins to be equal");
inline const QString kBorderlessCaption = QStringLiteral("Set to borderless (no margins)");
inline const QString kBorderlessTip =
    QStringLiteral("Set all border sizes to zero (use this for borderless prints)");
inline const QString kResetCaption = QStringLiteral("Reset to default margins");
inline const QString kResetTip =
    QStringLiteral("Reset margin sizes to default values for selected paper size");
inline const QString kBorderlessCheckCaption = QStringLiteral("Borderless");

// Results
inline const QString kSizeWithBordersTitle = QStringLiteral("Size BEFORE margins trimmed:");
inline const QString kSizeWithBordersTip = QStringLiteral("This is the full paper size, including margins");
inline const QString kSizeWithoutBordersTitle = QStringLiteral("Size AFTER margins trimmed:");
inline const QString kSizeWithoutBordersTip =
    QStringLiteral("This is the poster tile size (the print size AFTER margins trimmed off)");
inline const QString kInvalidPaperSizeResult = QStringLiteral("Invalid paper size entered");
inline const QString kNoTileResult = QStringLiteral("-");
inline const QString kInvalidMarginResult = QStringLiteral("Invalid margin size selected");
inline const QString kSizeSeparator = QStringLiteral(" x ");
inline const QString kResultUnitInches = QStringLiteral(" Inches");
inline const QString kResultUnitMillimetres = QStringLiteral(" mm");

// Buttons
inline const QString kApplyCaption = QStringLiteral("Apply");
inline const QString kApplyTip = QStringLiteral("Accept current print/margin values");
inline const QString kOkCaption = QStringLiteral("OK");
inline const QString kOkTip = QStringLiteral("Accept current print/margin values and return to main window");
inline const QString kCancelCaption = QStringLiteral("Cancel");
inline const QString kCancelTip = QStringLiteral("Do not accept current print/margin values");

// Title of every message the dialog shows
inline const QString kInvalidValuesTitle = QStringLiteral("Invalid Values Entered");

} // namespace PaperDialogStrings
