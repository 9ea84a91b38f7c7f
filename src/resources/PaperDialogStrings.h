#pragma once

#include "common/TranslatableText.h"

#include <QString>

// Captions, tool tips, step headings and result texts of the paper and margins dialog.
// The unit words of its size boxes and the texts of its checks are in PaperStrings.h.
namespace PaperDialogStrings {

inline TranslatableText kCaption{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Determine Tile Print Size")};

// Step headings
inline TranslatableText kStepUnits{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "(1) Select Units")};
inline TranslatableText kStepPaper{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "(2) Select Paper Size")};
inline TranslatableText kStepMargins{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "(3) Select Margin Size For Prints")};
inline TranslatableText kStepResults{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "(4) Results:")};

// Units
inline TranslatableText kInchesOption{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Inches")};
inline TranslatableText kMillimetresOption{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Millimeters")};

// Paper
inline TranslatableText kPaperListTip{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Choose paper size (or select Custom Size)")};
inline TranslatableText kWidthLabel{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Width:")};
inline TranslatableText kHeightLabel{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Height:")};
inline TranslatableText kWidthTip{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Full paper width (including margins)")};
inline TranslatableText kHeightTip{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Full paper height (including margins)")};

// Margins, in the order top, right, bottom, left
inline TranslatableText kMarginLabels[4] = {
    {"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Top Margin:")},
    {"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Right Margin:")},
    {"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Bottom Margin:")},
    {"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Left Margin:")},
};
inline TranslatableText kMarginTips[4] = {
    {"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Select or type top margin size")},
    {"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Select or type right margin size")},
    {"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Select or type bottom margin size")},
    {"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Select or type left margin size")},
};
inline TranslatableText kMarginUnitsInches{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "(Margin sizes in INCHES)")};
inline TranslatableText kMarginUnitsMillimetres{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "(Margin sizes in MILLIMETERS)")};
inline TranslatableText kLockCaption{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Left=Right, Top=Bottom")};
inline TranslatableText kLockTip{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Force the left/right and top/bottom margins to be equal")};
inline TranslatableText kBorderlessCaption{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Set to borderless (no margins)")};
inline TranslatableText kBorderlessTip{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Set all border sizes to zero (use this for borderless prints)")};
inline TranslatableText kResetCaption{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Reset to default margins")};
inline TranslatableText kResetTip{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Reset margin sizes to default values for selected paper size")};
inline TranslatableText kBorderlessCheckCaption{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Borderless")};

// Results
inline TranslatableText kSizeWithBordersTitle{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Size BEFORE margins trimmed:")};
inline TranslatableText kSizeWithBordersTip{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "This is the full paper size, including margins")};
inline TranslatableText kSizeWithoutBordersTitle{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Size AFTER margins trimmed:")};
inline TranslatableText kSizeWithoutBordersTip{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "This is the poster tile size (the print size AFTER margins trimmed off)")};
inline TranslatableText kInvalidPaperSizeResult{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Invalid paper size entered")};
inline const QString kNoTileResult = QStringLiteral("-");
inline TranslatableText kInvalidMarginResult{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Invalid margin size selected")};
inline const QString kSizeSeparator = QStringLiteral(" x ");
inline TranslatableText kResultUnitInches{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", " Inches")};
inline TranslatableText kResultUnitMillimetres{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", " mm")};

// Buttons
inline TranslatableText kApplyCaption{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Apply")};
inline TranslatableText kApplyTip{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Accept current print/margin values")};
inline TranslatableText kOkCaption{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "OK")};
inline TranslatableText kOkTip{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Accept current print/margin values and return to main window")};
inline TranslatableText kCancelCaption{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Cancel")};
inline TranslatableText kCancelTip{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Do not accept current print/margin values")};

// Title of every message the dialog shows
inline TranslatableText kInvalidValuesTitle{"PaperDialogStrings", QT_TRANSLATE_NOOP("PaperDialogStrings", "Invalid Values Entered")};

} // namespace PaperDialogStrings
