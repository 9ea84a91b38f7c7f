#include "imaging/DecodeBudget.h"

#include "common/AvailableMemory.h"
#include "imaging/ImageLimits.h"
#include "imaging/PixelArrayView.h"
#include "resources/ImagingStrings.h"

#include <algorithm>

namespace {

constexpr qint64 kBlockSide = 8;
constexpr qint64 kBytesPerBlock = 64 * 2; // 64 coefficients of 16 bits
constexpr qint64 kMegabyte = 1024 * 1024;

qint64 blocksAlong(qint64 pixels, int factor, int maxFactor)
{
    const qint64 samples = (pixels * factor + maxFactor - 1) / maxFactor;
    return (samples + kBlockSide - 1) / kBlockSide;
}

// libjpeg's coefficient buffer when it must hold the whole image (every scan of a
// progressive or multi-scan file refines all of it).
qint64 coefficientBytes(const ImageFileInfo &info, const JpegStructure &jpeg)
{
    if (!jpeg.progressive && jpeg.scans <= 1)
        return 0;
    int maxH = 1;
    int maxV = 1;
    for (const JpegStructure::Sampling &s : jpeg.sampling) {
        maxH = std::max(maxH, s.horizontal);
        maxV = std::max(maxV, s.vertical);
    }
    qint64 bytes = 0;
    for (const JpegStructure::Sampling &s : jpeg.sampling)
        bytes += blocksAlong(info.width, std::max(1, s.horizontal), maxH)
            * blocksAlong(info.height, std::max(1, s.vertical), maxV) * kBytesPerBlock;
    return bytes;
}

} // namespace

namespace DecodeBudget {

qint64 peakBytes(const ImageFileInfo &info, const JpegStructure *jpeg)
{
    const qint64 pixels = qint64(info.width) * info.height * PixelLayout::kBytesPerPixel;
    // libheif holds the picture's planes and its own RGB copy (4.5 bytes a pixel).
    const qint64 heifBuffers = info.format == QByteArrayLiteral("heif") ? qint64(info.width) * info.height * 9 / 2 : 0;
    const qint64 decoderBuffer = jpeg ? coefficientBytes(info, *jpeg) : heifBuffers;
    // Qt decodes a colour JPEG straight into 32-bit RGB; other pictures may come in
    // another layout and be converted.
    const bool straightToRgb = jpeg && jpeg->sampling.size() == 3;
    const qint64 convertedCopy = straightToRgb ? 0 : pixels;
    const qint64 turnedCopy = info.orientation.testFlag(QImageIOHandler::TransformationRotate90) ? pixels : 0;
    return pixels + std::max({decoderBuffer, convertedCopy, turnedCopy});
}

ImagingResult check(const ImageFileInfo &info, const JpegStructure *jpeg)
{
    if (jpeg && jpeg->scans > kMaxJpegScans)
        return ImagingResult::failure(ImagingStrings::tooManyScansText(jpeg->scans, kMaxJpegScans));
    return checkRoomFor(peakBytes(info, jpeg));
}

ImagingResult checkRoomFor(qint64 bytes)
{
    const std::optional<qint64> available = availableMemoryBytes();
    if (available && bytes > *available)
        return ImagingResult::failure(ImagingStrings::notEnoughMemoryText((bytes + kMegabyte - 1) / kMegabyte,
                                                                          *available / kMegabyte));
    return ImagingResult::success();
}

ImagingResult checkImageLimit(qint64 width, qint64 height)
{
    if (ImageLimits::isAllowedImageSize(width, height))
        return ImagingResult::success();
    const qint64 bytes = width * height * PixelLayout::kBytesPerPixel;
    return ImagingResult::failure(ImagingStrings::beyondImageLimitText((bytes + kMegabyte - 1) / kMegabyte,
                                                                       ImageLimits::kMaxImageBytes / kMegabyte));
}

} // namespace DecodeBudget
