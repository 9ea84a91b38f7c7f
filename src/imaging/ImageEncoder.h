#pragma once

#include "imaging/ImageFileType.h"
#include "imaging/ImagingResult.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Encodes the image as a complete file of the given type in memory, stamped with the
// image's resolution. Encoder settings are the program's own: JPEG quality 90 (tiles are
// printed large, where lower qualities show blocks in skies and skin), uncompressed TIFF
// and 24-bit BMP.
ImagingResult encodeImage(const QImage &image, ImageFileType type, QByteArray &bytes);

inline constexpr int kJpegTileQuality = 90;

// Makes bytes the whole content of the file at path, replacing any file of that name. The
// bytes go to a temporary file that takes the name only once complete, so a failed write
// (a full disk, say) never leaves a half-written file under the name.
ImagingResult writeImageFile(const QString &path, const QByteArray &bytes);
