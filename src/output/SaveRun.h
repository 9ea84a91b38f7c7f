#pragma once

#include "imaging/ImageObject.h"
#include "imaging/StreamingJpegDecoder.h"
#include "layout/LayoutState.h"
#include "layout/TileCoordinates.h"
#include "output/AssemblyAids.h"
#include "output/FileSystemAccess.h"
#include "output/SaveRunListener.h"
#include "output/TileNaming.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// How a PDF poster is made.
struct PdfPosterChoice
{
    AssemblyAids aids;
    // Pictures JPEG-encoded at the tiles' quality (for a JPEG source); lossless otherwise.
    bool jpegPictures = false;
    // Only these sheets (indexes, 0 for A1, in order), to make again what was spoiled, and
    // then no assembly page; empty for every sheet.
    QList<int> sheets;
};

// What one save run writes: the layout as it is when "Save Images Now" is pressed, the
// loaded image (held by reference, never copied whole) and the save dialog's choices.
struct SaveRequest
{
    const ImageObject &source;
    LayoutState layout;
    QString parentFolder;  // the folder in which the new folder is made
    QString newFolderName; // empty: the tiles go straight into the parent
    QString baseFileName;
    int fileTypeCode = kNoFileTypeCode; // 1 JPEG, 3 TIFF, 6 BMP
    // Set for a PDF poster: one file, the base name followed by "poster.pdf", instead of
    // one image file per tile; fileTypeCode is then not used.
    std::optional<PdfPosterChoice> pdf;
};

enum class SaveRunOutcome {
    Completed, // every tile written, completion shown
    Declined,  // the folder existed and the user did not answer Yes
    Failed,    // stopped with an error message
    Canceled,  // the user pressed Cancel; the tiles written so far stay
    SourceMissing, // the source rows gate said no; nothing shown, the caller tells why
};

// Cuts the image into its tiles and writes one file per tile, in tile order, into the
// destination folder. Everything the user sees goes through the listener; every failure
// ends the run with one message, and tiles already written stay on disk.
class SaveSink;
class TileSource;

class SaveRun
{
public:
    SaveRun(SaveRequest request, SaveRunListener &listener, FileSystemAccess &fileSystem);
    // Writes to the local disks.
    SaveRun(SaveRequest request, SaveRunListener &listener);

    // Blocks until the source rows down to lastSourceRow are in; false when they never will be.
    using SourceRowsGate = std::function<bool(int lastSourceRow)>;
    // For a source still being decoded while the run starts: each tile waits for its rows.
    // When the gate says no, the run ends as SourceMissing without a message of its own,
    // since the caller that decodes knows why.
    void setSourceRowsGate(SourceRowsGate gate);

    // For an unturned JPEG that is decoded band by band (never held whole): each tile is
    // cut from the band of its row of tiles, which the run asks the decoder for; a PDF
    // sheet also reads the band below for its glue strip, and the assembly page's overview
    // is read from the file at a reduced size. The request's source is then not read. A
    // band that never arrives ends the run as SourceMissing.
    void setBandedSource(StreamingJpegDecoder *decoder);

    SaveRunOutcome processSaveNow();
    // The files the run wrote, in order: every tile file, or the PDF poster.
    const QStringList &writtenPaths() const { return m_written; }

private:
    // Makes the destination ready: created, or existing and accepted by the user.
    // Returns how the run ends when it cannot go on.
    std::optional<SaveRunOutcome> prepareFolder(const QString &folder);
    // A PDF poster saved straight into an existing folder asks only before it replaces a
    // poster of the same name there.
    std::optional<SaveRunOutcome> preparePosterFile(const QString &folder);
    QString posterPath(const QString &folder) const;
    // Stops the run before the progress window is shown.
    SaveRunOutcome stopBeforeProgress(const QString &text, const QString &title);
    // Stops the run once the progress window is up: OnNextTick lets the window close on
    // its next tick while the message shows; Now closes it after the message.
    SaveRunOutcome stopDuringRun(SaveRunOutcome outcome, const QString &text, const QString &title,
                                 SaveRunListener::ProgressClose how);
    // coords as computed give the run values; cuts are the same rectangles fitted to the source.
    SaveRunOutcome writeTiles(const QImage &source, const TileCoords &coords, const TileCoords &cuts,
                              const QString &folder);
    // The one loop over the tiles: count taken in order from tiles into sink. Completed
    // when every tile is in; the outcome it stopped with otherwise.
    SaveRunOutcome saveEach(TileSource &tiles, int count, SaveSink &sink, const QString &folder);
    // The same run writing one PDF poster (SaveRunPdf.cpp).
    SaveRunOutcome writePdf(const QImage &source, const TileCoords &coords, const TileCoords &cuts,
                            const QString &folder);

    SaveRequest m_request;
    SaveRunListener &m_listener;
    FileSystemAccess &m_fileSystem;
    SourceRowsGate m_sourceRowsGate;
    StreamingJpegDecoder *m_bandedSource = nullptr;
    QStringList m_written;
};
