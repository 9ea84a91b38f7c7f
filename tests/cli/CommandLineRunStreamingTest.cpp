#include "support/CliProcess.h"

#include "imaging/ImageFileReader.h"
#include "output/SaveRun.h"
#include "resources/ImagingStrings.h"
#include "output/TileRenderer.h"
#include "output/TileWriter.h"
#include "support/ImageDifference.h"
#include "support/LayoutTestStates.h"
#include "support/PhotoFiles.h"
#include "support/PopplerTools.h"
#include "support/TempDir.h"
#include "support/TestImages.h"

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QSet>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstring>
#include <mutex>
#include <set>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Fine detail everywhere, so a tile cut from rows not yet decoded would differ.
QString writeJpegPhoto(const TempDir &dir, const QString &name, int width, int height,
                       const QColorSpace &profile = QColorSpace())
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 3 + y) % 256, (y * 5) % 256, (x ^ y) % 256));
    picture.setColorSpace(profile);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(picture.save(path, "jpeg"));
    return path;
}

// The tile files cut one by one from the picture decoded whole, as the report of the run
// placed them.
QByteArray expectedTile(const QImage &source, const QJsonArray &rectangle, int resolutionTag, ImageFileType type)
{
    const int left = rectangle[0].toInt();
    const int top = rectangle[1].toInt();
    QImage tile = source.copy(left, top, rectangle[2].toInt() - left + 1, rectangle[3].toInt() - top + 1);
    stampResolution(tile, resolutionTag);
    tile.setColorSpace(source.colorSpace());
    return encodeTile(tile, type).value_or(QByteArray());
}

// Shows nothing: records only whether a message or the progress close came.
class QuietListener : public SaveRunListener
{
public:
    int messages = 0;
    int closes = 0;

    int askYesNoCancel(const QString &, const QString &) override { return 6; }
    void showMessage(const QString &, const QString &, MessageIcon) override { ++messages; }
    void showProgress(const QString &) override {}
    void setProgress(double) override {}
    bool cancelRequested() override { return false; }
    void closeProgress(ProgressClose) override { ++closes; }
    void showCompleted(const QString &, Saved) override {}
};

} // namespace

// A JPEG cut while it decodes gives the very files the picture decoded whole gives, and
// its colour profile reaches every tile byte for byte, the pixels untouched.
TEST(CommandLineRunStreaming, TilesOfADecodingJpegMatchTilesOfTheWholePicture)
{
    TempDir dir;
    QImage untagged;
    ASSERT_TRUE(decodeImageFile(writeJpegPhoto(dir, "untagged.jpg", 1203, 901), untagged));
    for (const QColorSpace &profile : {QColorSpace(QColorSpace::AdobeRgb), QColorSpace()}) {
        SCOPED_TRACE(profile.isValid() ? "Adobe RGB" : "no profile");
        const QString photo = writeJpegPhoto(dir, "photo.jpg", 1203, 901, profile);
        QImage whole;
        ASSERT_TRUE(decodeImageFile(photo, whole));
        EXPECT_EQ(whole.colorSpace().iccProfile(), profile.iccProfile());
        ASSERT_EQ(whole.sizeInBytes(), untagged.sizeInBytes());
        EXPECT_EQ(std::memcmp(whole.constBits(), untagged.constBits(), size_t(whole.sizeInBytes())), 0);

        for (const auto &[format, type] : {std::pair{"jpg", ImageFileType::Jpeg}, std::pair{"tif", ImageFileType::Tiff}}) {
            SCOPED_TRACE(format);
            const QString out = dir.filePath(QStringLiteral("tiles-%1").arg(format));
            QDir(out).removeRecursively();
            const CliRun run = runCli({"--tiles", "4x3", "--custom-paper", "8x10", "--margins", "0,0,0,0", "--zoom", "37",
                                       "--format", format, "--json", "--out", out, photo},
                                      dir.filePath("home"));
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
            const QJsonObject report = QJsonDocument::fromJson(run.out.toUtf8()).object();
            const QJsonArray tiles = report["tiles"].toArray();
            const QJsonArray files = report["files"].toArray();
            ASSERT_EQ(tiles.size(), 12);
            ASSERT_EQ(files.size(), 12);
            for (int t = 0; t < 12; ++t) {
                SCOPED_TRACE(t);
                EXPECT_EQ(contentOf(files[t].toString()),
                          expectedTile(whole, tiles[t].toArray(), report["resolutionTag"].toInt(), type));
                EXPECT_EQ(QImage(files[t].toString()).colorSpace().iccProfile(), profile.iccProfile());
            }
        }
    }
}

TEST(CommandLineRunStreaming, PixelsThatFailToDecodeMidRunEndTheRunWithTheLoadMessage)
{
    TempDir dir;
    QByteArray jpeg = contentOf(writeJpegPhoto(dir, "good.jpg", 400, 300));
    // The quantisation tables renamed into an application segment: the header reads and the
    // file is complete, but no pixel can be decoded.
    const QByteArray tablesMarker("\xFF\xDB", 2);
    for (qsizetype at = jpeg.indexOf(tablesMarker); at >= 0; at = jpeg.indexOf(tablesMarker, at))
        jpeg[at + 1] = char(0xE5);
    const QString broken = dir.write("broken.jpg", jpeg);

    const CliRun run = runCli({"--tiles", "2x2", "--out", dir.filePath("tiles"), broken}, dir.filePath("home"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Error"));
    EXPECT_TRUE(run.err.contains("The image could not be loaded - The image file could not be decoded - "))
        << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("completed")) << run.err.toStdString();
}

TEST(CommandLineRunStreaming, EachTileWaitsForItsOwnRowsAndAMissingRowStopsTheRunQuietly)
{
    std::unique_ptr<ImageObject> source = test_images::makePatternImage(300, 200);
    TempDir parent;
    QuietListener listener;
    struct GatedPixels final : HeldPicturePixels
    {
        using HeldPicturePixels::HeldPicturePixels;
        bool waitForRows(int lastRow) override
        {
            const std::lock_guard lock(asked);
            rowsAskedFor.insert(lastRow);
            return lastRow < 100; // the lower row of tiles never arrives
        }
        std::mutex asked;
        std::multiset<int> rowsAskedFor;
    } pixels(*source);
    SaveRun run(SaveRequest{pixels, layout3x2(), parent.path(), "poster", "tile_", int(ImageFileType::Bmp), std::nullopt},
                listener);

    EXPECT_EQ(run.processSaveNow(), SaveRunOutcome::SourceMissing);
    EXPECT_EQ(listener.messages, 0);
    EXPECT_EQ(listener.closes, 1);
    EXPECT_EQ(QDir(parent.filePath("poster")).entryList(QDir::Files, QDir::Name),
              (QStringList{"tile_001.bmp", "tile_002.bmp", "tile_003.bmp"}));
    EXPECT_EQ(pixels.rowsAskedFor.count(99), 3u);
    EXPECT_GE(pixels.rowsAskedFor.count(199), 1u);
}

// A JPEG cut band by band gives, for every format and tile setting, the very files that
// the same pixels loaded whole give (here from a lossless PNG copy of the decoded picture).
TEST(CommandLineRunStreaming, TilesCutBandByBandMatchThePictureLoadedWhole)
{
    TempDir dir;
    const QString photo = writeJpegPhoto(dir, "photo.jpg", 900, 901, QColorSpace(QColorSpace::AdobeRgb));
    QImage whole;
    ASSERT_TRUE(decodeImageFile(photo, whole));
    const QString lossless = dir.filePath("photo.png");
    ASSERT_TRUE(whole.save(lossless, "png"));

    const struct
    {
        const char *name;
        QStringList options;
    } cases[] = {
        // Rows of tiles 129-257 and 257-385 share row 257, which both bands must hold.
        {"jpg, rows sharing an edge row", {"--tiles", "2x7", "--margins", "0,0,0,0", "--format", "jpg"}},
        {"jpg, rows with a row between them", {"--tiles", "4x3", "--format", "jpg"}},
        {"tif, turned tiles", {"--tiles", "3x4", "--rotate-tiles", "--format", "tif"}},
        {"bmp, compensated", {"--tiles", "2x5", "--adjust-edges", "Kodak photo lab default", "--format", "bmp"}},
        {"jpg, zoomed and placed", {"--tiles", "5x2", "--zoom", "150", "--placement", "200,0", "--format", "jpg"}},
        {"jpg, one tile", {"--tiles", "1x1", "--format", "jpg"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QStringList written[2];
        int i = 0;
        for (const QString &source : {photo, lossless}) {
            const QString out = dir.filePath(QStringLiteral("tiles-%1").arg(i));
            QDir(out).removeRecursively();
            const CliRun run = runCli(c.options + QStringList{"--custom-paper", "8x10", "--json", "--base", "t",
                                                              "--out", out, source},
                                      dir.filePath("home"));
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
            for (const QJsonValue &file : QJsonDocument::fromJson(run.out.toUtf8()).object()["files"].toArray())
                written[i] << file.toString();
            ++i;
        }
        ASSERT_EQ(written[0].size(), written[1].size());
        ASSERT_FALSE(written[0].isEmpty());
        for (qsizetype t = 0; t < written[0].size(); ++t)
            EXPECT_EQ(contentOf(written[0][t]), contentOf(written[1][t])) << t;
    }
}

// A picture too large to hold is cut band by band, so its header alone cannot refuse it; a
// few bytes of data under such a header are refused as soon as they run out, not decoded
// for minutes into grey tiles.
// The report, which reads the header alone, gives the poster of the size the header claims,
// a gigapixel one too.
TEST(CommandLineRunStreaming, AHugeHeaderOverLittleDataIsRefusedAtOnceButReported)
{
    TempDir dir;
    const QString forged = dir.write(
        "forged.jpg", photo_files::withJpegFrameSize(contentOf(writeJpegPhoto(dir, "small.jpg", 64, 48)), 40000, 30000));
    const CliRun run = runCli({"--tiles", "2x2", "--out", dir.filePath("tiles"), forged}, dir.filePath("home"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(ImagingStrings::kIncompleteFile)) << run.err.toStdString();
    EXPECT_TRUE(QDir(dir.filePath("tiles")).entryList(QDir::Files).isEmpty());

    const CliRun report = runCli({"--tiles", "2x2", "--report", "--json", forged}, dir.filePath("home"));
    ASSERT_EQ(report.exitCode, 0) << report.err.toStdString();
    const QJsonArray last = QJsonDocument::fromJson(report.out.toUtf8()).object().value("tiles").toArray().at(3).toArray();
    EXPECT_EQ(last.at(2).toInt(), 39999);
}

// A PDF poster of an unturned JPEG carries the photo's own coded data: each sheet's picture
// (and each glue strip's) is a JPEG of whole coded blocks around the sheet's rectangle that
// decodes to the photo's own pixels there, whether the sheets are turned or the picture
// kept whole. Compensation borders need pixels the file does not have: those sheets are
// coded from the decoded pixels at the sheet's own size.
TEST(CommandLineRunStreaming, APdfPosterOfAJpegCarriesThePhotosOwnCodedData)
{
    TempDir dir;
    const QString photo = dir.write("photo.jpg", photo_files::encoded(photo_files::detailedPicture(1200, 800), "jpeg"));
    const QImage decoded = QImage(photo).convertToFormat(QImage::Format_RGB32);
    const QStringList a4{"--tiles", "3x2", "--units", "mm", "--paper", "A4 - 210 x 297", "--format", "pdf"};
    const struct
    {
        const char *name;
        QStringList arguments;
        bool coded;
    } cases[] = {
        {"plain", {}, true},
        {"turned sheets, picture kept whole", {"--rotate-tiles", "--fit", "whole"}, true},
        {"compensated", {"--adjust-edges", "Fuji photo lab default"}, false},
    };
    for (const auto &[name, arguments, coded] : cases) {
        SCOPED_TRACE(name);
        const QString out = dir.filePath(QString::fromLatin1(name));
        const CliRun run = runCli(QStringList{photo, "--out", out} + a4 + arguments, dir.filePath("home"));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QString pdf = QDir(out).filePath("photo_poster.pdf");
        const QList<poppler::ImageEntry> pictures = poppler::images(pdf);
        ASSERT_FALSE(pictures.isEmpty());
        const CliRun report = runCli(QStringList{photo, "--report", "--json"} + a4 + arguments, dir.filePath("home"));
        const QJsonArray tile = QJsonDocument::fromJson(report.out.toUtf8()).object().value("tiles").toArray().at(0).toArray();
        const QRect cut(QPoint(tile.at(0).toInt(), tile.at(1).toInt()), QPoint(tile.at(2).toInt(), tile.at(3).toInt()));
        const QRect region = cut.intersected(QRect(QPoint(), decoded.size()));
        const QImage sheet = poppler::firstImageOfPage(pdf, 2, out).convertToFormat(QImage::Format_RGB32);
        if (!coded) {
            EXPECT_NE(sheet.width() % 16, 0);
            continue;
        }
        // The picture is the region widened to 16-pixel blocks (4:2:0), from the block the
        // sheet's first pixel lies in.
        const QPoint origin(region.left() / 16 * 16, region.top() / 16 * 16);
        // The assembly page shows the sheets' own pictures again, with no picture of its own.
        QSet<int> onSheets;
        QSet<int> onAssemblyPage;
        for (const poppler::ImageEntry &picture : pictures) {
            EXPECT_EQ(picture.encoding, "jpeg");
            (picture.page == 1 ? onAssemblyPage : onSheets).insert(picture.object);
        }
        EXPECT_FALSE(onAssemblyPage.isEmpty());
        EXPECT_TRUE(onSheets.contains(onAssemblyPage));
        EXPECT_GE(sheet.width(), region.right() + 1 - origin.x());
        EXPECT_GE(sheet.height(), region.bottom() + 1 - origin.y());
        EXPECT_LE(image_difference::largestChannel(sheet, decoded, origin, 1), 1);
    }

    // Placed on sheets without margins, the photo prints as its tiles do, turned or not.
    for (const QStringList &turns : {QStringList(), QStringList{"--rotate-tiles"}}) {
        const QString out = dir.filePath("bare" + turns.join(""));
        const QStringList bare = QStringList{photo, "--units", "in", "--custom-paper", "4x3", "--margins", "0,0,0,0",
                                             "--tiles", "2x2", "--zoom", "37", "--out", out} + turns;
        ASSERT_EQ(runCli(bare + QStringList{"--format", "tif"}, dir.filePath("home")).exitCode, 0);
        ASSERT_EQ(runCli(bare + QStringList{"--format", "pdf", "--overwrite"}, dir.filePath("home")).exitCode, 0);
        const QImage tile = QImage(QDir(out).filePath("photo_004.tif")).convertToFormat(QImage::Format_RGB32);
        const QImage printed = poppler::renderedPage(QDir(out).filePath("photo_poster.pdf"), 5, 97, out)
                                   .scaled(tile.size())
                                   .convertToFormat(QImage::Format_RGB32);
        double sum = 0;
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x)
                sum += std::abs(qGray(tile.pixel(x, y)) - qGray(printed.pixel(x, y)));
        EXPECT_LT(sum / (tile.width() * tile.height()), 6.0) << turns.join("").toStdString();
    }
}
