#include "cli/CommandLineRun.h"

#include "cli/CliOptions.h"
#include "cli/PosterReport.h"
#include "cli/PosterSetup.h"
#include "cli/TerminalListener.h"
#include "imaging/ImageFileReader.h"
#include "imaging/ImageFileRules.h"
#include "imaging/StreamingJpegDecoder.h"
#include "imaging/VectorPage.h"
#include "layout/PageResolution.h"
#include "output/PagePixels.h"
#include "output/SaveEntryCheck.h"
#include "output/CupsPrinting.h"
#include "output/PosterPages.h"
#include "output/PrinterMargins.h"
#include "output/SaveRun.h"
#include "output/SheetSelection.h"
#include "output/TileNaming.h"
#include "paper/PaperCatalogue.h"
#include "prefs/PreferenceStore.h"
#include "resources/AppStrings.h"
#include "resources/CliStrings.h"
#include "resources/ImagingStrings.h"
#include "resources/PosterStrings.h"
#include "resources/LayoutStrings.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QJsonDocument>

namespace {

int usageError(QTextStream &err, const QString &what)
{
    err << CliStrings::kProgramName << ": " << what << '\n' << CliStrings::kTryHelp << '\n';
    err.flush();
    return kExitUsage;
}

int runFailed(QTextStream &err, const QString &title, const QString &text)
{
    printMessage(err, title, text);
    return kExitRunFailed;
}

void listPapers(QTextStream &out, const std::optional<Units> &only)
{
    const PaperCatalogue catalogue;
    for (const Units units : {Units::Inches, Units::Millimetres}) {
        if (only && *only != units)
            continue;
        out << (units == Units::Inches ? LayoutStrings::kInchesLabel : LayoutStrings::kMillimetersLabel)
            << '\n';
        for (const PaperEntry &entry : catalogue.rows(units)) {
            if (!entry.isFree())
                out << entry.name << '\n';
        }
    }
}

void listProfiles(QTextStream &out, const ProfileStore &profiles)
{
    for (const QString &name : profiles.profileNames())
        out << name << '\n';
}

// Where the tiles go: --out split into the existing parent and the new folder's name, or
// the suggested folder beside the image.
struct Destination
{
    QString parentFolder;
    QString newFolderName;
};

std::optional<Destination> destinationOf(const CliOptions &options, const QString &suggestedFolderName,
                                         const QString &printFolder)
{
    // A poster only printed is made in a scratch folder and removed after it is sent.
    if (!options.outFolder && options.printQueue)
        return Destination{printFolder, suggestedFolderName};
    if (!options.outFolder) {
        const QFileInfo image(options.imagePath);
        return Destination{image.absolutePath(), suggestedFolderName};
    }
    const QFileInfo out(QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(*options.outFolder)));
    if (out.fileName().isEmpty())
        return std::nullopt;
    return Destination{out.absolutePath(), out.fileName()};
}

PdfPosterChoice pdfChoiceOf(const CliOptions &options, const LayoutState &layout, bool jpegSource)
{
    PdfPosterChoice choice;
    if (options.sheets)
        choice.sheets = parseSheetList(*options.sheets, layout.tilesWide(), layout.tilesHigh()).value_or(QList<int>());
    choice.jpegPictures = jpegSource;
    choice.aids.glueStrip = !options.glueStrip || *options.glueStrip > 0.0;
    choice.aids.glueStripLength = options.glueStrip;
    choice.aids.cutMarks = !options.noCutMarks;
    choice.aids.labels = !options.noLabels;
    choice.aids.assemblyPage = !options.noAssemblyPage;
    return choice;
}

int printReport(const CliOptions &options, const LayoutState &layout, QTextStream &out, QTextStream &err,
                bool drawnFromVectors = false)
{
    PosterReportResult result = makePosterReport(layout);
    if (!result.report)
        return runFailed(err, result.errorTitle, result.errorText);
    result.report->drawnFromVectors = drawnFromVectors;
    if (options.json)
        out << QJsonDocument(reportJson(*result.report)).toJson(QJsonDocument::Indented);
    else
        out << reportText(*result.report);
    return kExitSuccess;
}

// The picture the tiles are cut from: loaded whole, still being decoded whole (for a PDF
// poster, whose pages need all of it), or decoded band by band as the tiles need it.
// An unturned JPEG that is to be cut into tiles is decoded while the tiles are written:
// band by band for tile files, so that the whole picture is never held. A PDF poster
// carries the JPEG's own coded data and needs no decode at all, but for compensated
// sheets, which need pixels the file does not have: the picture is then decoded whole as
// the sheets are made, a sheet waiting only for the rows it covers, unless it is too large
// to hold: then its sheets are cut band by band too. Any file the streaming decoder does
// not take goes the ordinary way, which also gives the message for one that cannot load.
std::unique_ptr<PicturePixels> openStreamedDecode(const CliOptions &options, const LayoutState &layout)
{
    if (options.imageRotation.value_or(0) != 0
        || !ImageFileRules::hasLoadableImageEnding(QFileInfo(options.imagePath).fileName()))
        return nullptr;
    std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::open(options.imagePath);
    if (!decoder || ImageFileRules::isBelowMinimumSize(decoder->size().width(), decoder->size().height()))
        return nullptr;
    if (!options.pdf || !layout.compensation || !decoder->wholePictureRoom())
        return std::make_unique<FileBandPixels>(std::move(decoder), PictureDamage());
    if (!decoder->decodeWhole())
        return nullptr;
    return std::make_unique<DecodingPicturePixels>(std::move(decoder));
}

// A picture with rows its file could not give is still cut where the tiles do not need
// them, with a word of warning.
void warnOfDamage(QTextStream &err, const PictureDamage &damage)
{
    if (damage.found())
        printMessage(err, ImagingStrings::kDamagedImageTitle, damage.text());
}

int imageNotLoaded(QTextStream &err, const QString &detail)
{
    return runFailed(err, CliStrings::kImageNotLoadedTitle,
                     CliStrings::kImageNotLoaded + QStringLiteral(" - ") + detail);
}

int saveTiles(const CliOptions &options, const LayoutState &layout, PicturePixels &pixels, QTextStream &out,
              QTextStream &err, bool errIsTerminal)
{
    // The checks of the window's Save button come first, with its messages.
    // The names are suggested as the window would for the picture saved in the tiles'
    // format: its own, or the one asked for when it has none (PNG, WebP) or another.
    const QFileInfo image(options.imagePath);
    const std::optional<ImageFileType> format = options.format ? options.format : ImageFileRules::ownTileFormat(image.fileName());
    if (!format && !options.pdf)
        return usageError(err, CliStrings::kFormatNeeded);
    const QString nameForSuggestion = tilesNamedAfter(image.fileName(), format.value_or(ImageFileType::Jpeg));
    const SaveEntry entry = checkSaveEntry(layout, nameForSuggestion);
    if (!entry.suggestion)
        return runFailed(err, entry.refusal.title, entry.refusal.text);
    const QTemporaryDir printFolder;
    const std::optional<Destination> destination =
        destinationOf(options, entry.suggestion->newFolderName, printFolder.path());
    if (!destination)
        return usageError(err, CliStrings::kRootOut);
    const PosterReportResult report = makePosterReport(layout);
    if (!report.report)
        return runFailed(err, report.errorTitle, report.errorText);
    // A printer that cannot take the poster is named before the poster is made.
    if (options.printQueue) {
        const PrintJobResult queue = checkPrintQueue(*options.printQueue);
        if (!queue.errorText.isEmpty())
            return runFailed(err, PosterStrings::kPrintingTitle, queue.errorText);
        const QStringList clipped = edgesClippedByPrinter(queue.leastMarginsPoints, layout);
        const QString edges = clipped.join(QStringLiteral(", "));
        if (!clipped.isEmpty() && !options.allowClipping)
            return runFailed(err, PosterStrings::kPrinterClipsTitle, CliStrings::printerClipsRefusedText(edges));
        if (!clipped.isEmpty())
            printMessage(err, PosterStrings::kPrinterClipsTitle, PosterStrings::printerClipsNoticeText(edges));
    }

    SaveRequest request{pixels,
                        layout,
                        destination->parentFolder,
                        destination->newFolderName,
                        options.baseName.value_or(entry.suggestion->baseFileName),
                        int(options.format.value_or(entry.suggestion->fileType)),
                        std::nullopt};
    if (options.pdf) {
        request.pdf = pdfChoiceOf(options, layout, entry.suggestion->fileType == ImageFileType::Jpeg);
        // The margins may leave no room for an aid asked for: the poster is made without it.
        for (const QString &note : aidsWithoutRoom(request.pdf->aids, layout.units, paperMargins(layout),
                                                     compensationBorders(layout)))
            printMessage(err, PosterStrings::kAidsTitle, note);
    }
    TerminalListener listener(err, options.overwrite, errIsTerminal);
    listener.announceFolder(!options.printQueue || options.outFolder);
    SaveRun run(request, listener);
    const SaveRunOutcome outcome = run.processSaveNow();
    if (outcome == SaveRunOutcome::SourceMissing)
        return imageNotLoaded(err, run.rowsMissingText());
    if (outcome != SaveRunOutcome::Completed)
        return kExitRunFailed;

    const QStringList &files = run.writtenPaths();
    // A poster only printed leaves no file behind to list.
    const bool keepsFiles = !options.printQueue || options.outFolder;
    QJsonObject json = reportJson(*report.report, keepsFiles ? std::optional<QStringList>(files) : std::nullopt);
    if (request.pdf) {
        const bool everySheet = request.pdf->sheets.isEmpty();
        json.insert(QStringLiteral("pages"), everySheet ? report.report->texts.sheetsUsed + (request.pdf->aids.assemblyPage ? 1 : 0)
                                                        : int(request.pdf->sheets.size()));
    }
    if (options.printQueue) {
        const PrintJobResult job = printPosterPdf(files.first(), *options.printQueue, paperSizePoints(layout),
                                                  QFileInfo(files.first()).fileName(), PrintChoices{options.copies, {}},
                                                  &TerminalListener::cancelFlag());
        if (!job.ok())
            return runFailed(err, PosterStrings::kPrintingTitle, job.errorText);
        json.insert(QStringLiteral("printQueue"), job.queue);
        json.insert(QStringLiteral("printJob"), job.jobId);
        if (!options.json)
            out << PosterStrings::sentToPrinterText(job.queue, job.jobId) << '\n';
    }
    if (options.json)
        out << QJsonDocument(json).toJson(QJsonDocument::Indented);
    else if (keepsFiles)
        for (const QString &file : files)
            out << file << '\n';
    return kExitSuccess;
}

// The report needs the picture's size alone: it reads the file's header and orientation,
// not its pixels, so that a picture of any size is reported at once. Rows a damaged file
// cannot give are found when the picture is cut.
int reportFromHeader(const CliOptions &options, PosterSetup &setup, QTextStream &out, QTextStream &err)
{
    if (!ImageFileRules::hasLoadableImageEnding(QFileInfo(options.imagePath).fileName()))
        return imageNotLoaded(err, CliStrings::kUnloadableEnding);
    ImageFileInfo header;
    if (const ImagingResult read = readImageFileInfo(options.imagePath, header, SizeLimit::HeaderOnly); !read)
        return imageNotLoaded(err, read.errorText());
    if (ImageFileRules::isBelowMinimumSize(header.width, header.height))
        return runFailed(err, AppStrings::kSmallImageTitle, ImageFileRules::smallImageMessage());
    const int rotation = options.imageRotation.value_or(0);
    const bool across = rotation == 90 || rotation == 270;
    setImageSize(setup.layout, across ? header.height : header.width, across ? header.width : header.height, rotation);
    if (!sizeToWall(setup.layout, options))
        return runFailed(err, LayoutStrings::kPosterTooLargeTitle, LayoutStrings::kPosterTooLarge);
    return printReport(options, setup.layout, out, err);
}

// A page of a PDF or SVG file: laid out on the page measured at the fixed resolution the
// window uses, then measured again for the resolution asked for, and drawn tile by tile.
int runPage(const CliOptions &options, PosterSetup &setup, QTextStream &out, QTextStream &err, bool errIsTerminal)
{
    const VectorPage::Opened opened = VectorPage::open(options.imagePath, options.page.value_or(1));
    if (!opened.page)
        return imageNotLoaded(err, opened.errorText);
    const int rotation = options.imageRotation.value_or(0);
    const QSize size = pagePictureSize(opened.page->sizePoints(), rotation, VectorPage::kDefaultResolution);
    if (ImageFileRules::isBelowMinimumSize(size.width(), size.height()))
        return runFailed(err, AppStrings::kSmallImageTitle, ImageFileRules::smallImageMessage());
    setImageSize(setup.layout, size.width(), size.height(), rotation);
    if (!sizeToWall(setup.layout, options))
        return runFailed(err, LayoutStrings::kPosterTooLargeTitle, LayoutStrings::kPosterTooLarge);
    const std::optional<PageLayout> page =
        layoutAtResolution(setup.layout, options.pageResolution.value_or(VectorPage::kDefaultResolution));
    const LayoutState &layout = page ? page->layout : setup.layout;
    if (options.report)
        return printReport(options, layout, out, err, true);
    PagePixels pixels(opened.page, rotation, QSize(layout.lImgWidth, layout.lImgHeight));
    return saveTiles(options, layout, pixels, out, err, errIsTerminal);
}

} // namespace

int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err, bool errIsTerminal)
{
    const CliParseResult parsed = parseCommandLine(arguments);
    if (!parsed.ok())
        return usageError(err, parsed.usageError);
    const CliOptions &options = parsed.options;
    if (options.help) {
        out << parsed.helpText;
        return kExitSuccess;
    }
    if (options.version) {
        out << CliStrings::kProgramName << ' ' << QStringLiteral(QUILTERA_VERSION) << '\n';
        return kExitSuccess;
    }

    const PreferenceStore prefs;
    const StoredStart start = readStoredStart(prefs);
    if (options.listPapers || options.listProfiles) {
        if (options.listPapers)
            listPapers(out, options.units);
        if (options.listProfiles)
            listProfiles(out, start.profiles);
        return kExitSuccess;
    }

    PosterSetup setup = buildPosterSetup(options, start);
    if (!setup.usageError.isEmpty())
        return usageError(err, setup.usageError);
    // Tile files are cut whole: only a PDF poster or a print is made of chosen sheets.
    if (options.sheets && !options.pdf)
        return usageError(err, CliStrings::kSheetsNeedPdf);
    if (options.sheets && !parseSheetList(*options.sheets, setup.layout.tilesWide(), setup.layout.tilesHigh()))
        return usageError(err, CliStrings::kBadSheets);

    if (isVectorPageName(options.imagePath))
        return runPage(options, setup, out, err, errIsTerminal);
    if (options.report)
        return reportFromHeader(options, setup, out, err);
    if (const std::unique_ptr<PicturePixels> streamed = openStreamedDecode(options, setup.layout)) {
        setImageSize(setup.layout, streamed->size().width(), streamed->size().height(), 0);
        if (!sizeToWall(setup.layout, options))
            return runFailed(err, LayoutStrings::kPosterTooLargeTitle, LayoutStrings::kPosterTooLarge);
        const int exitCode = saveTiles(options, setup.layout, *streamed, out, err, errIsTerminal);
        if (exitCode == kExitSuccess)
            warnOfDamage(err, streamed->damage());
        return exitCode;
    }

    const int rotation = options.imageRotation.value_or(0);
    const LoadedSourceImage loaded = loadSourceImage(options.imagePath, rotation);
    if (!loaded.ok())
        return runFailed(err, loaded.errorTitle, loaded.errorText);
    setImageSize(setup.layout, loaded.image->Width(), loaded.image->Height(), rotation);
    if (!sizeToWall(setup.layout, options))
        return runFailed(err, LayoutStrings::kPosterTooLargeTitle, LayoutStrings::kPosterTooLarge);
    const PictureDamage &damage = loaded.image->Damage();
    if (tilesNeedMissingRows(setup.layout, damage))
        return imageNotLoaded(err, ImagingStrings::kIncompleteFile);
    warnOfDamage(err, damage);

    HeldPicturePixels pixels(*loaded.image);
    return saveTiles(options, setup.layout, pixels, out, err, errIsTerminal);
}
