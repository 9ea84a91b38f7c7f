#include "imaging/ImageFileRules.h"
#include "imaging/ImageObjectFactory.h"
#include "imaging/VectorPage.h"
#include "imaging/StreamingJpegDecoder.h"
#include "output/PagePixels.h"
#include "output/SaveRun.h"
#include "resources/ImagingStrings.h"
#include "support/LayoutTestStates.h"
#include "support/PageFiles.h"
#include "support/SaveRunDoubles.h"
#include "support/TempDir.h"
#include "support/Watchdog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <random>
#include <sstream>

namespace {

// Keeps what is written in memory, so hundreds of runs leave nothing on disk.
class MemoryFileSystem : public FileSystemAccess
{
public:
    std::map<QString, QByteArray> files;

    bool folderExists(const QString &) const override { return false; }
    bool createFolder(const QString &) override { return true; }
    std::optional<qint64> freeBytes(const QString &) const override { return qint64(1) << 40; }
    bool writeFile(const QString &path, const QByteArray &bytes) override
    {
        files[path] = bytes;
        return true;
    }
};

QString writeDetailedJpeg(const TempDir &dir, int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 5 + y) % 256, (y * 3) % 256, (x ^ y) % 256));
    const QString path = dir.filePath(QStringLiteral("photo_%1x%2.jpg").arg(width).arg(height));
    EXPECT_TRUE(picture.save(path, "jpeg", 90));
    return path;
}

struct RunResult
{
    SaveRunOutcome outcome;
    std::map<QString, QByteArray> files;
};

RunResult save(const LayoutState &layout, PicturePixels &pixels, int fileTypeCode)
{
    RecordingListener listener;
    MemoryFileSystem disk;
    SaveRun run(SaveRequest{pixels, layout, "/poster", "", "tile_", fileTypeCode, std::nullopt}, listener, disk);
    return {run.processSaveNow(), disk.files};
}

// A PDF poster without its assembly page (whose overview a banded run reads from the file
// at a reduced size) into the folder; the file's bytes by its name.
RunResult savePdf(const LayoutState &layout, PicturePixels &pixels, const QString &folder)
{
    AssemblyAids aids;
    aids.assemblyPage = false;
    RecordingListener listener;
    ScriptedFileSystem disk;
    QDir().mkpath(folder);
    SaveRun run(SaveRequest{pixels, layout, folder, "", "p_", 6, PdfPosterChoice{aids, false, {}}}, listener, disk);
    RunResult result{run.processSaveNow(), {}};
    for (const QString &path : run.writtenPaths()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            result.files[QFileInfo(path).fileName()] = file.readAll();
    }
    return result;
}

// The same bytes but for the moment the file was made and the identifier drawn from it.
bool sameBytes(const QByteArray &a, const QByteArray &b, bool pdf)
{
    if (!pdf)
        return a == b;
    static const QRegularExpression moment(R"(\(D:[0-9+\-Z']*\)|/ID\[<[0-9A-F]*><[0-9A-F]*>\])");
    return QString::fromLatin1(a).replace(moment, "()") == QString::fromLatin1(b).replace(moment, "()");
}

// How far the grey of each pixel of a is from the nearest match among the pixels of b at
// most one pixel away: at most, and on average.
struct Difference
{
    int largest = 0;
    double mean = 0;
};

Difference differenceWithinAPixel(const QImage &a, const QImage &b)
{
    Difference difference;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            int nearest = 255;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (b.valid(x + dx, y + dy))
                        nearest = std::min(nearest, std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x + dx, y + dy))));
            difference.largest = std::max(difference.largest, nearest);
            difference.mean += nearest;
        }
    difference.mean /= double(a.width()) * a.height();
    return difference;
}

// 1 to 7 tiles a side of 0.2 to 4 inches, any zoom, placement and fit, turned or not,
// trims up to a quarter inch, over a picture of the size given.
template <typename Between>
LayoutState randomLayout(Between &between, QSize picture)
{
    LayoutState layout = withImage(
        posterOf(between(1, 7), between(1, 7), between(20, 400) / 100.0, between(20, 400) / 100.0), picture.width(),
        picture.height());
    layout.dPaperWidth = layout.dTileWidth + 0.25;
    layout.dPaperHeight = layout.dTileHeight + 0.25;
    layout.zoom = between(0, 400);
    layout.fit = between(0, 2) == 0 ? FitMode::WholePicture : FitMode::FillSheets;
    layout.iHPlacement = between(0, 200);
    layout.iVPlacement = between(0, 200);
    layout.bTileRotated = between(0, 1) == 1;
    layout.compensation = between(0, 2) > 0;
    for (double &trim : layout.edgeTrimInches)
        trim = between(0, 16) / 64.0;
    return layout;
}

std::string describe(const LayoutState &layout, QSize image, int fileTypeCode)
{
    std::ostringstream text;
    text << image.width() << "x" << image.height() << " image, " << layout.tilesWide() << "x" << layout.tilesHigh()
         << " tiles of " << layout.dTileWidth << "x" << layout.dTileHeight << " in, zoom " << layout.zoom
         << ", placement " << layout.iHPlacement << "," << layout.iVPlacement << ", whole picture "
         << (layout.fit == FitMode::WholePicture) << ", rotated " << layout.bTileRotated
         << ", trims " << layout.edgeTrimInches[0] * 64 << "," << layout.edgeTrimInches[1] * 64 << ","
         << layout.edgeTrimInches[2] * 64 << "," << layout.edgeTrimInches[3] * 64 << " (on " << layout.compensation
         << "), file type " << fileTypeCode;
    return text.str();
}

} // namespace

// Tiles and PDF sheets cut band by band from the file are those cut from the whole picture,
// and no layout can leave the decoder and the tiles waiting for each other: tiny rows of
// tiles, big trims, any zoom, placement, turn and format, each run under a watchdog.
TEST(BandedTiles, RandomLayoutsFinishWithTheWholePicturesTiles)
{
    TempDir dir;
    std::mt19937 random(2112);
    const auto between = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const int fileTypes[] = {1, 3, 6, 0}; // JPEG, TIFF, BMP and a PDF poster
    int completed = 0;
    constexpr int kPictures = 20;
    constexpr int kLayoutsPerPicture = 25;
    for (int p = 0; p < kPictures; ++p) {
        // The smallest picture the program takes is 25 pixels each way.
        const QSize size(between(25, 420), between(25, 340));
        const QString photo = writeDetailedJpeg(dir, size.width(), size.height());
        const LoadedSourceImage whole = loadSourceImage(photo, 0);
        ASSERT_TRUE(whole.ok());
        for (int l = 0; l < kLayoutsPerPicture; ++l) {
            const LayoutState layout = randomLayout(between, size);
            const int fileType = fileTypes[between(0, 3)];
            const bool pdf = fileType == 0;
            const QString folder = dir.filePath(QStringLiteral("pdf-%1-%2-").arg(p).arg(l));
            const std::string what = describe(layout, size, fileType);
            SCOPED_TRACE(what);

            const Watchdog watchdog(std::chrono::seconds(60), what);
            HeldPicturePixels memory(*whole.image);
            const RunResult fromMemory = pdf ? savePdf(layout, memory, folder + "memory") : save(layout, memory, fileType);
            std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::open(photo);
            ASSERT_NE(decoder, nullptr);
            FileBandPixels file(std::move(decoder), whole.image->Damage());
            const RunResult fromFile = pdf ? savePdf(layout, file, folder + "file") : save(layout, file, fileType);
            ASSERT_EQ(fromFile.outcome, fromMemory.outcome);
            ASSERT_EQ(fromFile.files.size(), fromMemory.files.size());
            // Without compensation borders the file's poster carries its own JPEG data
            // instead, which JpegCrops and the command line's tests compare.
            const bool carriesTheFilesJpeg = pdf && !layout.compensation;
            for (const auto &[path, bytes] : fromMemory.files)
                EXPECT_TRUE(fromFile.files.count(path)
                            && (carriesTheFilesJpeg || sameBytes(fromFile.files.at(path), bytes, pdf)))
                    << path.toStdString();
            completed += fromMemory.outcome == SaveRunOutcome::Completed ? 1 : 0;
        }
    }
    // Most random layouts are valid posters; the comparison above must have had tiles to compare.
    EXPECT_GT(completed, kPictures * kLayoutsPerPicture / 2);
}

// A page drawn tile by tile gives the tiles of the page drawn whole, but that an edge of
// its drawing may fall a pixel apart or shade differently where a tile's edge cuts it (and
// compensation borders repeat that edge), and its PDF poster of page art is made, whatever
// the layout, each run under a watchdog.
TEST(BandedTiles, RandomLayoutsOfAPageDrawTheWholePagesTilesAndItsVectorPoster)
{
    TempDir dir;
    ASSERT_TRUE(test_pages::writePdf(dir.filePath("page.pdf"), QSizeF(300, 200)));
    const VectorPage::Opened opened = VectorPage::open(dir.filePath("page.pdf"), 1);
    ASSERT_NE(opened.page, nullptr);
    std::mt19937 random(1811);
    const auto between = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    int completed = 0;
    constexpr int kLayouts = 150;
    for (int l = 0; l < kLayouts; ++l) {
        const int turn = between(0, 3) * 90;
        const QSize size = pagePictureSize(opened.page->sizePoints(), turn, between(30, 150));
        const LayoutState layout = randomLayout(between, size);
        const std::string what = describe(layout, size, turn);
        SCOPED_TRACE(what);

        const Watchdog watchdog(std::chrono::seconds(60), what);
        std::unique_ptr<ImageObject> drawnWhole = createImageObject();
        const QImage drawing = opened.page->draw(size, turn, QRect(QPoint(), size));
        ASSERT_TRUE(drawnWhole->FromPixelArray(
            ConstPixelArrayView(drawing.constBits(), drawing.width(), drawing.height(), drawing.bytesPerLine())));
        HeldPicturePixels whole(*drawnWhole);
        PagePixels page(opened.page, turn, size);
        const RunResult fromWhole = save(layout, whole, int(ImageFileType::Bmp));
        const RunResult fromPage = save(layout, page, int(ImageFileType::Bmp));
        ASSERT_EQ(fromPage.outcome, fromWhole.outcome);
        ASSERT_EQ(fromPage.files.size(), fromWhole.files.size());
        for (const auto &[path, bytes] : fromWhole.files) {
            ASSERT_TRUE(fromPage.files.count(path)) << path.toStdString();
            const QImage expected = QImage::fromData(bytes);
            const QImage drawn = QImage::fromData(fromPage.files.at(path));
            ASSERT_EQ(drawn.size(), expected.size()) << path.toStdString();
            const Difference difference = differenceWithinAPixel(drawn, expected);
            EXPECT_LE(difference.largest, 128) << path.toStdString();
            EXPECT_LE(difference.mean, 2.0) << path.toStdString();
        }
        const RunResult poster = savePdf(layout, page, dir.filePath(QStringLiteral("page-%1").arg(l)));
        EXPECT_EQ(poster.outcome, fromWhole.outcome);
        completed += poster.outcome == SaveRunOutcome::Completed ? 1 : 0;
    }
    EXPECT_GT(completed, kLayouts / 2);
}

// The rows are read from the file as they are cut, not from a copy taken when it was
// opened: a file replaced by another picture in between is refused with the reason.
TEST(BandedTiles, AFileReplacedSinceItWasOpenedIsNotCut)
{
    TempDir dir;
    const QString photo = writeDetailedJpeg(dir, 300, 200);
    std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::open(photo);
    ASSERT_NE(decoder, nullptr);
    ASSERT_TRUE(QFile::remove(photo));
    ASSERT_TRUE(QFile::rename(writeDetailedJpeg(dir, 200, 300), photo));

    FileBandPixels file(std::move(decoder), PictureDamage());
    RecordingListener listener;
    MemoryFileSystem disk;
    SaveRun run(SaveRequest{file, layout3x2(), "/poster", "", "tile_", int(ImageFileType::Bmp), std::nullopt},
                listener, disk);
    EXPECT_EQ(run.processSaveNow(), SaveRunOutcome::SourceMissing);
    EXPECT_EQ(run.rowsMissingText(), ImagingStrings::kFileUnreadable);
    EXPECT_TRUE(disk.files.empty());
}
