#pragma once

#include "imaging/ImagingResult.h"

#include <QByteArray>
#include <QImage>

// True for an ICC profile whose data colour space is RGB: the only kind that describes
// the program's 32-bit RGB pixels.
bool isRgbColourProfile(const QByteArray &iccProfile);

// Turns a decoded picture into the program's pixels: 32-bit RGB (QImage::Format_RGB32),
// with transparent areas composed over white, as they print on paper; opaque pixels keep
// their values exactly. The file's colour profile stays with the pixels when it describes
// RGB; any other profile is dropped, since it cannot describe them.
ImagingResult toProgramPixels(QImage &decoded);
