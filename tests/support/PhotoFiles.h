#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

#include <cstdio>
#include <stdexcept>

// Photo files as cameras and phones write them, made in memory.
namespace photo_files {

// Overwrites the frame size of the first baseline frame header of a JPEG, as a forged or
// damaged file would claim it.
inline QByteArray withJpegFrameSize(QByteArray jpeg, quint16 width, quint16 height)
{
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0)
        throw std::runtime_error("no baseline frame header");
    qToBigEndian(height, jpeg.data() + frame + 5);
    qToBigEndian(width, jpeg.data() + frame + 7);
    return jpeg;
}

// A minimal EXIF block (little-endian TIFF structure) holding only an orientation tag.
inline QByteArray exifOrientationSegment(quint16 orientation)
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

inline QByteArray encoded(const QImage &image, const char *format,
                          QImageIOHandler::Transformations orientation = QImageIOHandler::TransformationNone)
{
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    QImageWriter writer(&device, format);
    writer.setTransformation(orientation);
    writer.write(image);
    return bytes;
}

// The image as a JPEG whose EXIF block carries the orientation (1 to 8).
inline QByteArray jpegWithOrientation(const QImage &image, quint16 orientation)
{
    QByteArray jpeg = encoded(image, "jpeg");
    jpeg.insert(2, exifOrientationSegment(orientation));
    return jpeg;
}

// A camera JPEG whose coded data ends early but which still ends with its end marker, as a
// card pulled out mid-write leaves it: only the given share of the file is kept. libjpeg
// then warns of a premature end of the data segment and fills the rest in grey.
inline QByteArray jpegWithDataCut(const QByteArray &jpeg, double keptShare)
{
    return jpeg.left(qsizetype(jpeg.size() * keptShare)) + QByteArray("\xFF\xD9", 2);
}

// Fine detail everywhere, so the JPEG's data is spread over all of its rows.
inline QImage detailedPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 3 + y) % 256, (y * 5) % 256, (x ^ y) % 256));
    return picture;
}

inline const QColor kTopLeft = Qt::red;
inline const QColor kTopRight = Qt::green;
inline const QColor kBottomLeft = Qt::blue;
inline const QColor kBottomRight = Qt::white;

// Four flat quarters that survive JPEG, so a turn or mirror shows in the corners.
inline QImage quarters(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, kTopLeft);
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, kTopRight);
    painter.fillRect(0, height / 2, width / 2, height - height / 2, kBottomLeft);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, kBottomRight);
    return image;
}

enum class BmpRows { BottomUp, TopDown };
enum class BmpPixels { Rgb24, Rgb32, Argb32 };

// The image as an uncompressed BMP file written by hand, as other programs write them: rows
// bottom-up or top-down (a negative height), 24-bit, 32-bit, or 32-bit with an alpha mask in
// a version 4 header.
inline QByteArray bmpFile(const QImage &image, BmpPixels pixels, BmpRows rows = BmpRows::BottomUp)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const int bytesPerPixel = pixels == BmpPixels::Rgb24 ? 3 : 4;
    const int rowBytes = (source.width() * bytesPerPixel + 3) / 4 * 4;
    const int infoSize = pixels == BmpPixels::Argb32 ? 108 : 40;
    const int dataOffset = 14 + infoSize;
    QByteArray bytes(dataOffset + rowBytes * source.height(), '\0');
    auto put32 = [&](int offset, quint32 value) { qToLittleEndian(value, bytes.data() + offset); };
    auto put16 = [&](int offset, quint16 value) { qToLittleEndian(value, bytes.data() + offset); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, quint32(bytes.size()));
    put32(10, quint32(dataOffset));
    put32(14, quint32(infoSize));
    put32(18, quint32(source.width()));
    put32(22, quint32(rows == BmpRows::TopDown ? -source.height() : source.height()));
    put16(26, 1);
    put16(28, quint16(bytesPerPixel * 8));
    if (pixels == BmpPixels::Argb32) {
        put32(30, 3); // bit fields
        put32(54, 0x00FF0000);
        put32(58, 0x0000FF00);
        put32(62, 0x000000FF);
        put32(66, 0xFF000000);
        put32(70, 0x73524742); // "sRGB"
    }
    for (int y = 0; y < source.height(); ++y) {
        const int fileRow = rows == BmpRows::TopDown ? y : source.height() - 1 - y;
        char *to = bytes.data() + dataOffset + qsizetype(fileRow) * rowBytes;
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            to[x * bytesPerPixel] = char(qBlue(pixel));
            to[x * bytesPerPixel + 1] = char(qGreen(pixel));
            to[x * bytesPerPixel + 2] = char(qRed(pixel));
            if (bytesPerPixel == 4)
                to[x * bytesPerPixel + 3] = char(pixels == BmpPixels::Argb32 ? qAlpha(pixel) : 0);
        }
    }
    return bytes;
}

// Writes a BMP of the picture under a name given as raw bytes (which Qt's file classes
// could not name when they are not UTF-8). True on success.
inline bool writeUnderRawName(const QByteArray &path, const QImage &picture, const char *format)
{
    const QByteArray bytes = encoded(picture, format);
    std::FILE *file = std::fopen(path.constData(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) == size_t(bytes.size());
    return std::fclose(file) == 0 && written;
}

} // namespace photo_files
