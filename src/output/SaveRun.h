#pragma once

#include "layout/LayoutState.h"
#include "layout/TileCoordinates.h"
#include "output/AssemblyAids.h"
#include "output/FileSystemAccess.h"
#include "output/PicturePixels.h"
#include "output/SaveRunListener.h"
#include "output/TileNaming.h"

#include <QString>
#include <QStringList>

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

// What one save run writes: the layout as it is when "Save Images Now" is pressed, where
// the picture's pixels come from, and the save dialog's choices.
struct SaveRequest
{
    PicturePixels &pixels;
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
    SourceMissing, // the picture's rows never came; nothing shown, the caller tells why
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

    SaveRunOutcome processSaveNow();
    // The files the run wrote, in order: every tile file, or the PDF poster.
    const QStringList &writtenPaths() const { return m_written; }
    // Why the picture's rows never came, when the run ended as SourceMissing.
    const QString &rowsMissingText() const { return m_rowsMissingText; }

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
    SaveRunOutcome writeTiles(const TileCoords &coords, const TileCoords &cuts, const QString &folder);
    // The one loop over the tiles: count taken in order from tiles into sink. Completed
    // when every tile is in; the outcome it stopped with otherwise.
    SaveRunOutcome saveEach(TileSource &tiles, int count, SaveSink &sink, const QString &folder);
    // The same run writing one PDF poster (SaveRunPdf.cpp).
    SaveRunOutcome writePdf(const TileCoords &coords, const TileCoords &cuts, const QString &folder);

    SaveRequest m_request;
    SaveRunListener &m_listener;
    FileSystemAccess &m_fileSystem;
    QStringList m_written;
    QString m_rowsMissingText;
};
