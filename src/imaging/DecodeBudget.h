#pragma once

#include "imaging/ImageDataCompleteness.h"
#include "imaging/ImageFileInfo.h"
#include "imaging/ImagingResult.h"

#include <QtGlobal>

// What a decode may take, checked before any pixel memory is taken, so that a small file
// claiming a huge or endlessly rescanned picture is refused at once with a clear message
// instead of freezing the program or exhausting the machine.
namespace DecodeBudget {

// libjpeg-turbo's own tools stop at this many scans; no camera or program writes more.
inline constexpr int kMaxJpegScans = 500;

// The most memory the decode of the file takes at once, in bytes: the 32-bit pixels, and
// the larger of the decoder's whole-image buffer (a progressive or multi-scan JPEG keeps
// every coefficient), a converted copy (a format other than 32-bit RGB) and the turned
// copy its orientation asks for. jpeg is the JPEG's structure, null for other formats.
qint64 peakBytes(const ImageFileInfo &info, const JpegStructure *jpeg);

// Fails for a JPEG with more than kMaxJpegScans scans, and for a peak beyond the memory
// available now.
ImagingResult check(const ImageFileInfo &info, const JpegStructure *jpeg);

// Fails when an extra bytes of memory are not available now.
ImagingResult checkRoomFor(qint64 bytes);

// Whether a picture of the size is within the most the program holds whole
// (ImageLimits.h); the numbers when not.
ImagingResult checkImageLimit(qint64 width, qint64 height);

} // namespace DecodeBudget
