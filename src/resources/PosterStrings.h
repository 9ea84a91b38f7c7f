#pragma once

#include <QString>

// Texts of the PDF poster, its assembly aids and printing.
namespace PosterStrings {

inline const QString kPdfChoice = QStringLiteral("PDF poster (one file, every sheet)");
inline const QString kPdfFileSuffix = QStringLiteral("poster.pdf");
inline const QString kInches = QStringLiteral("inches");
inline const QString kMillimetres = QStringLiteral("mm");

inline const QString kGlueStripCaption = QStringLiteral("Glue strip");
inline const QString kGlueLengthCaption = QStringLiteral("Strip width:");
inline const QString kCutMarksCaption = QStringLiteral("Cut marks");
inline const QString kLabelsCaption = QStringLiteral("Sheet labels");
inline const QString kAssemblyPageCaption = QStringLiteral("Assembly page");
inline const QString kAssemblyAidsFrame = QStringLiteral("PDF Assembly Aids");

inline const QString kAssemblyTitle = QStringLiteral("Poster assembly");
inline const QString kPrintedSize = QStringLiteral("Printed size:");
inline const QString kSheets = QStringLiteral("Sheets:");
inline const QString kPaper = QStringLiteral("Paper:");
inline const QString kMargins = QStringLiteral("Margins (top, right, bottom, left):");
inline const QString kResolution = QStringLiteral("Resolution:");
inline const QString kQuality = QStringLiteral("Quality:");

inline const QString kPrintMenu = QStringLiteral("Print...");
inline const QString kPrintingTitle = QStringLiteral("Printing");
inline const QString kPrintingPages = QStringLiteral("Sending the poster's sheets to the printer...");
inline const QString kPrintFailed = QStringLiteral("The poster could not be printed");
inline const QString kPrinterClipsTitle = QStringLiteral("Printer Margins");
inline const QString kNoDefaultPrinter = QStringLiteral("No default printer is set up");

inline QString noSuchPrinterText(const QString &queue)
{
    return QStringLiteral("The printer \"%1\" does not exist").arg(queue);
}

inline QString sentToPrinterText(const QString &queue, int job)
{
    return QStringLiteral("Sent to printer %1 as job %2").arg(queue).arg(job);
}

inline QString printerStoppedText(const QString &queue)
{
    return QStringLiteral("The printer \"%1\" is stopped").arg(queue);
}

// "sheet 3 of 12"
inline QString sheetOfText(int sheet, int count)
{
    return QStringLiteral("sheet %1 of %2").arg(sheet).arg(count);
}

// "12 (4 across, 3 down)"
inline QString sheetCountText(int across, int down)
{
    return QStringLiteral("%1 (%2 across, %3 down)").arg(across * down).arg(across).arg(down);
}

inline QString glueStripTooWideText(bool rightMargin, const QString &largest, const QString &unit)
{
    return QStringLiteral("The glue strip does not fit in the %1 margin: it can be at most %2 %3 wide.")
        .arg(rightMargin ? QStringLiteral("right") : QStringLiteral("bottom"), largest, unit);
}

// The printer cannot print as close to an edge as a margin asks.
inline QString printerClipsText(const QString &edges)
{
    return QStringLiteral("The chosen printer cannot print as close to the paper's edge as the margins ask: %1. "
                          "Those parts of the sheets will not be printed.  Print anyway?")
        .arg(edges);
}

inline QString edgeShortfallText(const QString &edge, const QString &amount, const QString &unit)
{
    return QStringLiteral("%1 edge by %2 %3").arg(edge, amount, unit);
}

} // namespace PosterStrings
