#include "output/SaveRun.h"

#include "imaging/ImageFileRules.h"
#include "layout/TileSizeRules.h"
#include "output/SaveEntryCheck.h"
#include "output/SaveSink.h"
#include "output/TilePipeline.h"
#include "output/PosterPages.h"
#include "output/BandedTiles.h"
#include "output/TileRenderer.h"
#include "output/TileWriter.h"
#include "resources/ImagingStrings.h"
#include "resources/OutputStrings.h"

#include <utility>

namespace {


using ProgressClose = SaveRunListener::ProgressClose;
using Icon = SaveRunListener::MessageIcon;

LocalFileSystem &localFileSystem()
{
    static LocalFileSystem fileSystem;
    return fileSystem;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString folderExistsQuestion(const QString &folder)
{
    using namespace OutputStrings;
    return kTheFolder + ' ' + quoted(folder) + ' ' + kAlreadyExists + ' ' + kFilesCouldBeOverwritten;
}

QString couldNotCreateFolderText(const QString &folder)
{
    using namespace OutputStrings;
    return kCouldNotCreateFolder + ' ' + quoted(folder) + ' ' + kToSaveTileImagesInto + kSentenceBreak
        + kCreateFolderCauses + kSentenceBreak;
}

QString problemText(const QString &reason)
{
    return OutputStrings::kProblem + OutputStrings::kProblemSeparator + reason;
}

// Each tile as its own file in the destination folder, under its numbered name.
class TileFileSink final : public SaveSink
{
public:
    TileFileSink(const SaveRequest &request, const TileCoords &cuts, FileSystemAccess &fileSystem, QStringList &written)
        : m_request(request), m_cuts(cuts), m_picture(request.pixels.size()), m_fileSystem(fileSystem), m_written(written)
    {
    }

    // A sheet that holds none of a picture kept whole gets no file.
    bool wanted(int t) const override { return tileHoldsPicture(m_cuts, t, m_picture.width(), m_picture.height()); }

    std::optional<Stop> put(int t, const PreparedTile &tile) override
    {
        using namespace OutputStrings;
        const TileFileName name = MakeTileFileName(m_request.parentFolder, m_request.newFolderName,
                                                   m_request.baseFileName, m_request.fileTypeCode, t + 1);
        if (name.status != 1)
            return Stop{problemText(name.errorText), kErrorTitle, SaveRunListener::ProgressClose::OnNextTick};
        if (!tile.encoded || !WriteTile(m_fileSystem, name.path, *tile.encoded))
            return Stop{kWriteError, kErrorTitle, SaveRunListener::ProgressClose::Now};
        m_written.append(name.path);
        return std::nullopt;
    }

private:
    const SaveRequest &m_request;
    const TileCoords &m_cuts;
    const QSize m_picture;
    FileSystemAccess &m_fileSystem;
    QStringList &m_written;
};

} // namespace

SaveRun::SaveRun(SaveRequest request, SaveRunListener &listener, FileSystemAccess &fileSystem)
    : m_request(std::move(request)), m_listener(listener), m_fileSystem(fileSystem)
{
}

SaveRun::SaveRun(SaveRequest request, SaveRunListener &listener)
    : SaveRun(std::move(request), listener, localFileSystem())
{
}

SaveRunOutcome SaveRun::processSaveNow()
{
    // The run values come from the rectangles as computed; only the cut is fitted to the
    // image, which a layout computed for another image size cannot be.
    TileCoords coords;
    if (CalcTileCoord(m_request.layout, coords) <= 0)
        return stopBeforeProgress(OutputStrings::kErrorCalculatingTileCoordinates, OutputStrings::kErrorTitle);
    TileCoords cuts = coords;
    const QSize sourceSize = m_request.pixels.size();
    if (!fitTilesToImage(cuts, sourceSize.width(), sourceSize.height(), m_request.layout.fit))
        return stopBeforeProgress(OutputStrings::kErrorCalculatingTileCoordinates, OutputStrings::kErrorTitle);

    // Grey rows past the end of the file's data must not be printed as the picture.
    if (tilesNeedMissingRows(cuts, m_request.pixels.damage())) {
        const LoadedSourceImage refusal = sourceLoadFailure(ImagingStrings::kIncompleteFile);
        return stopBeforeProgress(refusal.errorText, refusal.errorTitle);
    }
    if (m_request.pdf) {
        const QString misfit =
            glueStripMisfit(m_request.pdf->aids, m_request.layout.units, paperMargins(m_request.layout));
        if (!misfit.isEmpty())
            return stopBeforeProgress(misfit, OutputStrings::kErrorTitle);
    }
    // Without a parent the folder would be made at the root of the file system.
    if (m_request.parentFolder.isEmpty())
        return stopBeforeProgress(problemText(OutputStrings::kSelectFolderLocation), OutputStrings::kErrorTitle);
    const QString folder = destinationFolderPath(m_request.parentFolder, m_request.newFolderName);
    const bool straightIntoFolder = m_request.pdf && m_request.newFolderName.isEmpty();
    if (const std::optional<SaveRunOutcome> stopped =
            straightIntoFolder ? preparePosterFile(folder) : prepareFolder(folder))
        return *stopped;

    m_listener.showProgress(OutputStrings::kSavingTileImages);
    if (m_request.pdf)
        return writePdf(coords, cuts, folder);
    return writeTiles(coords, cuts, folder);
}

SaveRunOutcome SaveRun::saveEach(TileSource &tiles, int count, SaveSink &sink, const QString &folder)
{
    using namespace OutputStrings;
    const auto stop = [&](SaveRunOutcome outcome, const QString &text, const QString &title, ProgressClose how) {
        sink.abandon();
        return stopDuringRun(outcome, text, title, how);
    };
    for (int t = 0; t < count; ++t) {
        const PreparedTile tile = tiles.take(t);
        if (tile.sourceMissing) {
            m_rowsMissingText = tiles.whyRowsMissing();
            sink.abandon();
            m_listener.closeProgress(ProgressClose::Now);
            return SaveRunOutcome::SourceMissing;
        }
        if (!sink.wanted(t))
            continue;
        if (tile.status == RenderStatus::CompensationFailed)
            return stop(SaveRunOutcome::Failed, kCompensationError, kErrorTitle, ProgressClose::OnNextTick);
        // A tile that could not be cut or encoded cannot be written either.
        if (tile.encoded && !HasRoomForTile(m_fileSystem, folder, *tile.encoded))
            return stop(SaveRunOutcome::Failed, kNotEnoughSpace, kOutOfDiskSpaceTitle, ProgressClose::Now);
        if (const std::optional<SaveSink::Stop> failed = sink.put(t, tile))
            return stop(SaveRunOutcome::Failed, failed->text, failed->title, failed->how);
        if (m_listener.cancelRequested())
            return stop(SaveRunOutcome::Canceled, kCanceledByUser, kCanceledTitle, ProgressClose::OnNextTick);
        m_listener.setProgress(double(t + 1) / double(count));
    }
    return SaveRunOutcome::Completed;
}

std::optional<SaveRunOutcome> SaveRun::prepareFolder(const QString &folder)
{
    if (!isConfinedName(m_request.newFolderName))
        return stopBeforeProgress(couldNotCreateFolderText(folder), OutputStrings::kCanNotContinueTitle);
    if (m_fileSystem.folderExists(folder)) {
        const int answer = m_listener.askYesNoCancel(folderExistsQuestion(folder), OutputStrings::kFolderExistsTitle);
        if (answer == kAnswerYes)
            return std::nullopt;
        return SaveRunOutcome::Declined;
    }
    if (!m_fileSystem.createFolder(folder))
        return stopBeforeProgress(couldNotCreateFolderText(folder), OutputStrings::kCanNotContinueTitle);
    return std::nullopt;
}

SaveRunOutcome SaveRun::writeTiles(const TileCoords &coords, const TileCoords &cuts, const QString &folder)
{
    using namespace OutputStrings;
    const SaveRunOutcome failed = SaveRunOutcome::Failed;

    double untrimmedWidth = 0.0;
    double untrimmedHeight = 0.0;
    if (!CheckTileSizesNoTrim(m_request.layout, untrimmedWidth, untrimmedHeight))
        return stopDuringRun(failed, kInvalidTilePrintSizes, kErrorTitle, ProgressClose::OnNextTick);
    const std::optional<TileRunValues> run = PrepareTileRun(m_request.layout, coords);
    if (!run)
        return stopDuringRun(failed, kInvalidTilePrintSizes, kErrorTitle, ProgressClose::OnNextTick);

    const std::optional<ImageFileType> fileType = imageFileTypeFromCode(m_request.fileTypeCode);
    const int count = coords.count();
    // Tiles are rendered and encoded on every core; the checks, writes, progress and
    // Cancel below stay on this thread in tile order. Leaving the loop early discards the
    // tiles prepared ahead and waits for the workers.
    const std::unique_ptr<TileSource> tiles = fileType ? m_request.pixels.tileFiles(cuts, *run, *fileType) : nullptr;
    if (!tiles) // no file type: the first tile's name says so
        return stopDuringRun(failed, problemText(MakeTileFileName(m_request.parentFolder, m_request.newFolderName,
                                                                  m_request.baseFileName, m_request.fileTypeCode, 1)
                                                     .errorText),
                             kErrorTitle, ProgressClose::OnNextTick);
    TileFileSink files(m_request, cuts, m_fileSystem, m_written);
    if (const SaveRunOutcome outcome = saveEach(*tiles, count, files, folder); outcome != SaveRunOutcome::Completed)
        return outcome;

    m_listener.closeProgress(ProgressClose::Now);
    m_listener.showCompleted(folder, SaveRunListener::Saved::TileFiles);
    return SaveRunOutcome::Completed;
}

SaveRunOutcome SaveRun::stopBeforeProgress(const QString &text, const QString &title)
{
    m_listener.showMessage(text, title, Icon::Critical);
    return SaveRunOutcome::Failed;
}

SaveRunOutcome SaveRun::stopDuringRun(SaveRunOutcome outcome, const QString &text, const QString &title,
                                      ProgressClose how)
{
    if (how == ProgressClose::OnNextTick)
        m_listener.closeProgress(how);
    m_listener.showMessage(text, title, Icon::Critical);
    if (how == ProgressClose::Now)
        m_listener.closeProgress(how);
    return outcome;
}
