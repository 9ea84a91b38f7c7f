#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

// Encodes a 32-bit or 24-bit RGB image as a baseline JPEG with libjpeg-turbo, reading its
// rows in place (the library takes the pixels as they are, no row is converted first). The
// file is the one Qt's JPEG writer makes of the image at the quality: the same JFIF header
// with the image's resolution in dots per inch, the same colour profile marker, the same
// tables, sampling and coefficients; both pixel formats of the same colours give the same
// file. Nothing for an image of another format, or when the library fails.
std::optional<QByteArray> encodeJpegRows(const QImage &image, int quality);
