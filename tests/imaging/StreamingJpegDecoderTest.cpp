#include "imaging/StreamingJpegDecoder.h"

#include "imaging/ImageFileReader.h"
#include "support/PhotoFiles.h"
#include "support/TempDir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace {

struct JpegKind
{
    const char *name;
    int width;
    int height;
    int components;      // 1 grey, 3 colour, 4 CMYK
    int lumaSampling[2]; // horizontal, vertical factors of the first component
    bool progressive = false;
    J_COLOR_SPACE stored = JCS_YCbCr;
    int dotsPerInch = 0; // 0: no density in the header
    int grain = 0;       // noise added to each sample, as a camera's, so the data codes long
    int restartRows = 0; // rows of units between restart markers; 0 for none
};

// A picture with sharp edges and smooth ramps, so upsampling and rounding differences
// between two decoders would show.
std::vector<JSAMPLE> samples(const JpegKind &kind)
{
    std::vector<JSAMPLE> pixels(size_t(kind.width) * kind.height * kind.components);
    unsigned noise = 12345;
    for (int y = 0; y < kind.height; ++y)
        for (int x = 0; x < kind.width; ++x)
            for (int c = 0; c < kind.components; ++c) {
                const int edge = ((x / 7 + y / 5) % 2) * 90;
                noise = noise * 1103515245u + 12345u;
                const int grain = kind.grain > 0 ? int((noise >> 16) % unsigned(2 * kind.grain + 1)) - kind.grain : 0;
                const int value = (x * (c + 3) + y * (5 - c) + edge) % 256 + grain;
                pixels[(size_t(y) * kind.width + x) * kind.components + c] = JSAMPLE(std::clamp(value, 0, 255));
            }
    return pixels;
}

// Encoded with libjpeg itself, which, unlike Qt's writer, can be asked for each
// subsampling and colour space.
QByteArray encodeJpeg(const JpegKind &kind)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(kind.width);
    info.image_height = JDIMENSION(kind.height);
    info.input_components = kind.components;
    info.in_color_space = kind.components == 1 ? JCS_GRAYSCALE : kind.components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    if (kind.components == 3)
        jpeg_set_colorspace(&info, kind.stored);
    info.comp_info[0].h_samp_factor = kind.lumaSampling[0];
    info.comp_info[0].v_samp_factor = kind.lumaSampling[1];
    if (kind.progressive)
        jpeg_simple_progression(&info);
    info.restart_in_rows = kind.restartRows;
    if (kind.dotsPerInch > 0) {
        info.density_unit = 1;
        info.X_density = UINT16(kind.dotsPerInch);
        info.Y_density = UINT16(kind.dotsPerInch);
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> pixels = samples(kind);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = pixels.data() + size_t(info.next_scanline) * kind.width * kind.components;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

// Every row's pixels equal, byte for byte.
void expectSamePixels(const QImage &streamed, const QImage &expected)
{
    ASSERT_EQ(streamed.size(), expected.size());
    ASSERT_EQ(streamed.format(), expected.format());
    const size_t rowBytes = size_t(expected.width()) * 4;
    for (int y = 0; y < expected.height(); ++y)
        ASSERT_EQ(std::memcmp(streamed.constScanLine(y), expected.constScanLine(y), rowBytes), 0) << "row " << y;
}

// The quantisation tables renamed into an application segment: the file still runs from
// start to end marker and its header reads, but its pixels cannot be decoded.
QByteArray withoutQuantisationTables(QByteArray jpeg)
{
    const QByteArray tablesMarker("\xFF\xDB", 2);
    for (qsizetype at = jpeg.indexOf(tablesMarker); at >= 0; at = jpeg.indexOf(tablesMarker, at))
        jpeg[at + 1] = char(0xE5);
    return jpeg;
}

} // namespace

TEST(StreamingJpegDecoder, GivesExactlyThePixelsOfTheOrdinaryDecoder)
{
    const JpegKind kinds[] = {
        {"4:2:0", 333, 217, 3, {2, 2}},
        {"4:2:2", 120, 95, 3, {2, 1}},
        {"4:4:4 at 300 dpi", 64, 129, 3, {1, 1}, false, JCS_YCbCr, 300},
        {"grey", 101, 77, 1, {1, 1}},
        {"progressive 4:2:0", 250, 190, 3, {2, 2}, true},
        {"stored as RGB", 80, 60, 3, {1, 1}, false, JCS_RGB},
    };
    TempDir dir;
    for (const JpegKind &kind : kinds) {
        SCOPED_TRACE(kind.name);
        const QString path = dir.write(QStringLiteral("%1.jpg").arg(kind.name), encodeJpeg(kind));
        QImage expected;
        ASSERT_TRUE(decodeImageFile(path, expected));

        std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::start(path);
        ASSERT_NE(decoder, nullptr);
        ASSERT_TRUE(decoder->waitForRows(kind.height));
        EXPECT_TRUE(decoder->errorText().isEmpty());
        const QImage &streamed = decoder->image().image();
        expectSamePixels(streamed, expected);
        EXPECT_EQ(streamed.dotsPerMeterX(), expected.dotsPerMeterX());
        EXPECT_EQ(streamed.dotsPerMeterY(), expected.dotsPerMeterY());
    }
}

TEST(StreamingJpegDecoder, RowsWaitedForAreFinalAndCopiesShareThem)
{
    TempDir dir;
    const JpegKind kind{"tall", 64, 900, 3, {2, 2}};
    const QString path = dir.write("tall.jpg", encodeJpeg(kind));
    QImage expected;
    ASSERT_TRUE(decodeImageFile(path, expected));

    std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::start(path);
    ASSERT_NE(decoder, nullptr);
    // A copy taken before the rows arrive must see them: nothing may detach the pixels.
    const QImage early = decoder->image().image();
    EXPECT_TRUE(decoder->waitForRows(0));
    ASSERT_TRUE(decoder->waitForRows(10));
    for (int y = 0; y < 10; ++y)
        ASSERT_EQ(std::memcmp(early.constScanLine(y), expected.constScanLine(y), size_t(kind.width) * 4), 0);
    // Asking past the last row waits for the whole picture.
    ASSERT_TRUE(decoder->waitForRows(kind.height + 50));
    expectSamePixels(early, expected);
}

TEST(StreamingJpegDecoder, LeavesFilesItCannotStreamToTheOrdinaryDecoder)
{
    TempDir dir;
    const QByteArray jpeg = encodeJpeg({"colour", 48, 48, 3, {2, 2}});
    const QString cmyk = dir.write("cmyk.jpg", encodeJpeg({"cmyk", 40, 40, 4, {1, 1}}));
    const QString truncated = dir.write("cut.jpg", jpeg.left(jpeg.size() / 2));
    const QString notJpeg = dir.filePath("picture.jpg");
    ASSERT_TRUE(QImage(30, 30, QImage::Format_RGB32).save(notJpeg, "bmp"));
    for (const QString &path : {cmyk, truncated, notJpeg, dir.write("empty.jpg", {}), dir.filePath("missing.jpg")}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(StreamingJpegDecoder::start(path), nullptr);
    }
}

TEST(StreamingJpegDecoder, UndecodablePixelsFailTheWaitWithTheReason)
{
    TempDir dir;
    const QString path = dir.write("broken.jpg", withoutQuantisationTables(encodeJpeg({"colour", 96, 64, 3, {2, 2}})));
    QImage ordinary;
    ASSERT_FALSE(decodeImageFile(path, ordinary)); // the ordinary decoder refuses it too

    std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::start(path);
    ASSERT_NE(decoder, nullptr); // the header alone is sound
    EXPECT_FALSE(decoder->waitForRows(1));
    EXPECT_FALSE(decoder->waitForRows(64));
    EXPECT_TRUE(decoder->errorText().startsWith(QStringLiteral("The image file could not be decoded - ")))
        << decoder->errorText().toStdString();
    EXPECT_TRUE(decoder->isFinished());
    EXPECT_TRUE(decoder->reducedPicture(QSize(8, 8)).isNull());
}

TEST(StreamingJpegDecoder, ReducedPicturesAreTheSmallestEighthsThatStillCoverTheSize)
{
    TempDir dir;
    const QString path = dir.write("photo.jpg", encodeJpeg({"colour", 800, 600, 3, {2, 2}}));
    std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::start(path);
    ASSERT_NE(decoder, nullptr);
    const struct
    {
        QSize atLeast;
        QSize reduced;
    } cases[] = {
        {{100, 75}, {100, 75}},   // an eighth
        {{101, 20}, {200, 150}},  // a quarter: one pixel more than an eighth
        {{500, 400}, {600, 450}}, // six eighths: five would be 25 rows short
        {{900, 10}, {800, 600}},  // larger than the picture: whole
    };
    for (const auto &[atLeast, reduced] : cases) {
        const QImage picture = decoder->reducedPicture(atLeast);
        EXPECT_EQ(picture.size(), reduced) << atLeast.width() << " x " << atLeast.height();
    }
    ASSERT_TRUE(decoder->waitForRows(600));
    EXPECT_TRUE(decoder->isFinished());
    EXPECT_EQ(decoder->reducedPicture(QSize(800, 600)), decoder->image().image());
    // A decoder that let go of the file's bytes reads the same picture from the file.
    std::unique_ptr<StreamingJpegDecoder> fromFile = StreamingJpegDecoder::open(path);
    ASSERT_TRUE(fromFile && fromFile->readFromFileOnly());
    EXPECT_EQ(fromFile->reducedPicture(QSize(100, 75)), decoder->reducedPicture(QSize(100, 75)));
}

TEST(StreamingJpegDecoder, DestroyingItMidwayStopsTheThread)
{
    TempDir dir;
    const QString path = dir.write("big.jpg", encodeJpeg({"big", 1200, 1600, 3, {2, 2}}));
    for (int i = 0; i < 5; ++i) {
        std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::start(path);
        ASSERT_NE(decoder, nullptr);
        if (i % 2 == 1) {
            EXPECT_TRUE(decoder->waitForRows(100));
        }
    } // each destructor joins its thread; a leaked one would end the test binary
}

TEST(StreamingJpegDecoderOrientation, TurnedPhotosAreLeftToTheOrdinaryDecoder)
{
    TempDir dir;
    const QImage picture = photo_files::quarters(32, 16);
    EXPECT_NE(StreamingJpegDecoder::start(dir.write("upright.jpg", photo_files::jpegWithOrientation(picture, 1))), nullptr);
    EXPECT_EQ(StreamingJpegDecoder::start(dir.write("turned.jpg", photo_files::jpegWithOrientation(picture, 6))), nullptr);
}
