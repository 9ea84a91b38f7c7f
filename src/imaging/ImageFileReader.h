#pragma once

#include "imaging/ImagingResult.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>

// What a BMP, JPEG or TIFF file's header says about it.
struct ImageFileInfo
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    QByteArray format; // "bmp", "jpeg" or "tiff"
};

// Reads the pixel size from the header without decoding the pixels. Fails for a missing,
// empty or unreadable file, a file that is not a BMP, JPEG or TIFF image, and a size beyond
// what the program can hold.
ImagingResult readImageFileInfo(const QString &path, ImageFileInfo &info);

// Decodes a BMP, JPEG or TIFF file into a 32-bit RGB image (QImage::Format_RGB32). On top of
// the failures of readImageFileInfo, a JPEG or BMP file that ends early and pixel data that does
// not decode fail. The header's size is checked before any pixel memory is taken.
//
// An EXIF orientation tag is not applied: the picture is used as stored, and the user turns
// it with the program's own rotation choice, which would otherwise turn it a second time.
ImagingResult decodeImageFile(const QString &path, QImage &image);
