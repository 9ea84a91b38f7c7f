#include "output/SaveRun.h"

#include "imaging/ImageFileRules.h"
#include "imaging/ImageObjectFactory.h"
#include "imaging/StreamingJpegDecoder.h"
#include "output/PosterPages.h"
#include "output/TileRenderer.h"
#include "resources/PosterStrings.h"
#include "support/LayoutTestStates.h"
#include "support/PhotoFiles.h"
#include "support/PopplerTools.h"
#include "support/SaveRunDoubles.h"
#include "support/TempDir.h"
#include "support/TestImages.h"

#include <QDir>
#include <QFileInfo>

#include <QFile>

#include <gtest/gtest.h>

namespace {

struct PdfRun
{
    SaveRunOutcome outcome;
    QString pdf;
    RecordingListener listener;
};

PdfRun savePdf(const ImageObject &source, const LayoutState &layout, const AssemblyAids &aids, const TempDir &dir,
               ScriptedFileSystem &disk)
{
    PdfRun result{SaveRunOutcome::Failed, QDir(dir.filePath("poster")).filePath("p_poster.pdf"), {}};
    HeldPicturePixels pixels(source);
    SaveRequest request{pixels, layout, dir.path(), "poster", "p_", 6, PdfPosterChoice{aids, false, {}}};
    SaveRun run(request, result.listener, disk);
    result.outcome = run.processSaveNow();
    return result;
}

} // namespace

TEST(SaveRunPdf, PagesArePaperSizedAndEachSheetIsItsTileAtItsResolution)
{
    const std::unique_ptr<ImageObject> source = test_images::makePatternImage(1200, 1100);
    for (const bool turnedAndCompensated : {false, true}) {
        SCOPED_TRACE(turnedAndCompensated ? "turned and compensated" : "plain");
        TempDir dir;
        LayoutState layout = a4Poster(1200, 1100);
        if (turnedAndCompensated) {
            layout.bTileRotated = true;
            layout.compensation = true;
            layout.edgeTrimInches = {2 / 64.0, 6 / 64.0, 3 / 64.0, 6 / 64.0};
        }
        ScriptedFileSystem disk;
        PdfRun run = savePdf(*source, layout, AssemblyAids{}, dir, disk);
        ASSERT_EQ(run.outcome, SaveRunOutcome::Completed) << run.listener.lastText.toStdString();

        QFile written(run.pdf);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().contains("/ViewerPreferences<</PrintScaling/None>>")) << "viewers are asked not to scale it";
        // The assembly page says how to print, trim and glue.
        const QString assembly = poppler::pageText(run.pdf, 1).simplified();
        for (const QString &step : QStringList{PosterStrings::kHowToPrint, PosterStrings::kHowToTrim,
                                               PosterStrings::kHowToGlue, PosterStrings::kHowToOrder})
            EXPECT_TRUE(assembly.contains(step.simplified())) << assembly.toStdString();
        const QList<QSizeF> boxes = poppler::pageBoxes(run.pdf);
        ASSERT_EQ(boxes.size(), 7); // the assembly page and six sheets
        for (const QSizeF &box : boxes) {
            EXPECT_NEAR(box.width(), 210 / 25.4 * 72, 0.01);
            EXPECT_NEAR(box.height(), 297 / 25.4 * 72, 0.01);
        }

        TileCoords coords;
        ASSERT_EQ(CalcTileCoord(layout, coords), 6);
        const TileRunValues values = *PrepareTileRun(layout, coords);
        const QList<poppler::ImageEntry> images = poppler::images(run.pdf);
        for (int t = 0; t < 6; ++t) {
            SCOPED_TRACE(t);
            const int page = t + 2;
            QList<poppler::ImageEntry> onPage;
            for (const poppler::ImageEntry &image : images)
                if (image.page == page)
                    onPage.append(image);
            // The tile, then a glue strip for each neighbour to the right of and below the
            // page: a turned tile's page has the poster's lower and left neighbours there.
            const int row = t / 3;
            const int column = t % 3;
            const int strips = turnedAndCompensated ? (row < 1 ? 1 : 0) + (column > 0 ? 1 : 0)
                                                    : (column < 2 ? 1 : 0) + (row < 1 ? 1 : 0);
            ASSERT_EQ(onPage.size(), 1 + strips);
            const QImage tile = RenderTile(source->image(), coords, t, values).image;
            EXPECT_EQ(onPage[0].width, tile.width());
            EXPECT_EQ(onPage[0].height, tile.height());
            EXPECT_EQ(onPage[0].encoding, "image");
            EXPECT_EQ(onPage[0].xPpi, values.stampedResolution());
            EXPECT_EQ(poppler::firstImageOfPage(run.pdf, page, dir.path()).convertToFormat(QImage::Format_RGB32),
                      tile.convertToFormat(QImage::Format_RGB32));
        }
        if (!turnedAndCompensated) {
            // A1's right strip is the first columns of A2, as wide as 10 mm at the tile's density.
            const QImage strip = QImage(dir.filePath("extracted2-001.png")).convertToFormat(QImage::Format_RGB32);
            EXPECT_NEAR(strip.width(), 10 / 25.4 * values.pixelsPerInch, 1.0);
            EXPECT_EQ(strip, source->image().copy(coords.left(1), coords.top(1), strip.width(),
                                                  coords.bottom(1) - coords.top(1) + 1));
        }
    }
}

// Put together as the assembly page says, the poster runs on across a seam without a break,
// a smear or a shift: on the page of A1, its own pixels print at the tile's resolution from
// the margins' corner and its glue strip goes on with A2's first columns from the very edge,
// where A2, trimmed along its cut marks, is laid. Compensation borders only reach outward.
TEST(SaveRunPdf, AssembledSeamRunsOnWithoutABreakWithOrWithoutCompensation)
{
    const std::unique_ptr<ImageObject> source = test_images::makePatternImage(2400, 2200);
    for (const bool compensated : {false, true}) {
        SCOPED_TRACE(compensated ? "compensated" : "plain");
        TempDir dir;
        LayoutState layout = a4Poster(2400, 2200);
        layout.compensation = compensated;
        layout.edgeTrimInches = {8 / 64.0, 8 / 64.0, 8 / 64.0, 8 / 64.0};
        ScriptedFileSystem disk;
        const PdfRun run = savePdf(*source, layout, AssemblyAids{}, dir, disk);
        ASSERT_EQ(run.outcome, SaveRunOutcome::Completed);

        TileCoords cuts;
        ASSERT_EQ(CalcTileCoord(layout, cuts), 6);
        const TileRunValues values = *PrepareTileRun(layout, cuts);
        const std::optional<PosterPages> pages = PosterPages::create(layout, cuts, values, AssemblyAids{});
        const QRectF own = pages->ownPixelsRect(RenderTile(source->image(), cuts, 0, values).image.size());
        EXPECT_NEAR(own.left(), 12 / 25.4 * 72, 1e-9);
        EXPECT_NEAR(own.top(), 12 / 25.4 * 72, 1e-9);
        EXPECT_NEAR(own.width(), (cuts.right(0) - cuts.left(0) + 1) / values.pixelsPerInch * 72, 1e-9);

        constexpr int kDpi = 300;
        const QImage page = poppler::renderedPage(run.pdf, 2, kDpi, dir.path());
        const double glue = 10 / 25.4 * 72;
        const int y = int(own.center().y() * kDpi / 72);
        const int row = cuts.top(0) + int(((y + 0.5) * 72 / kDpi - own.top()) / 72 * values.pixelsPerInch);
        int checked = 0;
        for (int x = 0; x < page.width(); ++x) {
            // Points from the seam, at the middle of the drawn pixel; a pixel's width off
            // either edge of the picture is left alone.
            const double fromSeam = (x + 0.5) * 72 / kDpi - own.right();
            const double edge = 72.0 / kDpi;
            int column;
            if (fromSeam < -edge && fromSeam > own.left() - own.right() + edge)
                column = cuts.right(0) + int(std::floor(fromSeam / 72 * values.pixelsPerInch)) + 1;
            else if (fromSeam > PosterPages::kLineWidthPoints + edge && fromSeam < glue - edge) // past the dashed line
                column = cuts.left(1) + int(std::floor(fromSeam / 72 * values.pixelsPerInch));
            else
                continue;
            // A drawn pixel may blend with its neighbour where the two meet; the pattern's
            // red starts again after 255, where blending says nothing.
            if ((column & 0xFF) == 0xFF || (column & 0xFF) == 0)
                continue;
            const auto near = [](int drawn, int expected) { return std::abs((drawn - expected + 384) % 256 - 128) <= 1; };
            const QRgb drawn = page.pixel(x, y);
            ASSERT_TRUE(near(qRed(drawn), column & 0xFF) && near(qGreen(drawn), row & 0xFF))
                << "at " << fromSeam << " pt from the seam, column " << column << " row " << row << " drew "
                << qRed(drawn) << "," << qGreen(drawn);
            ++checked;
        }
        EXPECT_GT(checked, 2000);
    }
}

// A PDF poster of a JPEG never held whole, made band by band from its file, has the
// pictures of the one made from the whole picture on every sheet, glue strips included;
// only the assembly page's overview is drawn from the file at a reduced size.
TEST(SaveRunPdf, BandByBandFromTheFileGivesTheSheetsOfTheWholePicture)
{
    TempDir dir;
    const QString photo = dir.write("photo.jpg", photo_files::encoded(photo_files::detailedPicture(600, 450), "jpeg"));
    const LoadedSourceImage whole = loadSourceImage(photo, 0);
    ASSERT_TRUE(whole.ok());
    // Compensated, so that the sheets need pixels the file's JPEG data does not have and
    // are cut from the bands.
    LayoutState compensated = a4Poster(600, 450);
    compensated.compensation = true;
    compensated.edgeTrimInches = {2 / 64.0, 6 / 64.0, 3 / 64.0, 6 / 64.0};
    LayoutState turned = compensated;
    turned.bTileRotated = true;
    const struct
    {
        const char *name;
        LayoutState layout;
        QList<int> sheets;
    } cases[] = {
        {"compensated", compensated, {}},
        {"turned and compensated", turned, {}},
        {"sheets A2 and B1 again", compensated, {1, 3}},
    };
    for (const auto &[name, layout, sheets] : cases) {
        SCOPED_TRACE(name);
        QStringList pictures[2];
        for (const bool fromFile : {false, true}) {
            const QString folder = dir.filePath(QStringLiteral("%1-%2").arg(name).arg(fromFile));
            const std::unique_ptr<PicturePixels> pixels = fromFile
                ? std::unique_ptr<PicturePixels>(std::make_unique<FileBandPixels>(StreamingJpegDecoder::open(photo), PictureDamage()))
                : std::make_unique<HeldPicturePixels>(*whole.image);
            RecordingListener listener;
            ScriptedFileSystem disk;
            SaveRun run(SaveRequest{*pixels, layout, folder, "", "p_", 6, PdfPosterChoice{AssemblyAids{}, false, sheets}},
                        listener, disk);
            QDir().mkpath(folder);
            ASSERT_EQ(run.processSaveNow(), SaveRunOutcome::Completed) << listener.lastText.toStdString();
            // Every picture past the assembly page, as poppler reads it back.
            const int firstSheetPage = sheets.isEmpty() ? 2 : 1;
            poppler::run("pdfimages", {"-png", "-f", QString::number(firstSheetPage), run.writtenPaths().first(),
                                       folder + "/picture"});
            for (const QString &file : QDir(folder).entryList({"picture-*.png"}, QDir::Files, QDir::Name))
                pictures[fromFile].append(QDir(folder).filePath(file));
        }
        ASSERT_EQ(pictures[1].size(), pictures[0].size());
        ASSERT_GE(pictures[0].size(), sheets.isEmpty() ? 6 + 7 : 2);
        for (qsizetype i = 0; i < pictures[0].size(); ++i)
            EXPECT_EQ(QImage(pictures[1][i]), QImage(pictures[0][i])) << pictures[0][i].toStdString();
    }
}

TEST(SaveRunPdf, AidsSwitchedOffLeaveOnlyTheTilesAndAStripTooWideIsRefusedNamingItsMargin)
{
    TempDir dir;
    const std::unique_ptr<ImageObject> source = test_images::makePatternImage(1200, 1100);
    ScriptedFileSystem disk;
    AssemblyAids none;
    none.glueStrip = false;
    none.cutMarks = false;
    none.labels = false;
    none.assemblyPage = false;
    PdfRun bare = savePdf(*source, a4Poster(1200, 1100), none, dir, disk);
    ASSERT_EQ(bare.outcome, SaveRunOutcome::Completed);
    EXPECT_EQ(poppler::pageBoxes(bare.pdf).size(), 6);
    EXPECT_EQ(poppler::images(bare.pdf).size(), 6);

    AssemblyAids wide;
    wide.glueStripLength = 13.0; // the margins are 12 mm
    TempDir other;
    PdfRun refused = savePdf(*source, a4Poster(1200, 1100), wide, other, disk);
    EXPECT_EQ(refused.outcome, SaveRunOutcome::Failed);
    EXPECT_EQ(refused.listener.lastText, PosterStrings::glueStripTooWideText(true, "12", PosterStrings::kMillimetres));
    EXPECT_FALSE(QFileInfo::exists(refused.pdf));
}

TEST(SaveRunPdf, AFullDiskOrCancelLeavesNoPartialPoster)
{
    const std::unique_ptr<ImageObject> source = test_images::makePatternImage(1200, 1100);
    for (const bool full : {true, false}) {
        SCOPED_TRACE(full ? "full disk" : "cancel");
        TempDir dir;
        ScriptedFileSystem disk;
        if (full)
            disk.free = 100;
        HeldPicturePixels pixels(*source);
        SaveRequest request{pixels, a4Poster(1200, 1100), dir.path(), "poster", "p_", 6, PdfPosterChoice{}};
        RecordingListener listener;
        listener.cancelOnCall = full ? 0 : 2;
        SaveRun run(request, listener, disk);
        EXPECT_EQ(run.processSaveNow(), full ? SaveRunOutcome::Failed : SaveRunOutcome::Canceled);
        EXPECT_TRUE(QDir(dir.filePath("poster")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
}

// A picture kept whole and moved to the top of 3 x 2 sheets reaches only the upper row:
// the lower sheets are left out, and a sheet's picture is the source's pixels where the
// picture reaches, the blank paper below left undrawn.
TEST(SaveRunPdf, AWholePictureLeavesBlankSheetsOutAndPaperUndrawn)
{
    const std::unique_ptr<ImageObject> source = test_images::makePatternImage(1200, 300);
    LayoutState layout = a4Poster(1200, 300);
    layout.fit = FitMode::WholePicture;
    layout.iVPlacement = 0;
    TempDir dir;
    ScriptedFileSystem disk;
    const PdfRun run = savePdf(*source, layout, AssemblyAids{}, dir, disk);
    ASSERT_EQ(run.outcome, SaveRunOutcome::Completed) << run.listener.lastText.toStdString();
    EXPECT_EQ(poppler::pageBoxes(run.pdf).size(), 4); // the assembly page and sheets A1 to A3

    TileCoords cuts;
    ASSERT_GT(CalcTileCoord(layout, cuts), 0);
    ASSERT_TRUE(fitTilesToImage(cuts, 1200, 300, layout.fit));
    const QImage sheet = poppler::firstImageOfPage(run.pdf, 3, dir.path()); // A2
    ASSERT_EQ(sheet.size(), QSize(cuts.right(1) - cuts.left(1) + 1, 300));
    for (const QPoint at : {QPoint(7, 5), QPoint(7, 299), QPoint(sheet.width() - 1, 150)})
        EXPECT_EQ(sheet.pixel(at), source->image().pixel(cuts.left(1) + at.x(), at.y()));
    // On the page, the paper below the picture stays white.
    const QImage page = poppler::renderedPage(run.pdf, 3, 30, dir.path());
    EXPECT_EQ(page.pixel(page.width() / 2, page.height() * 3 / 4), qRgb(255, 255, 255));
}
