#include "support/TestImages.h"

#include "imaging/ImageFileReader.h"
#include "imaging/ImageDataCompleteness.h"
#include "resources/ImagingStrings.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

#include <gtest/gtest.h>

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

// Overwrites the frame size of the first baseline frame header of a JPEG.
QByteArray withJpegFrameSize(QByteArray jpeg, quint16 width, quint16 height)
{
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0)
        throw std::runtime_error("no baseline frame header");
    qToBigEndian(height, jpeg.data() + frame + 5);
    qToBigEndian(width, jpeg.data() + frame + 7);
    return jpeg;
}

// A minimal EXIF block (little-endian TIFF structure) holding only an orientation tag.
QByteArray exifOrientationSegment(quint16 orientation)
{
    QByteArray tiff("II\x2A\x00\x08\x00\x00\x00", 8);
    QByteArray entry(2 + 12 + 4, '\0');
    qToLittleEndian<quint16>(1, entry.data());
    qToLittleEndian<quint16>(0x0112, entry.data() + 2);
    qToLittleEndian<quint16>(3, entry.data() + 4);
    qToLittleEndian<quint32>(1, entry.data() + 6);
    qToLittleEndian<quint16>(orientation, entry.data() + 10);
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff + entry;
    QByteArray segment("\xFF\xE1", 2);
    QByteArray length(2, '\0');
    qToBigEndian<quint16>(quint16(payload.size() + 2), length.data());
    return segment + length + payload;
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
    const QString jpeg = m_dir.write("huge.jpg", withJpegFrameSize(encodedImage(16, 16, "jpeg"), 65000, 65000));
    expectRefusedAndUnchanged(load(jpeg), ImagingStrings::kImageTooLarge);
    ImageFileInfo info;
    EXPECT_EQ(readImageFileInfo(jpeg, info).errorText(), ImagingStrings::kImageTooLarge);

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

TEST_F(ImageLoading, IgnoresExifOrientation)
{
    QByteArray jpeg = encodedImage(40, 20, "jpeg");
    jpeg.insert(2, exifOrientationSegment(6)); // 6: stored turned, to be shown a quarter turn on
    const QString path = m_dir.write("tagged.jpg", jpeg);

    ASSERT_TRUE(load(path).ok());
    EXPECT_EQ(m_image->Width(), 40);
    EXPECT_EQ(m_image->Height(), 20);
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

TEST(JpegCompleteness, FollowsSegmentsAndScansToTheEndMarker)
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

TEST(BmpCompleteness, ComparesTheFileWithTheDeclaredRows)
{
    // 30 pixels of 24 bits make 90 bytes, padded to 92 per row.
    const QByteArray bmp = encodedImage(30, 20, "bmp");
    EXPECT_TRUE(bmpDataIsComplete(bmp));
    EXPECT_TRUE(bmpDataIsComplete(bmp + "trailing"));
    EXPECT_FALSE(bmpDataIsComplete(bmp.left(bmp.size() - 1)));
    EXPECT_FALSE(bmpDataIsComplete(bmpHeaderClaiming(2147483647, -2147483647)));
    EXPECT_TRUE(bmpDataIsComplete(bmpHeaderClaiming(2, 2)));
}

TEST(JpegCompleteness, SkipsStuffedBytesAndRestartMarkersInsideAScan)
{
    const QByteArray header("\xFF\xD8\xFF\xDA\x00\x02", 6);
    const QByteArray scan("\x12\xFF\x00\x34\xFF\xD0\x56\xFF\xFF\xD1\x78", 11);
    const QByteArray end("\xFF\xD9", 2);
    EXPECT_TRUE(jpegDataIsComplete(header + scan + end));
    EXPECT_FALSE(jpegDataIsComplete(header + scan));
}
