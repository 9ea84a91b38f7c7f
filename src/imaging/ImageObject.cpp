#include "imaging/ImageObject.h"

#include "common/Units.h"
#include "common/Rounding.h"
#include "imaging/DecodeBudget.h"
#include "imaging/ImageEncoder.h"
#include "imaging/ImageFileReader.h"
#include "imaging/ImageLimits.h"
#include "imaging/ProgramPixels.h"
#include "resources/ImagingStrings.h"

#include <QColorSpace>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

constexpr std::int32_t kMaxPixelsPerInch = 1'000'000;
constexpr int kMaxPointSize = 2000;
// Text is sized at the customary 96 pixels per inch, whatever resolution the image is
// stamped with, so measuring and drawing agree and do not depend on the screen.
constexpr double kTextPixelsPerPoint = 96.0 / 72.0;
constexpr std::uint32_t kMaxColour = 0xFFFFFF;
constexpr QRgb kOpaque = 0xFF000000u;

std::optional<QColor> colourFromValue(std::uint32_t colour)
{
    if (colour > kMaxColour)
        return std::nullopt;
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

std::optional<QFont> fontForPointSize(int pointSize)
{
    if (pointSize < 1 || pointSize > kMaxPointSize)
        return std::nullopt;
    const std::optional<std::int32_t> pixels = nearestInt32(pointSize * kTextPixelsPerPoint);
    QFont font;
    font.setPixelSize(std::max(1, pixels.value_or(1)));
    return font;
}

ImagingResult blankImage(std::int32_t width, std::int32_t height, std::uint32_t colour, QImage &image)
{
    if (!ImageLimits::isAllowedImageSize(width, height))
        return ImagingResult::failure(ImagingStrings::kInvalidImageSize);
    const std::optional<QColor> fill = colourFromValue(colour);
    if (!fill)
        return ImagingResult::failure(ImagingStrings::kInvalidColour);
    QImage blank(width, height, QImage::Format_RGB32);
    if (blank.isNull())
        return ImagingResult::failure(ImagingStrings::kOutOfMemory);
    blank.fill(*fill);
    image = std::move(blank);
    return ImagingResult::success();
}

// Copies rows of 32-bit pixels, forcing the unused top byte to opaque: the view may come
// from a caller's own buffer, and Qt expects 0xff there in Format_RGB32.
void copyOpaqueRows(ConstPixelArrayView from, QImage &to, int width, int height)
{
    for (int y = 0; y < height; ++y) {
        auto *target = reinterpret_cast<QRgb *>(to.scanLine(y));
        std::memcpy(target, from.row(y), size_t(width) * PixelLayout::kBytesPerPixel);
        for (int x = 0; x < width; ++x)
            target[x] |= kOpaque;
    }
}

ImagingResult fileTypeOf(int code, ImageFileType &type)
{
    const std::optional<ImageFileType> known = imageFileTypeFromCode(code);
    if (!known)
        return ImagingResult::failure(ImagingStrings::kUnknownFileType);
    type = *known;
    return ImagingResult::success();
}

} // namespace

void ImageObject::replaceKeepingResolution(QImage next)
{
    if (!m_image.isNull()) {
        next.setDotsPerMeterX(m_image.dotsPerMeterX());
        next.setDotsPerMeterY(m_image.dotsPerMeterY());
    }
    m_image = std::move(next);
    m_damage = PictureDamage();
}

ImagingResult ImageObject::SetResolution(int axis, std::int32_t pixelsPerInch)
{
    if (m_image.isNull())
        return ImagingResult::failure(ImagingStrings::kNoImage);
    if ((axis != kHorizontalAxis && axis != kVerticalAxis) || pixelsPerInch <= 0
        || pixelsPerInch > kMaxPixelsPerInch)
        return ImagingResult::failure(ImagingStrings::kInvalidResolution);
    const std::int32_t dotsPerMetre = nearestInt32(pixelsPerInch / kMetresPerInch).value_or(0);
    if (axis == kHorizontalAxis)
        m_image.setDotsPerMeterX(dotsPerMetre);
    else
        m_image.setDotsPerMeterY(dotsPerMetre);
    return ImagingResult::success();
}

std::int32_t ImageObject::Resolution(int axis) const
{
    if (m_image.isNull() || (axis != kHorizontalAxis && axis != kVerticalAxis))
        return 0;
    const int dotsPerMetre = axis == kHorizontalAxis ? m_image.dotsPerMeterX() : m_image.dotsPerMeterY();
    return nearestInt32(dotsPerMetre * kMetresPerInch).value_or(0);
}

ImagingResult ImageObject::LoadFile(const QString &path, DecodeFormats formats)
{
    QImage decoded;
    PictureDamage damage;
    if (ImagingResult result = decodeImageFile(path, decoded, formats, &damage); !result)
        return result;
    m_image = std::move(decoded);
    m_damage = damage;
    return ImagingResult::success();
}

ImagingResult ImageObject::FromImage(const ImageObject &other)
{
    m_image = other.m_image;
    m_damage = other.m_damage;
    return ImagingResult::success();
}

ImagingResult ImageObject::NewImage(std::int32_t width, std::int32_t height, std::uint32_t colour)
{
    QImage blank;
    if (ImagingResult result = blankImage(width, height, colour, blank); !result)
        return result;
    replaceKeepingResolution(std::move(blank));
    return ImagingResult::success();
}

ImagingResult ImageObject::NewImageToFill(std::int32_t width, std::int32_t height)
{
    if (!ImageLimits::isAllowedImageSize(width, height))
        return ImagingResult::failure(ImagingStrings::kInvalidImageSize);
    QImage unfilled(width, height, QImage::Format_RGB32);
    if (unfilled.isNull())
        return ImagingResult::failure(ImagingStrings::kOutOfMemory);
    replaceKeepingResolution(std::move(unfilled));
    return ImagingResult::success();
}

ImagingResult ImageObject::FromPixelArray(ConstPixelArrayView pixels)
{
    if (pixels.isEmpty())
        return ImagingResult::failure(ImagingStrings::kInvalidPixelArray);
    QImage copy(pixels.width(), pixels.height(), QImage::Format_RGB32);
    if (copy.isNull())
        return ImagingResult::failure(ImagingStrings::kOutOfMemory);
    copyOpaqueRows(pixels, copy, pixels.width(), pixels.height());
    replaceKeepingResolution(std::move(copy));
    return ImagingResult::success();
}

ImagingResult ImageObject::Resize(std::int32_t width, std::int32_t height)
{
    if (m_image.isNull())
        return ImagingResult::failure(ImagingStrings::kNoImage);
    if (!ImageLimits::isAllowedImageSize(width, height))
        return ImagingResult::failure(ImagingStrings::kInvalidImageSize);
    QImage resized = m_image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!resized.isNull() && resized.format() != QImage::Format_RGB32)
        resized.convertTo(QImage::Format_RGB32);
    if (resized.isNull())
        return ImagingResult::failure(ImagingStrings::kOutOfMemory);
    replaceKeepingResolution(std::move(resized));
    return ImagingResult::success();
}

ImagingResult ImageObject::SetCanvas(std::int32_t width, std::int32_t height, std::uint32_t colour)
{
    QImage canvas;
    if (ImagingResult result = blankImage(width, height, colour, canvas); !result)
        return result;
    if (!m_image.isNull()) {
        const int keptWidth = std::min(width, m_image.width());
        const int keptHeight = std::min(height, m_image.height());
        copyOpaqueRows(ConstPixelArray(), canvas, keptWidth, keptHeight);
    }
    replaceKeepingResolution(std::move(canvas));
    return ImagingResult::success();
}

ImagingResult ImageObject::Rotate(float degrees)
{
    if (m_image.isNull())
        return ImagingResult::failure(ImagingStrings::kNoImage);
    if (degrees != 90.0f && degrees != 180.0f && degrees != 270.0f)
        return ImagingResult::failure(ImagingStrings::kInvalidRotation);
    // The turned copy exists beside the image until it replaces it.
    if (ImagingResult room = DecodeBudget::checkRoomFor(m_image.sizeInBytes()); !room)
        return room;
    // Qt turns by whole quarter turns with exact pixel moves, without resampling; its y axis
    // points down, so a positive angle turns clockwise.
    QImage turned = m_image.transformed(QTransform().rotate(degrees));
    if (turned.isNull())
        return ImagingResult::failure(ImagingStrings::kOutOfMemory);
    const bool quarterTurn = degrees != 180.0f;
    turned.setDotsPerMeterX(quarterTurn ? m_image.dotsPerMeterY() : m_image.dotsPerMeterX());
    turned.setDotsPerMeterY(quarterTurn ? m_image.dotsPerMeterX() : m_image.dotsPerMeterY());
    // Qt's turn drops the colour profile, which must stay with the pixels.
    turned.setColorSpace(m_image.colorSpace());
    m_damage = m_damage.transformed(QTransform().rotate(degrees), m_image.size());
    m_image = std::move(turned);
    return ImagingResult::success();
}

QByteArray ImageObject::ColourProfile() const
{
    return m_image.colorSpace().iccProfile();
}

void ImageObject::SetColourProfile(const QByteArray &iccProfile)
{
    if (iccProfile.isEmpty()) {
        m_image.setColorSpace(QColorSpace());
        return;
    }
    const QColorSpace profile = QColorSpace::fromIccProfile(iccProfile);
    m_image.setColorSpace(profile.isValid() && isRgbColourProfile(iccProfile) ? profile : QColorSpace());
}

PixelArrayView ImageObject::PixelArray()
{
    if (m_image.isNull())
        return PixelArrayView();
    uchar *bits = m_image.bits();
    return PixelArrayView(bits, m_image.width(), m_image.height(), m_image.bytesPerLine());
}

ConstPixelArrayView ImageObject::ConstPixelArray() const
{
    if (m_image.isNull())
        return ConstPixelArrayView();
    return ConstPixelArrayView(m_image.constBits(), m_image.width(), m_image.height(), m_image.bytesPerLine());
}

ImagingResult ImageObject::SaveFile(const QString &path, int fileType) const
{
    QByteArray bytes;
    if (ImagingResult encoded = EncodeToBytes(bytes, fileType); !encoded)
        return encoded;
    return writeImageFile(path, bytes);
}

ImagingResult ImageObject::EncodeToBytes(QByteArray &bytes, int fileType) const
{
    ImageFileType type{};
    if (ImagingResult known = fileTypeOf(fileType, type); !known)
        return known;
    return encodeImage(m_image, type, bytes);
}

ImagingResult ImageObject::MeasureText(const QString &text, int pointSize, QSize &size) const
{
    const std::optional<QFont> font = fontForPointSize(pointSize);
    if (!font)
        return ImagingResult::failure(ImagingStrings::kInvalidPointSize);
    const QFontMetrics metrics(*font);
    size = QSize(metrics.horizontalAdvance(text), metrics.height());
    return ImagingResult::success();
}

ImagingResult ImageObject::DrawText(int x, int y, const QString &text, int pointSize, std::uint32_t colour)
{
    if (m_image.isNull())
        return ImagingResult::failure(ImagingStrings::kNoImage);
    const std::optional<QFont> font = fontForPointSize(pointSize);
    if (!font)
        return ImagingResult::failure(ImagingStrings::kInvalidPointSize);
    const std::optional<QColor> pen = colourFromValue(colour);
    if (!pen)
        return ImagingResult::failure(ImagingStrings::kInvalidColour);
    QPainter painter;
    if (!painter.begin(&m_image))
        return ImagingResult::failure(ImagingStrings::kTextDrawFailed);
    painter.setFont(*font);
    painter.setPen(*pen);
    painter.drawText(QPointF(x, double(y) + QFontMetrics(*font).ascent()), text);
    painter.end();
    return ImagingResult::success();
}
