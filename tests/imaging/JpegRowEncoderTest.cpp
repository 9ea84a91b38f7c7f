#include "imaging/JpegRowEncoder.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>

#include <gtest/gtest.h>

namespace {

QByteArray writtenByQt(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    QImageWriter writer(&device, "jpeg");
    writer.setQuality(quality);
    EXPECT_TRUE(writer.write(image));
    return bytes;
}

} // namespace

// The rows read in place give the very file Qt's writer makes, header and profile included.
TEST(JpegRowEncoder, WritesTheFileQtsWriterWrites)
{
    const struct
    {
        const char *name;
        QSize size;
        int dotsPerMeter;
        QColorSpace profile;
        int quality;
    } cases[] = {
        {"odd size, 300 dpi", {301, 203}, 11811, QColorSpace(), 90},
        {"Adobe RGB profile", {64, 48}, 11811, QColorSpace(QColorSpace::AdobeRgb), 90},
        {"one pixel, 2 dpi", {1, 1}, 79, QColorSpace(QColorSpace::DisplayP3), 90},
        {"another quality", {200, 17}, 3937, QColorSpace(), 75},
    };
    for (const auto &c : cases) {
        QImage image(c.size, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb((x * 3 + y) % 256, (y * 5) % 256, (x ^ y) % 256));
        image.setDotsPerMeterX(c.dotsPerMeter);
        image.setDotsPerMeterY(c.dotsPerMeter);
        image.setColorSpace(c.profile);
        const std::optional<QByteArray> encoded = encodeJpegRows(image, c.quality);
        ASSERT_TRUE(encoded) << c.name;
        EXPECT_TRUE(*encoded == writtenByQt(image, c.quality)) << c.name;
    }
    QImage colours(37, 21, QImage::Format_RGB32);
    for (int y = 0; y < colours.height(); ++y)
        for (int x = 0; x < colours.width(); ++x)
            colours.setPixel(x, y, qRgb(x * 7, y * 11, (x * y) % 256));
    EXPECT_EQ(encodeJpegRows(colours.convertToFormat(QImage::Format_RGB888), 90), encodeJpegRows(colours, 90))
        << "24-bit rows of the same colours give the same file";
    EXPECT_FALSE(encodeJpegRows(QImage(8, 8, QImage::Format_Grayscale8), 90));
}
