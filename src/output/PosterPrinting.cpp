#include "output/PosterPrinting.h"

#include "dialogs/MessageSeam.h"
#include "imaging/ImageFileRules.h"
#include "imaging/LoadedPicture.h"
#include "output/CupsPrinting.h"
#include "layout/TileCoordinates.h"
#include "output/PosterPages.h"
#include "output/PrintDialogChoices.h"
#include "output/PrinterMargins.h"
#include "output/SaveEntryCheck.h"
#include "output/SaveRun.h"
#include "output/AssemblyAidsSettings.h"
#include "output/SaveRunWindows.h"
#include "prefs/PreferenceStore.h"
#include "resources/PosterStrings.h"

#include "resources/DialogStrings.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

namespace {

// A print service that answers at once shows no busy window at all.
constexpr int kBusyWindowDelayMilliseconds = 400;

// The save run's windows for a poster that is printed: the progress says so, and no
// completion window names the scratch folder.
class PrintRunWindows final : public SaveRunWindows
{
public:
    using SaveRunWindows::SaveRunWindows;
    void showProgress(const QString &) override { SaveRunWindows::showProgress(PosterStrings::kPrintingPages); }
    void showCompleted(const QString &, Saved) override {}
};


// The print dialog offers the poster's own file name for printing to a file.
void choosePaper(QPrinter &printer, const LayoutState &layout, const QString &posterFileName)
{
    const QSizeF points = paperSizePoints(layout);
    const bool landscape = points.width() > points.height();
    const QSizeF portrait = landscape ? points.transposed() : points;
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(portrait, QPageSize::Point, layout.sPaperName, QPageSize::ExactMatch));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setDocName(posterFileName);
}

// Sends the finished PDF where the print dialog pointed: a CUPS queue, or a file.
void deliver(QWidget *owner, const QPrinter &printer, const QString &pdf, const LayoutState &layout)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        QFile::remove(printer.outputFileName());
        if (!QFile::copy(pdf, printer.outputFileName()))
            messages().showMessage(PosterStrings::kPrintFailed, PosterStrings::kPrintingTitle, MessageIcon::Critical);
        return;
    }
    // The dialog's pages are the PDF's: the assembly page first, then the sheets in order.
    PrintChoices choices{printer.copyCount(), {}};
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
        for (int page = printer.fromPage(); page <= std::max(printer.fromPage(), printer.toPage()); ++page)
            choices.pages.append(page);
    const PrintJobResult job =
        PosterPrinting::askPrintService(owner, PosterStrings::kSendingToPrinter, [&](const std::atomic<bool> *cancel) {
            return printPosterPdf(pdf, printer.printerName(), paperSizePoints(layout), QFileInfo(pdf).fileName(),
                                  choices, cancel);
        });
    if (!job.ok()) {
        messages().showMessage(job.errorText, PosterStrings::kPrintingTitle, MessageIcon::Critical);
        return;
    }
    messages().showMessage(PosterStrings::sentToPrinterText(job.queue, job.jobId), PosterStrings::kPrintingTitle,
                           MessageIcon::Information);
}

} // namespace

namespace PosterPrinting {

PrintJobResult askPrintService(QWidget *owner, const QString &text,
                               const std::function<PrintJobResult(const std::atomic<bool> *cancel)> &call)
{
    std::atomic<bool> cancel{false};
    PrintJobResult result;
    QProgressDialog busy(text, DialogStrings::kCancel, 0, 0, owner);
    busy.setObjectName(QStringLiteral("dlgPrintService"));
    busy.setWindowTitle(PosterStrings::kPrintingTitle);
    busy.setWindowModality(Qt::WindowModal);
    busy.setMinimumDuration(kBusyWindowDelayMilliseconds);
    QObject::connect(&busy, &QProgressDialog::canceled, [&cancel] { cancel = true; });
    QEventLoop untilAnswered;
    const std::unique_ptr<QThread> worker(QThread::create([&] { result = call(&cancel); }));
    QObject::connect(worker.get(), &QThread::finished, &untilAnswered, &QEventLoop::quit);
    worker->start();
    untilAnswered.exec();
    worker->wait();
    return result;
}

QStringList edgesThePrinterClips(const QPrinter &printer, const LayoutState &layout)
{
    QPageLayout pageLayout = printer.pageLayout();
    pageLayout.setUnits(QPageLayout::Point);
    return edgesClippedByPrinter(pageLayout.minimumMargins(), layout);
}

void printFromMainWindow(QWidget *owner, const LayoutState &layout, const LoadedPicture &picture, bool unturnedJpeg,
                         const QString &imageFileName, const PreferenceStore &prefs)
{
    const SaveEntry entry = checkSaveEntry(layout, imageFileName);
    if (!entry.suggestion) {
        messages().showMessage(entry.refusal.text, entry.refusal.title, MessageIcon::Critical);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    choosePaper(printer, layout, entry.suggestion->baseFileName + PosterStrings::kPdfFileSuffix);
    const bool assemblyPage = readAssemblyAids(prefs).assemblyPage;
    TileCoords coords;
    const bool grid = CalcTileCoord(layout, coords) > 0
        && fitTilesToImage(coords, layout.lImgWidth, layout.lImgHeight, layout.fit);
    const auto made = [&](int t) { return !grid || tileHoldsPicture(coords, t, layout.lImgWidth, layout.lImgHeight); };
    if (!messages().choosePrinter(printer, owner,
                                  printPageGuide(layout.tilesWide(), layout.tilesHigh(), assemblyPage, made)))
        return;
    // Our job asks for one page per sheet, one-sided, whatever the dialog says; a person
    // who chose otherwise is told rather than overruled.
    if (const QString refusal = printChoicesThatBreakThePoster(
            printer.printEngine()->property(kCupsOptionsProperty).toStringList(), printer.duplex() != QPrinter::DuplexNone);
        !refusal.isEmpty()) {
        messages().showMessage(refusal, PosterStrings::kPrintingTitle, MessageIcon::Critical);
        return;
    }
    // A printer that cannot take the poster is named before the poster is made.
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    if (const PrintJobResult queue = toFile ? PrintJobResult{}
                                            : askPrintService(owner, PosterStrings::kAskingPrinter,
                                                              [&](const std::atomic<bool> *cancel) {
                                                                  return checkPrintQueue(printer.printerName(), cancel);
                                                              });
        !queue.errorText.isEmpty()) {
        messages().showMessage(queue.errorText, PosterStrings::kPrintingTitle, MessageIcon::Critical);
        return;
    }
    const QStringList clipped = edgesThePrinterClips(printer, layout);
    if (!clipped.isEmpty()
        && messages().YesNoCancelBox(PosterStrings::printerClipsText(clipped.join(QStringLiteral(", "))),
                                     PosterStrings::kPrinterClipsTitle)
            != kAnswerYes)
        return;

    // A picture too large to hold is read band by band from its file, a page drawn as it
    // goes, and an unturned JPEG's coded data goes into the poster as it is.
    std::unique_ptr<PicturePixels> pixels = pixelsToSave(picture, unturnedJpeg, QSize(layout.lImgWidth, layout.lImgHeight));
    if (!pixels)
        pixels = std::make_unique<HeldPicturePixels>(picture.whole());
    const QTemporaryDir scratch;
    SaveRequest request{*pixels, layout, scratch.path(), QStringLiteral("poster"), entry.suggestion->baseFileName,
                        int(entry.suggestion->fileType),
                        PdfPosterChoice{readAssemblyAids(prefs),
                                        entry.suggestion->fileType == ImageFileType::Jpeg, {}}};
    PrintRunWindows windows(owner);
    SaveRun run(request, windows);
    const SaveRunOutcome outcome = run.processSaveNow();
    if (outcome == SaveRunOutcome::SourceMissing)
        messages().showMessage(sourceLoadFailure(run.rowsMissingText()).errorText, PosterStrings::kPrintingTitle,
                               MessageIcon::Critical);
    if (outcome != SaveRunOutcome::Completed)
        return;
    deliver(owner, printer, run.writtenPaths().first(), layout);
}

} // namespace PosterPrinting
