#include "output/SaveRun.h"

#include "common/NumberFormat.h"
#include "layout/OutputReport.h"
#include "layout/PreviewLayout.h"
#include "layout/TileSizeRules.h"
#include "output/JpegCrops.h"
#include "output/PosterPages.h"
#include "output/PosterPdfWriter.h"
#include "output/SaveSink.h"
#include "imaging/VectorPage.h"
#include "output/TileRenderer.h"
#include "resources/OutputStrings.h"
#include "resources/PosterStrings.h"

#include <QColorSpace>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace {

using ProgressClose = SaveRunListener::ProgressClose;

// The assembly page's picture: the poster with its grid, at about 150 pixels per inch of
// the page's picture room.
QSize posterPictureBox(const QSizeF &pageSize)
{
    constexpr double kPixelsPerPoint = 150.0 / 72.0;
    return QSize(int(pageSize.width() * kPixelsPerPoint), int(pageSize.height() * kPixelsPerPoint));
}

// The picture read at a reduced size that still gives the grid's area the box's pixels.
QImage posterPicture(const LayoutState &layout, const TileCoords &cuts, const PicturePixels &pixels, const QSizeF &pageSize)
{
    const QSize box = posterPictureBox(pageSize);
    const int last = cuts.count() - 1;
    const double gridWidth = cuts.right(last) - cuts.left(0) + 1;
    const double gridHeight = cuts.bottom(last) - cuts.top(0) + 1;
    const double scale = std::min(1.0, std::max(box.width() / gridWidth, box.height() / gridHeight));
    const QSize whole = pixels.size();
    QImage reduced = pixels.reduced(QSize(int(std::ceil(whole.width() * scale)), int(std::ceil(whole.height() * scale))));
    if (reduced.isNull())
        return QImage();
    if (reduced.depth() != 32)
        reduced.convertTo(QImage::Format_RGB32);
    const ConstPixelArrayView view(reduced.constBits(), reduced.width(), reduced.height(), reduced.bytesPerLine());
    return previewPicture(layout, view, box, double(reduced.width()) / whole.width()).value_or(QImage());
}

QString unitName(Units units)
{
    return units == Units::Inches ? PosterStrings::kInches : PosterStrings::kMillimetres;
}

QStringList assemblyFacts(const LayoutState &layout)
{
    const std::optional<OutputReport> report = computeOutputReport(layout);
    QStringList margins;
    for (const double margin : paperMargins(layout))
        margins.append(basicNumberText(margin));
    return {
        PosterStrings::kAssemblyTitle,
        PosterStrings::kPrintedSize + ' ' + (report ? report->finalSize : QString()),
        PosterStrings::kSheets + ' ' + PosterStrings::sheetCountText(layout.tilesWide(), layout.tilesHigh())
            + (report && report->sheetsUsed < layout.tilesWide() * layout.tilesHigh()
                   ? PosterStrings::sheetsLeftOutText(layout.tilesWide() * layout.tilesHigh() - report->sheetsUsed)
                   : QString()),
        PosterStrings::kPaper + ' ' + layout.sPaperName,
        PosterStrings::kMargins + ' ' + margins.join(QStringLiteral(", ")) + ' ' + unitName(layout.units),
        PosterStrings::kResolution + ' ' + (report ? report->resolution : QString()),
        PosterStrings::kQuality + ' ' + (report ? report->quality : QString()),
        QString(),
        PosterStrings::kHowToPrint,
        PosterStrings::kHowToTrim,
        PosterStrings::kHowToGlue,
        PosterStrings::kHowToOrder,
    };
}

// The sheets of a poster drawn from page art or the photo's JPEG crops: nothing to
// render, only each tile's size and the part of it the picture covers, so that what is
// placed lands where a tile would.
class PlacedSheets final : public TileSource
{
public:
    PlacedSheets(const TileCoords &cuts, const TileRunValues &run, QSize picture, PicturePixels::Wanted wanted)
        : m_cuts(cuts), m_run(run), m_picture(picture), m_wanted(std::move(wanted))
    {
    }

    PreparedTile take(int t) override
    {
        if (!m_wanted(t))
            return {RenderStatus::Ok, std::nullopt, false, {}, {}};
        const std::optional<QSize> rendered = renderedTileSize(m_cuts, t, m_run);
        if (!rendered)
            return {RenderStatus::CompensationFailed, std::nullopt, false, {}, {}};
        const QRect drawn = pictureOnRenderedTile(m_cuts, t, m_picture, m_run, *rendered);
        return {RenderStatus::Ok, QByteArray(), false, *rendered, {}, drawn == QRect(QPoint(), *rendered) ? QRect() : drawn};
    }

private:
    const TileCoords &m_cuts;
    const TileRunValues &m_run;
    const QSize m_picture;
    const PicturePixels::Wanted m_wanted;
};

// A sheet the poster is made with: one that holds some of the picture, and one of those
// chosen when only some are made.
bool sheetWanted(const PosterPages &pages, const PdfPosterChoice &choice, int t)
{
    return pages.sheetMade(t) && (choice.sheets.isEmpty() || choice.sheets.contains(t));
}

// Each sheet as a page of the PDF poster, with its glue strips.
class PdfPageSink final : public SaveSink
{
public:
    PdfPageSink(PosterPdfWriter &writer, const PosterPages &pages, const PdfPosterChoice &choice, bool placed)
        : m_writer(writer), m_pages(pages), m_choice(choice), m_placed(placed)
    {
    }

    bool wanted(int t) const override { return sheetWanted(m_pages, m_choice, t); }
    std::optional<Stop> put(int t, const PreparedTile &tile) override
    {
        const bool added = tile.status == RenderStatus::Ok && tile.encoded
            && (m_placed ? m_writer.addPlacedSheet(t, tile.size, tile.drawn)
                          : m_writer.addSheet(t, tile.size,
                                              {tile.drawn.isNull() ? tile.size : tile.drawn.size(), *tile.encoded,
                                               m_choice.jpegPictures},
                                              tile.drawn, tile.strips));
        if (!added)
            return Stop{OutputStrings::kWriteError, OutputStrings::kErrorTitle, SaveRunListener::ProgressClose::Now};
        return std::nullopt;
    }
    void abandon() override { m_writer.discard(); }

private:
    PosterPdfWriter &m_writer;
    const PosterPages &m_pages;
    const PdfPosterChoice &m_choice;
    const bool m_placed;
};

// The photo's own JPEG data cut for every sheet wanted and every glue strip, when the
// pixels are an unturned JPEG file's and no sheet needs pixels the file does not have
// (compensation borders repeat the edge pixels); nothing otherwise.
std::optional<std::vector<JpegCrop>> photoCrops(const PicturePixels &pixels, const LayoutState &layout,
                                                const PosterPages &pages, const PdfPosterChoice &choice)
{
    const QString file = pixels.unturnedJpegFile();
    if (file.isEmpty() || layout.compensation)
        return std::nullopt;
    const TileCoords &cuts = pages.cuts();
    std::vector<QRect> areas;
    for (int t = 0; t < cuts.count(); ++t) {
        if (!sheetWanted(pages, choice, t))
            continue;
        areas.push_back(QRect(QPoint(cuts.left(t), cuts.top(t)), QPoint(cuts.right(t), cuts.bottom(t))));
        for (const bool right : {true, false})
            if (const std::optional<QRect> strip = pages.neighbourStripArea(t, right))
                areas.push_back(*strip);
    }
    return cutJpegFileAreas(file, areas, pixels.size());
}

} // namespace

QString SaveRun::posterPath(const QString &folder) const
{
    return QDir::cleanPath(folder + u'/' + m_request.baseFileName + PosterStrings::kPdfFileSuffix);
}

std::optional<SaveRunOutcome> SaveRun::preparePosterFile(const QString &folder)
{
    const QString path = posterPath(folder);
    if (!QFileInfo::exists(path)
        || m_listener.askYesNoCancel(PosterStrings::replacePosterQuestion(path), PosterStrings::kPosterExistsTitle)
            == kAnswerYes)
        return std::nullopt;
    return SaveRunOutcome::Declined;
}

SaveRunOutcome SaveRun::writePdf(const TileCoords &coords, const TileCoords &cuts, const QString &folder)
{
    using namespace OutputStrings;
    const SaveRunOutcome failed = SaveRunOutcome::Failed;
    const PdfPosterChoice &choice = *m_request.pdf;

    const std::optional<TileRunValues> run = PrepareTileRun(m_request.layout, coords);
    const std::optional<PosterPages> pages =
        run ? PosterPages::create(m_request.layout, cuts, *run, choice.aids) : std::nullopt;
    if (!pages)
        return stopDuringRun(failed, kInvalidTilePrintSizes, kErrorTitle, ProgressClose::OnNextTick);
    // The base name follows the tile files' rules.
    const TileFileName named = MakeTileFileName(m_request.parentFolder, m_request.newFolderName,
                                                m_request.baseFileName, int(ImageFileType::Jpeg), 1);
    if (named.status != 1)
        return stopDuringRun(failed, kProblem + kProblemSeparator + named.errorText, kErrorTitle,
                             ProgressClose::OnNextTick);

    PosterPdfWriter writer(*pages, choice.jpegPictures, m_request.pixels.colourProfile());
    // A page goes onto the sheets as vectors where the writer can copy it.
    const std::optional<PicturePixels::PageArt> pageArt = m_request.pixels.pageArt();
    const QSize pixelsSize = m_request.pixels.size();
    if (pageArt)
        writer.usePageArt(pageArt->page->pdf(), pageArt->page->pageNumber(), pageArt->turn, pixelsSize);
    if (!writer.open(posterPath(folder)))
        return stopDuringRun(failed, kWriteError, kErrorTitle, ProgressClose::Now);
    // So does a photo's own JPEG data, where it can be cut for every sheet.
    std::optional<std::vector<JpegCrop>> crops =
        writer.usesPageArt() ? std::nullopt : photoCrops(m_request.pixels, m_request.layout, *pages, choice);
    const bool placed = writer.usesPageArt() || crops;
    if (crops)
        writer.useJpegCrops(std::move(*crops), pixelsSize);
    // Whatever ends the run early leaves no partial poster behind, and an older one as it was.
    const auto stop = [&](SaveRunOutcome outcome, const QString &text, const QString &title, ProgressClose how) {
        writer.discard();
        return stopDuringRun(outcome, text, title, how);
    };

    // Sheets are rendered and encoded on every core ahead of the page being written; pages
    // go into the file in order on this thread, where progress and Cancel are handled. Each
    // sheet's rows reach into the row of tiles below for its glue strips.
    PdfPageSink pagesOut(writer, *pages, choice, placed);
    const auto wanted = [&pagesOut](int t) { return pagesOut.wanted(t); };
    std::unique_ptr<TileSource> tiles = placed ? std::make_unique<PlacedSheets>(cuts, *run, pixelsSize, wanted) : m_request.pixels.tiles(
        cuts, pages->stripPixels(), wanted,
        [&run, &pages, &cuts, picture = pixelsSize, jpegPictures = choice.jpegPictures](
            int t, const BandRows &rows, const TileCoords &cutsInRows) -> PreparedTile {
            const RenderedTile tile = renderTileForEncoding(rows.rows, cutsInRows, t, *run);
            if (tile.status != RenderStatus::Ok)
                return {tile.status, std::nullopt, false, {}, {}};
            // Blank paper of a picture kept whole is left undrawn: only the picture's part goes in.
            const QRect drawn = pictureOnRenderedTile(cuts, t, picture, *run, tile.image.size());
            const bool whole = drawn == tile.image.rect();
            PosterPdfWriter::Picture prepared =
                PosterPdfWriter::preparePicture(whole ? tile.image : tile.image.copy(drawn), jpegPictures);
            return {RenderStatus::Ok, std::move(prepared.data), false, tile.image.size(),
                    pages->cutStrips(t, [&rows](const QRect &area) { return rows.copy(area); }),
                    whole ? QRect() : drawn};
        });
    const int count = cuts.count();
    if (const SaveRunOutcome outcome = saveEach(*tiles, count, pagesOut, folder); outcome != SaveRunOutcome::Completed)
        return outcome;
    // The bands of a picture read from its file go before its overview is read.
    tiles.reset();
    // The assembly page shows the whole picture, which every sheet has needed by now; it
    // goes in as the first page.
    const QImage assemblyPicture = !choice.aids.assemblyPage || !choice.sheets.isEmpty() || writer.placesPicture()
        ? QImage()
        : posterPicture(m_request.layout, cuts, m_request.pixels, pages->pageSize());
    if (choice.aids.assemblyPage && choice.sheets.isEmpty()
        && !writer.addAssemblyPage(assemblyPicture, assemblyFacts(m_request.layout)))
        return stop(failed, kWriteError, kErrorTitle, ProgressClose::Now);
    if (!writer.close())
        return stopDuringRun(failed, kWriteError, kErrorTitle, ProgressClose::Now);
    m_written = {posterPath(folder)};
    m_listener.closeProgress(ProgressClose::Now);
    m_listener.showCompleted(folder, SaveRunListener::Saved::PdfPoster);
    return SaveRunOutcome::Completed;
}
