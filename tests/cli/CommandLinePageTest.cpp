#include "support/CliProcess.h"

#include "resources/CliStrings.h"
#include "resources/ImagingStrings.h"
#include "resources/LayoutStrings.h"
#include "support/ImageDifference.h"
#include "support/PageFiles.h"
#include "support/PopplerTools.h"
#include "support/TempDir.h"

#include <QDir>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Tiles of 4 x 3 inches on paper without margins: a sheet's page is its tile exactly.
const QStringList kBareSheets{"--units", "in", "--custom-paper", "4x3", "--margins", "0,0,0,0", "--tiles", "2x2"};

QStringList tileFiles(const QString &folder)
{
    return QDir(folder).entryList({"*.tif"}, QDir::Files, QDir::Name);
}

} // namespace

// A PDF page, an SVG drawing and a page the file turns are cut into tiles drawn at the resolution asked, and into
// a PDF poster whose sheets show the page itself: no picture in it, the PDF's words still
// text, and each sheet as a printer draws it the same as its tile, turned or not.
TEST(CommandLinePage, PagesBecomeTilesAtTheResolutionAskedAndAVectorPosterThatMatchesThem)
{
    TempDir dir;
    ASSERT_TRUE(test_pages::writePdf(dir.filePath("poster.pdf"), QSizeF(576, 432)));
    ASSERT_TRUE(test_pages::writeFile(dir.filePath("drawing.svg"), test_pages::svg(768, 576)));
    // A page cut to a crop box and turned by the file: the poster shows it as a viewer does.
    // One whose cross-references poppler mends, which PoDoFo cannot copy, makes a poster
    // of the page's pixels instead.
    const QByteArray turnedPage = "/MediaBox [0 0 150 120] /CropBox [10 20 130 110] /Rotate 90";
    ASSERT_TRUE(test_pages::writeFile(dir.filePath("turned.pdf"), test_pages::handWrittenPdf(turnedPage)));
    ASSERT_TRUE(test_pages::writeFile(dir.filePath("mended.pdf"), test_pages::handWrittenPdf(turnedPage, false)));
    const QStringList turned{"--rotate-image", "90", "--rotate-tiles"};
    for (const char *source : {"poster.pdf", "drawing.svg", "turned.pdf", "mended.pdf"})
        for (const QStringList &turns : {QStringList(), turned}) {
            const QString out = dir.filePath(QString::fromLatin1(source) + "-out" + turns.join(""));
            const QStringList layout = QStringList{dir.filePath(source)} + kBareSheets + turns;
            const CliRun tiles =
                runCli(layout + QStringList{"--resolution", "50", "--format", "tif", "--out", out}, dir.path());
            ASSERT_EQ(tiles.exitCode, 0) << source << tiles.err.toStdString();
            ASSERT_EQ(tileFiles(out).size(), 4) << source;
            const QImage first(QDir(out).filePath(tileFiles(out).first()));
            EXPECT_EQ(first.size(), QSize(200, 150)) << source;
            EXPECT_EQ(std::lround(first.dotsPerMeterX() * 0.0254), 50) << source;

            const CliRun poster =
                runCli(layout + QStringList{"--format", "pdf", "--out", out, "--overwrite"}, dir.path());
            ASSERT_EQ(poster.exitCode, 0) << source << poster.err.toStdString();
            const QString pdf = QDir(out).filePath(QDir(out).entryList({"*.pdf"}).value(0));
            EXPECT_EQ(poppler::pageBoxes(pdf).size(), 5) << source;
            const bool vectors = QLatin1String(source) != QLatin1String("mended.pdf");
            EXPECT_EQ(poppler::images(pdf).isEmpty(), vectors) << source;
            for (int sheet = 0; sheet < 4; ++sheet) {
                const QImage drawn = poppler::renderedPage(pdf, sheet + 2, 50, dir.path());
                const QImage tile(QDir(out).filePath(tileFiles(out).at(sheet)));
                ASSERT_EQ(drawn.size(), tile.size()) << source << sheet;
                // Pixels go into the poster as JPEG, as the tiles' own format.
                EXPECT_LT(image_difference::meanChannel(drawn, tile), vectors ? 4.0 : 8.0) << source << sheet;
            }
        }
    const QString pdfPoster = dir.filePath("poster.pdf-out/poster_poster.pdf");
    QString words;
    for (int page = 2; page <= 5; ++page)
        words += poppler::pageText(pdfPoster, page);
    EXPECT_TRUE(words.contains("Quiltera")) << words.toStdString();
    EXPECT_TRUE(words.contains("words")) << words.toStdString();
}

TEST(CommandLinePage, TheReportSaysThePageIsDrawnFromVectorsAtTheResolutionAsked)
{
    TempDir dir;
    ASSERT_TRUE(test_pages::writePdf(dir.filePath("two.pdf"), QSizeF(576, 432), 2));
    const CliRun text = runCli({dir.filePath("two.pdf"), "--page", "2", "--resolution", "150", "--report"}, dir.path());
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains(LayoutStrings::drawnFromVectorsText("150.0 dpi"))) << text.out.toStdString();
    const CliRun json = runCli({dir.filePath("two.pdf"), "--report", "--json"}, dir.path());
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_TRUE(report.value("drawnFromVectors").toBool());
    EXPECT_EQ(report.value("resolutionTag").toInt(), 300);
}

TEST(CommandLinePage, AMissingPageOrAResolutionOutOfRangeIsRefused)
{
    TempDir dir;
    ASSERT_TRUE(test_pages::writePdf(dir.filePath("two.pdf"), QSizeF(576, 432), 2));
    const struct
    {
        QStringList arguments;
        int exitCode;
        QString said;
    } cases[] = {
        {{"--page", "3"}, 1, ImagingStrings::noSuchPageText(3, 2)},
        {{"--page", "0"}, 2, CliStrings::kBadPage},
        {{"--resolution", "5"}, 2, CliStrings::kBadResolution},
        {{"--resolution", "3000"}, 2, CliStrings::kBadResolution},
    };
    for (const auto &c : cases) {
        const CliRun run = runCli(QStringList{dir.filePath("two.pdf"), "--report"} + c.arguments, dir.path());
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.said)) << run.err.toStdString();
    }
}
