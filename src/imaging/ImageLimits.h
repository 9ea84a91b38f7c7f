#pragma once

#include <QtGlobal>

#include <limits>

namespace ImageLimits {

// The largest image the program holds: 4 GiB of 32-bit pixels, about a gigapixel. A
// 100-megapixel photo needs 400 MB; a forged header claiming 100000 x 100000 pixels (40 GB)
// is refused before anything is allocated.
inline constexpr qint64 kMaxImageBytes = qint64(4) << 30;

// The largest image file read: every pixel of the largest image, uncompressed, and more.
inline constexpr qint64 kMaxFileBytes = kMaxImageBytes * 2;

// Qt's own decoder limit (256 MB by default) would refuse a 100-megapixel photo.
inline constexpr int kReaderAllocationLimitMegabytes = int(kMaxImageBytes >> 20);

inline bool isAllowedImageSize(qint64 width, qint64 height)
{
    constexpr qint64 maxSide = std::numeric_limits<int>::max();
    return width > 0 && height > 0 && width <= maxSide && height <= maxSide
        && width * height <= kMaxImageBytes / 4;
}

} // namespace ImageLimits
