#include "support/TestImages.h"

#include "common/AvailableMemory.h"
#include "imaging/ImageFileReader.h"
#include "imaging/ImageDataCompleteness.h"
#include "resources/ImagingStrings.h"
#include "support/PhotoFiles.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <unistd.h>

using namespace test_images;

namespace {

QByteArray encodedImage(int width, int height, const char *format, QImage::Format pixelFormat = QImage::Format_RGB32)
{
    QImage image(width, height, pixelFormat);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, QColor((x * 37) % 256, (y * 53) % 256, (x * y) % 256));
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    QImageWriter(&device, format).write(image);
    return bytes;
}

// The header of an uncompressed 24-bit BMP claiming the given size, followed by a few
// bytes of pixels: what a forged or damaged file looks like.
QByteArray bmpHeaderClaiming(qint32 width, qint32 height)
{
    QByteArray bytes(54 + 16, '\0');
    auto put32 = [&](int offset, quint32 value) { qToLittleEndian(value, bytes.data() + offset); };
    auto put16 = [&](int offset, quint16 value) { qToLittleEndian(value, bytes.data() + offset); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, quint32(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, 24);
    return bytes;
}

class ImageLoading : public ::testing::Test
{
protected:
    // Loads into an image that already holds a picture, so a failure can be seen to keep it.
    ImagingResult load(const QString &path)
    {
        m_image = makePatternImage(5, 4);
        return m_image->LoadFile(path);
    }

    void expectRefusedAndUnchanged(const ImagingResult &result, const QString &expectedText)
    {
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.errorText().startsWith(expectedText)) << result.errorText().toStdString();
        EXPECT_EQ(m_image->Width(), 5);
        EXPECT_EQ(m_image->Height(), 4);
    }

    TempDir m_dir;
    std::unique_ptr<ImageObject> m_image;
};

} // namespace

TEST_F(ImageLoading, RefusesMissingEmptyAndNonImageFiles)
{
    expectRefusedAndUnchanged(load(m_dir.filePath("absent.jpg")), ImagingStrings::kFileNotFound);
    expectRefusedAndUnchanged(load(m_dir.path()), ImagingStrings::kFileNotFound);
    expectRefusedAndUnchanged(load(m_dir.write("empty.jpg", QByteArray())), ImagingStrings::kFileEmpty);
    expectRefusedAndUnchanged(load(m_dir.write("notes.jpg", "just some words, not a picture\n")),
                              ImagingStrings::kNotSupportedImage);
}

TEST_F(ImageLoading, RefusesImageFormatsThePosterToolDoesNotHandle)
{
    const QString png = m_dir.write("renamed.jpg", encodedImage(8, 8, "png"));
    expectRefusedAndUnchanged(load(png), ImagingStrings::kNotSupportedImage);
}

TEST_F(ImageLoading, RefusesTruncatedJpegInsteadOfReturningGreyRows)
{
    const QByteArray jpeg = encodedImage(64, 64, "jpeg");
    const QString cut = m_dir.write("cut.jpg", jpeg.left(jpeg.size() / 2));
    expectRefusedAndUnchanged(load(cut), ImagingStrings::kIncompleteFile);

    const QString headerOnly = m_dir.write("header.jpg", jpeg.left(20));
    EXPECT_FALSE(load(headerOnly).ok());
}

TEST_F(ImageLoading, RefusesHeadersClaimingHugeSizesBeforeDecoding)
{
    const QString jpeg = m_dir.write("huge.jpg", photo_files::withJpegFrameSize(encodedImage(16, 16, "jpeg"), 65000, 65000));
    expectRefusedAndUnchanged(load(jpeg), ImagingStrings::kImageTooLarge);
    ImageFileInfo info;
    EXPECT_EQ(readImageFileInfo(jpeg, info).errorText(), ImagingStrings::kImageTooLarge);
    // A picture cut band by band is never held: its header alone is read.
    QFile huge(jpeg);
    ASSERT_TRUE(huge.open(QIODevice::ReadOnly));
    ASSERT_TRUE(readImageInfo(huge.readAll(), info, SizeLimit::HeaderOnly).ok());
    EXPECT_EQ(info.width, 65000);

    // Qt's BMP reader already refuses such a header; either way nothing is allocated.
    const QString bmp = m_dir.write("huge.bmp", bmpHeaderClaiming(100000, 100000));
    EXPECT_FALSE(load(bmp).ok());
    EXPECT_FALSE(readImageFileInfo(bmp, info).ok());
}

TEST_F(ImageLoading, RefusesBmpWhosePixelsAreMissing)
{
    expectRefusedAndUnchanged(load(m_dir.write("short.bmp", bmpHeaderClaiming(300, 200))),
                              ImagingStrings::kIncompleteFile);
    const QByteArray bmp = encodedImage(30, 20, "bmp");
    expectRefusedAndUnchanged(load(m_dir.write("cut.bmp", bmp.left(bmp.size() - 1))),
                              ImagingStrings::kIncompleteFile);
}

TEST_F(ImageLoading, LoadsEachFormatByContentAsRgb)
{
    for (const char *format : {"bmp", "jpeg", "tiff"}) {
        // A grey-scale source still gives three colour channels.
        const QString path = m_dir.write(QStringLiteral("picture.%1").arg(format),
                                         encodedImage(30, 20, format, QImage::Format_Grayscale8));
        ASSERT_TRUE(load(path).ok()) << format;
        EXPECT_EQ(m_image->Width(), 30);
        EXPECT_EQ(m_image->Height(), 20);
        EXPECT_EQ(m_image->image().format(), QImage::Format_RGB32);
    }
    // The name's ending does not decide the format.
    const QString bmpNamedJpg = m_dir.write("really_bmp.jpg", encodedImage(7, 3, "bmp"));
    ASSERT_TRUE(load(bmpNamedJpg).ok());
    EXPECT_EQ(m_image->Width(), 7);
}

TEST_F(ImageLoading, AppliesTheFilesOrientationAndTilesCarryNone)
{
    using namespace photo_files;
    struct Shown
    {
        quint16 orientation;
        QColor topLeft, topRight, bottomLeft;
    };
    // Where the stored corners show once the orientation is applied; 5 to 8 stand upright.
    const Shown cases[] = {
        {1, kTopLeft, kTopRight, kBottomLeft},     {2, kTopRight, kTopLeft, kBottomRight},
        {3, kBottomRight, kBottomLeft, kTopRight}, {4, kBottomLeft, kBottomRight, kTopLeft},
        {5, kTopLeft, kBottomLeft, kTopRight},     {6, kBottomLeft, kTopLeft, kBottomRight},
        {7, kBottomRight, kTopRight, kBottomLeft}, {8, kTopRight, kBottomRight, kTopLeft},
    };
    // A phone's portrait in Display P3: the profile must survive the turn.
    QImage stored = quarters(64, 32);
    stored.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    for (const Shown &shown : cases) {
        // Qt's names for the eight orientations, in the order of their EXIF and TIFF numbers.
        constexpr int kQtTransformation[] = {0, 1, 3, 2, 6, 4, 5, 7};
        const auto tiffOrientation = QImageIOHandler::Transformations(kQtTransformation[shown.orientation - 1]);
        const QString jpeg = m_dir.write("tagged.jpg", jpegWithOrientation(stored, shown.orientation));
        const QString tiff = m_dir.write("tagged.tif", encoded(stored, "tiff", tiffOrientation));
        for (const QString &path : {jpeg, tiff}) {
            SCOPED_TRACE(path.toStdString() + " orientation " + std::to_string(shown.orientation));
            ASSERT_TRUE(load(path).ok());
            ImageFileInfo info;
            ASSERT_TRUE(readImageFileInfo(path, info).ok());
            const QSize upright = shown.orientation >= 5 ? QSize(32, 64) : QSize(64, 32);
            EXPECT_EQ(QSize(m_image->Width(), m_image->Height()), upright);
            EXPECT_EQ(QSize(info.width, info.height), upright);
            EXPECT_EQ(m_image->ColourProfile(), stored.colorSpace().iccProfile());
            const QImage &picture = m_image->image();
            const auto near = [](QRgb a, const QColor &b) {
                return std::abs(qRed(a) - b.red()) < 8 && std::abs(qGreen(a) - b.green()) < 8
                    && std::abs(qBlue(a) - b.blue()) < 8;
            };
            EXPECT_TRUE(near(picture.pixel(2, 2), shown.topLeft));
            EXPECT_TRUE(near(picture.pixel(picture.width() - 3, 2), shown.topRight));
            EXPECT_TRUE(near(picture.pixel(2, picture.height() - 3), shown.bottomLeft));

            // Files made from the upright picture must not be turned a second time.
            for (const char *format : {"jpeg", "tiff"}) {
                QByteArray bytes;
                ASSERT_TRUE(m_image->EncodeToBytes(bytes, format == std::string("jpeg") ? 1 : 3).ok());
                QBuffer device(&bytes);
                device.open(QIODevice::ReadOnly);
                EXPECT_EQ(QImageReader(&device).transformation(), QImageIOHandler::TransformationNone);
            }
        }
    }
}

TEST_F(ImageLoading, FileInfoReadsTheHeaderOnly)
{
    const QString path = m_dir.write("size.tif", encodedImage(33, 17, "tiff"));
    ImageFileInfo info;
    ASSERT_TRUE(readImageFileInfo(path, info).ok());
    EXPECT_EQ(info.width, 33);
    EXPECT_EQ(info.height, 17);
    EXPECT_EQ(info.format, "tiff");

    // The pixels are not looked at: a JPEG cut short still tells its size.
    const QByteArray jpeg = encodedImage(50, 40, "jpeg");
    ASSERT_TRUE(readImageFileInfo(m_dir.write("cut.jpg", jpeg.left(jpeg.size() - 100)), info).ok());
    EXPECT_EQ(info.width, 50);

    EXPECT_EQ(readImageFileInfo(m_dir.filePath("none.bmp"), info).errorText(), ImagingStrings::kFileNotFound);
    EXPECT_EQ(readImageFileInfo(m_dir.write("text.bmp", "hello"), info).errorText(),
              ImagingStrings::kNotSupportedImage);
}

TEST(ImageDataCompletenessJpeg, FollowsSegmentsAndScansToTheEndMarker)
{
    const QByteArray jpeg = encodedImage(48, 48, "jpeg");
    EXPECT_TRUE(jpegDataIsComplete(jpeg));
    // Cameras and editors sometimes leave bytes after the end marker.
    EXPECT_TRUE(jpegDataIsComplete(jpeg + QByteArray(300, '\0')));

    EXPECT_FALSE(jpegDataIsComplete(jpeg.left(jpeg.size() - 2)));
    EXPECT_FALSE(jpegDataIsComplete(jpeg.left(jpeg.size() - 1)));
    EXPECT_FALSE(jpegDataIsComplete(jpeg.left(300)));
    EXPECT_FALSE(jpegDataIsComplete(QByteArray()));
    EXPECT_FALSE(jpegDataIsComplete(QByteArray("\xFF\xD8", 2)));
    EXPECT_FALSE(jpegDataIsComplete(QByteArray("BM not a jpeg")));
    // A segment length running past the data.
    EXPECT_FALSE(jpegDataIsComplete(QByteArray("\xFF\xD8\xFF\xE0\x7F\xFF\x00", 7)));
}

TEST(ImageDataCompletenessBmp, ComparesTheFileWithTheDeclaredRows)
{
    // 30 pixels of 24 bits make 90 bytes, padded to 92 per row.
    const QByteArray bmp = encodedImage(30, 20, "bmp");
    EXPECT_TRUE(bmpDataIsComplete(bmp));
    EXPECT_TRUE(bmpDataIsComplete(bmp + "trailing"));
    EXPECT_FALSE(bmpDataIsComplete(bmp.left(bmp.size() - 1)));
    EXPECT_FALSE(bmpDataIsComplete(bmpHeaderClaiming(2147483647, -2147483647)));
    EXPECT_TRUE(bmpDataIsComplete(bmpHeaderClaiming(2, 2)));
}

TEST(ImageDataCompletenessJpeg, SkipsStuffedBytesAndRestartMarkersInsideAScan)
{
    const QByteArray header("\xFF\xD8\xFF\xDA\x00\x02", 6);
    const QByteArray scan("\x12\xFF\x00\x34\xFF\xD0\x56\xFF\xFF\xD1\x78", 11);
    const QByteArray end("\xFF\xD9", 2);
    EXPECT_TRUE(jpegDataIsComplete(header + scan + end));
    EXPECT_FALSE(jpegDataIsComplete(header + scan));
}

TEST_F(ImageLoading, TransparentPixelsPrintAsPaperAndOpaqueOnesKeepTheirValues)
{
    using namespace photo_files;
    QImage logo(4, 1, QImage::Format_ARGB32);
    logo.setPixel(0, 0, qRgba(0, 0, 0, 0));       // clear
    logo.setPixel(1, 0, qRgba(200, 40, 0, 128));  // half covering
    logo.setPixel(2, 0, qRgba(12, 34, 56, 255));  // opaque
    logo.setPixel(3, 0, qRgba(255, 0, 0, 255));
    const QRgb expected[] = {qRgb(255, 255, 255), qRgb(227, 147, 127), qRgb(12, 34, 56), qRgb(255, 0, 0)};
    const QString files[] = {m_dir.write("logo.tif", encoded(logo, "tiff")),
                             m_dir.write("logo.bmp", bmpFile(logo, BmpPixels::Argb32))};
    for (const QString &path : files) {
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(load(path).ok());
        ASSERT_EQ(m_image->image().format(), QImage::Format_RGB32);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(m_image->image().pixel(x, 0), expected[x]) << x;
    }
}

// A file cut short by another program while it is read only fails the load: a mapped read
// of the vanished pages would kill the whole process instead.
TEST_F(ImageLoading, AFileThatShrinksWhileItIsReadFailsWithoutKillingTheProgram)
{
    const QByteArray jpeg = encodedImage(1600, 1200, "jpeg");
    const QString path = m_dir.filePath("shrinking.jpg");
    for (int round = 0; round < 40; ++round) {
        m_dir.write("shrinking.jpg", jpeg);
        std::thread cutter([&path, round] {
            std::this_thread::sleep_for(std::chrono::microseconds(round * 150));
            ::truncate(QFile::encodeName(path).constData(), 100);
        });
        QImage decoded;
        const ImagingResult result = decodeImageFile(path, decoded);
        cutter.join();
        EXPECT_EQ(result.ok(), !decoded.isNull());
    }
}

TEST_F(ImageLoading, ADecodeThatCannotFitOrNeverEndsIsRefusedBeforeItStarts)
{
    QImage small(64, 48, QImage::Format_RGB32);
    small.fill(Qt::darkYellow);
    QByteArray progressive;
    QBuffer device(&progressive);
    device.open(QIODevice::WriteOnly);
    QImageWriter writer(&device, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(small));

    // A machine with 4 GB free: a real photo opens, a tiny file claiming 32767 x 32767
    // progressive pixels (4 GB of pixels and 3 GB of coefficients) does not.
    const ScopedAvailableMemory fourGigabytes(qint64(4) << 30);
    EXPECT_TRUE(load(m_dir.write("real.jpg", progressive)).ok());
    QByteArray forged = progressive;
    const qsizetype frame = forged.indexOf(QByteArray("\xFF\xC2", 2));
    ASSERT_GE(frame, 0);
    qToBigEndian<quint16>(32767, forged.data() + frame + 5);
    qToBigEndian<quint16>(32767, forged.data() + frame + 7);
    const ImagingResult huge = load(m_dir.write("forged.jpg", forged));
    EXPECT_FALSE(huge.ok());
    EXPECT_TRUE(huge.errorText().startsWith("The image needs ")) << huge.errorText().toStdString();
    EXPECT_TRUE(huge.errorText().contains(" MB are free")) << huge.errorText().toStdString();

    // The last scan repeated until the file holds more scans than any encoder writes.
    const qsizetype lastScan = progressive.lastIndexOf(QByteArray("\xFF\xDA", 2));
    const QByteArray scan = progressive.mid(lastScan, progressive.size() - 2 - lastScan);
    QByteArray rescanned = progressive.left(progressive.size() - 2);
    for (int i = 0; i < 600; ++i)
        rescanned += scan;
    rescanned += QByteArray("\xFF\xD9", 2);
    const ImagingResult stalled = load(m_dir.write("rescanned.jpg", rescanned));
    EXPECT_FALSE(stalled.ok());
    EXPECT_TRUE(stalled.errorText().startsWith("The JPEG file has ")) << stalled.errorText().toStdString();
}

TEST_F(ImageLoading, TopDownBmpFilesLoadTheRightWayUp)
{
    using namespace photo_files;
    const QImage picture = quarters(6, 4);
    for (const BmpPixels pixels : {BmpPixels::Rgb24, BmpPixels::Rgb32}) {
        for (const BmpRows rows : {BmpRows::BottomUp, BmpRows::TopDown}) {
            SCOPED_TRACE(int(pixels) * 10 + int(rows));
            ASSERT_TRUE(load(m_dir.write("rows.bmp", bmpFile(picture, pixels, rows))).ok());
            EXPECT_EQ(m_image->image(), picture);
        }
    }
}
