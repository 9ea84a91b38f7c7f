#include "imaging/ProgramPixels.h"

#include "resources/ImagingStrings.h"

#include <QColorSpace>

namespace {

constexpr int kIccColourSpaceOffset = 16;

// One channel of a straight-alpha pixel laid over white, rounded to nearest.
int overWhite(int channel, int alpha)
{
    return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
}

QImage composedOverWhite(const QImage &picture)
{
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    QImage flat(straight.size(), QImage::Format_RGB32);
    if (straight.isNull() || flat.isNull())
        return QImage();
    for (int y = 0; y < straight.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(straight.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(flat.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            const int alpha = qAlpha(from[x]);
            to[x] = alpha == 255 ? (from[x] | 0xFF000000u)
                                 : qRgb(overWhite(qRed(from[x]), alpha), overWhite(qGreen(from[x]), alpha),
                                        overWhite(qBlue(from[x]), alpha));
        }
    }
    flat.setDotsPerMeterX(picture.dotsPerMeterX());
    flat.setDotsPerMeterY(picture.dotsPerMeterY());
    flat.setColorSpace(picture.colorSpace());
    return flat;
}

} // namespace

bool isRgbColourProfile(const QByteArray &iccProfile)
{
    return iccProfile.size() > kIccColourSpaceOffset + 4
        && iccProfile.mid(kIccColourSpaceOffset, 4) == QByteArrayLiteral("RGB ");
}

ImagingResult toProgramPixels(QImage &decoded)
{
    if (decoded.hasAlphaChannel())
        decoded = composedOverWhite(decoded);
    else if (decoded.format() != QImage::Format_RGB32)
        decoded.convertTo(QImage::Format_RGB32);
    if (decoded.isNull())
        return ImagingResult::failure(ImagingStrings::kOutOfMemory);
    if (!isRgbColourProfile(decoded.colorSpace().iccProfile()))
        decoded.setColorSpace(QColorSpace());
    return ImagingResult::success();
}
