#pragma once

#include <QByteArray>
#include <QImage>

#include <memory>
#include <optional>

struct JpegCompressor; // libjpeg's, kept out of this header

// Encodes 32-bit or 24-bit RGB rows as a baseline JPEG with libjpeg-turbo, reading the
// rows in place (the library takes the pixels as they are, no row is converted first). The
// file is the one Qt's JPEG writer makes of the same image at the quality: the same JFIF
// header with the resolution in dots per inch, the same colour profile marker, the same
// tables, sampling and coefficients; both pixel formats of the same colours give the same
// file.

// The rows may come a few at a time, as they are decoded.
class JpegRowCompressor
{
public:
    // format is QImage::Format_RGB32 or QImage::Format_RGB888; the resolution is Qt's
    // (dots per metre) and the profile an ICC profile, or empty for none.
    JpegRowCompressor(int width, int height, QImage::Format format, int dotsPerMeterX, int dotsPerMeterY,
                      const QByteArray &profile, int quality);
    ~JpegRowCompressor();
    JpegRowCompressor(const JpegRowCompressor &) = delete;
    JpegRowCompressor &operator=(const JpegRowCompressor &) = delete;

    // Takes the next count rows, the first at first, each bytesPerLine after the one before.
    void writeRows(const uchar *first, qsizetype bytesPerLine, int count);
    // After the last row: the file, or nothing when the library failed at any point or
    // fewer rows than the height came.
    std::optional<QByteArray> finish();

private:
    std::unique_ptr<JpegCompressor> m_state;
};

// The whole image at once; nothing for an image of another format, or when the library fails.
std::optional<QByteArray> encodeJpegRows(const QImage &image, int quality);
