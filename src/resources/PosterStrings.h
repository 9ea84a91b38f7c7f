#pragma once

#include "common/TranslatableText.h"

#include <QCoreApplication>
#include <QString>

// Texts of the PDF poster, its assembly aids and printing.
namespace PosterStrings {

inline TranslatableText kPdfChoice{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "PDF poster (one file, every sheet)")};
inline const QString kPdfFileSuffix = QStringLiteral("poster.pdf");
inline TranslatableText kInches{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "inches")};
inline TranslatableText kMillimetres{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "mm")};

inline TranslatableText kGlueStripCaption{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Glue strip")};
inline TranslatableText kGlueLengthCaption{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Strip width:")};
inline TranslatableText kCutMarksCaption{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Cut marks")};
inline TranslatableText kLabelsCaption{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Sheet labels")};
inline TranslatableText kAssemblyPageCaption{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Assembly page")};
inline TranslatableText kAssemblyAidsFrame{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "PDF Assembly Aids")};

inline TranslatableText kAssemblyTitle{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Poster assembly")};
inline TranslatableText kPrintedSize{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Printed size:")};
inline TranslatableText kSheets{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Sheets:")};
inline TranslatableText kPaper{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Paper:")};
inline TranslatableText kMargins{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Margins (top, right, bottom, left):")};
inline TranslatableText kResolution{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Resolution:")};
// Aids the margins leave no room for, and what they need.
inline TranslatableText kGlueStripsNeedRoom{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "No glue strips: they need a right and a bottom margin.")};
inline QString cutMarksNeedRoomText(const QString &amount, const QString &unit)
{
    return QCoreApplication::translate("PosterStrings", "No cut marks: they need a margin wider than %1 %2.").arg(amount, unit);
}
inline QString labelsNeedRoomText(const QString &amount, const QString &unit)
{
    return QCoreApplication::translate("PosterStrings", "No sheet labels: they need a top or bottom margin of %1 %2.").arg(amount, unit);
}
inline TranslatableText kAidsTitle{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Assembly aids")};

// Beside the scale bar on each sheet: the length it has when the page printed unscaled.
inline QString scaleBarText(const QString &length)
{
    return QCoreApplication::translate("PosterStrings", "This line must measure %1").arg(length);
}

// How to put the poster together, in the order it is done, on the assembly page.
inline TranslatableText kHowToPrint{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "1. Print at actual size (100 %), one-sided.")};
inline TranslatableText kHowToTrim{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "2. Check the line on a sheet against a ruler, then trim each sheet along its cut marks.")};
inline TranslatableText kHowToGlue{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "3. Glue each sheet over its neighbour's strip, up to the dashed line,")};
inline TranslatableText kHowToOrder{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "    in the order of the labels: A1, A2, ..., then B1, B2, ...")};
inline TranslatableText kQuality{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Quality:")};

inline TranslatableText kPrintMenu{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Print...")};
inline TranslatableText kPrintingTitle{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Printing")};
inline TranslatableText kPrintingPages{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Sending the poster's sheets to the printer...")};
inline TranslatableText kPrintFailed{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "The poster could not be printed")};
inline TranslatableText kPrinterClipsTitle{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Printer Margins")};
inline TranslatableText kPrintServiceSilent{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "The print service (CUPS) does not answer: is it running?")};
inline TranslatableText kAskingPrinter{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Asking the printer whether it can print...")};
inline TranslatableText kSendingToPrinter{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Sending the poster to the printer...")};
inline TranslatableText kPrintCancelled{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Printing was cancelled: nothing was sent to the printer")};
inline TranslatableText kNoDefaultPrinter{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "No default printer is set up")};

inline QString noSuchPrinterText(const QString &queue)
{
    return QCoreApplication::translate("PosterStrings", "The printer \"%1\" does not exist").arg(queue);
}

inline QString sentToPrinterText(const QString &queue, int job)
{
    return QCoreApplication::translate("PosterStrings", "Sent to printer %1 as job %2").arg(queue).arg(job);
}

inline QString printerRefusesJobsText(const QString &queue)
{
    return QCoreApplication::translate("PosterStrings", "The printer \"%1\" does not accept jobs").arg(queue);
}

inline QString printerStoppedText(const QString &queue)
{
    return QCoreApplication::translate("PosterStrings", "The printer \"%1\" is stopped").arg(queue);
}

// Beside the print dialog's page range: which page is which sheet.
inline TranslatableText kPageGuideTab{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Sheets")};
inline TranslatableText kPageGuideIntro{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Each sheet of the poster is one page. To print a sheet again, print only its page.")};
inline TranslatableText kAssemblyPageIsFirst{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Page 1: how to assemble the poster")};
inline QString rowOfSheetsText(const QString &first, const QString &last, int firstPage, int lastPage)
{
    return QCoreApplication::translate("PosterStrings", "%1 to %2: pages %3 to %4").arg(first, last).arg(firstPage).arg(lastPage);
}
inline QString sheetIsPageText(const QString &label, int page)
{
    return QCoreApplication::translate("PosterStrings", "%1: page %2").arg(label).arg(page);
}
inline TranslatableText kOnePagePerSheetOneSided{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Each sheet of the poster must be printed on a page of its own, on one side of the paper.  Choose 1 page per sheet and no two-sided (duplex) printing in the print dialog.")};

inline TranslatableText kPosterExistsTitle{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "Poster Exists")};
inline QString replacePosterQuestion(const QString &path)
{
    return QCoreApplication::translate("PosterStrings", "The poster %1 already exists.  Replace it?").arg(path);
}

// "sheet 3 of 12"
inline QString sheetOfText(int sheet, int count)
{
    return QCoreApplication::translate("PosterStrings", "sheet %1 of %2").arg(sheet).arg(count);
}

// "12 (4 across, 3 down)"
inline QString sheetCountText(int across, int down)
{
    return QCoreApplication::translate("PosterStrings", "%1 (%2 across, %3 down)").arg(across * down).arg(across).arg(down);
}

// After the count of sheets: those a picture kept whole leaves blank, which are not made.
inline QString sheetsLeftOutText(int leftOut)
{
    return QCoreApplication::translate("PosterStrings", ", %1 of them blank and left out").arg(leftOut);
}

inline QString glueStripTooWideText(bool rightMargin, const QString &largest, const QString &unit)
{
    return QCoreApplication::translate("PosterStrings", "The glue strip does not fit in the %1 margin: it can be at most %2 %3 wide.")
        .arg(rightMargin ? QCoreApplication::translate("PosterStrings", "right") : QCoreApplication::translate("PosterStrings", "bottom"), largest, unit);
}

// Printed all the same: what will be missing.
inline QString printerClipsNoticeText(const QString &edges)
{
    return QCoreApplication::translate("PosterStrings", "The printer cannot print as close to the paper's edge as the margins ask: %1. "
                                       "Those parts of the sheets will not be printed.")
        .arg(edges);
}

// The printer cannot print as close to an edge as a margin asks.
inline QString printerClipsText(const QString &edges)
{
    return QCoreApplication::translate("PosterStrings", "The chosen printer cannot print as close to the paper's edge as the margins ask: %1. "
                          "Those parts of the sheets will not be printed.  Print anyway?")
        .arg(edges);
}

// The paper's edges as the printer margin warning names them.
inline TranslatableText kTopEdge{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "top")};
inline TranslatableText kRightEdge{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "right")};
inline TranslatableText kBottomEdge{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "bottom")};
inline TranslatableText kLeftEdge{"PosterStrings", QT_TRANSLATE_NOOP("PosterStrings", "left")};

inline QString edgeShortfallText(const QString &edge, const QString &amount, const QString &unit)
{
    return QCoreApplication::translate("PosterStrings", "%1 edge by %2 %3").arg(edge, amount, unit);
}

} // namespace PosterStrings
