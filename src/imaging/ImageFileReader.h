#pragma once

#include "imaging/ImageFileInfo.h"
#include "imaging/ImagingResult.h"
#include "imaging/PictureDamage.h"

#include <QByteArray>
#include <QImage>
#include <QImageIOHandler>
#include <QString>

#include <cstdint>

// Which file contents a decode takes: the poster's own BMP, JPEG and TIFF (the window's
// rule), or those and PNG and WebP (the command line's).
enum class DecodeFormats { PosterFormats, WithPngAndWebp };

// Whether a size beyond what the program can hold fails the header: it does unless the
// picture is never held whole (cut band by band, or only reported).
enum class SizeLimit { PictureHeld, HeaderOnly };

// Reads the pixel size and orientation from the file's header, reading no more of the file
// than the header (a HEIF file, whose header libheif finds in its boxes, is read whole).
// Fails for a missing, empty or unreadable file, a file that is not a picture the program
// reads, and a size beyond what the program can hold unless limit says otherwise.
ImagingResult readImageFileInfo(const QString &path, ImageFileInfo &info, SizeLimit limit = SizeLimit::PictureHeld);

// The same for a file's content already in memory.
ImagingResult readImageInfo(const QByteArray &content, ImageFileInfo &info,
                            SizeLimit limit = SizeLimit::PictureHeld);

// Decodes a BMP, JPEG or TIFF file into the program's pixels (toProgramPixels): 32-bit RGB,
// transparency laid over white, the file's RGB colour profile kept. The file's orientation
// (EXIF or TIFF) is applied, so the picture stands as it was taken. On top of the failures
// of readImageFileInfo, a JPEG or BMP file that ends early and pixel data that does not
// decode fail. The header's size is checked before any pixel memory is taken.
// A JPEG whose coded data is partly missing or corrupt decodes, with grey where the data
// ran out; damage, when given, then says which rows (PictureDamage.h).
ImagingResult decodeImageFile(const QString &path, QImage &image,
                              DecodeFormats formats = DecodeFormats::PosterFormats, PictureDamage *damage = nullptr);
