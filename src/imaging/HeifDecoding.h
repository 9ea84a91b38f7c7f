#pragma once

#include "imaging/ImageFileInfo.h"
#include "imaging/ImagingResult.h"

#include <QByteArray>
#include <QImage>

// HEIF files (the HEIC photos phones take, and AVIF pictures where libheif has a decoder
// for them), read through libheif.

// Whether the bytes are a HEIF file, by its file-type box.
bool isHeifFile(const QByteArray &bytes);

// The primary picture's size once the file's own turn and mirror are applied, and the
// format "heif"; the reason when the file cannot be read, such as a codec libheif lacks.
ImagingResult readHeifInfo(const QByteArray &bytes, ImageFileInfo &info);

// The primary picture, turned and mirrored as the file says, in 32-bit RGB, carrying the
// file's colour profile; refused, with the reason, beyond the program's size limit or the
// memory free now.
ImagingResult decodeHeif(const QByteArray &bytes, QImage &image);
