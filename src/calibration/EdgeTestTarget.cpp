#include "calibration/EdgeTestTarget.h"

#include "common/Rounding.h"
#include "imaging/ImageObjectFactory.h"
#include "resources/CalibrationStrings.h"
#include "resources/ImagingStrings.h"

#include <QFileInfo>
#include <QSize>

#include <algorithm>
#include <optional>

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr int kSmallestPointSize = 6;
constexpr int kLargestPointSize = 200;

void paintStripePixel(const PixelArrayView &pixels, int x, int y, int edgeDistance)
{
    const int stripe = stripeAtEdgeDistance(edgeDistance);
    if (stripe < 0)
        return;
    const auto &colour = kStripeColours[stripe];
    pixels.setPixel(x, y, colour[0], colour[1], colour[2]);
}

} // namespace

int stripeAtEdgeDistance(int edgeDistance)
{
    if (edgeDistance < 0 || edgeDistance >= kStripedBorderPixels)
        return -1;
    return edgeDistance / kStripeWidthPixels;
}

bool DrawEdgeStripes(PixelArrayView pixels)
{
    if (pixels.isEmpty())
        return false;
    const int width = pixels.width();
    const int height = pixels.height();
    // Rows near the top or bottom edge are striped across; every other row only within
    // the border's reach of the left and right edges.
    const int leftBandEnd = std::min(kStripedBorderPixels, width);
    const int rightBandStart = std::max(leftBandEnd, width - kStripedBorderPixels);
    for (int y = 0; y < height; ++y) {
        const int rowDistance = std::min(y, height - 1 - y);
        const bool wholeRow = rowDistance < kStripedBorderPixels;
        for (int x = 0; x < width; ++x) {
            if (!wholeRow && x == leftBandEnd)
                x = rightBandStart;
            if (x >= width)
                break;
            const int columnDistance = std::min(x, width - 1 - x);
            paintStripePixel(pixels, x, y, std::min(rowDistance, columnDistance));
        }
    }
    return true;
}

int testTargetFileType(const QString &path)
{
    const QFileInfo info(path);
    if (info.completeBaseName().isEmpty())
        return 0;
    const QString extension = info.suffix().toLower();
    if (extension == QLatin1String("bmp"))
        return 6;
    if (extension == QLatin1String("tif"))
        return 3;
    if (extension == QLatin1String("jpg"))
        return 1;
    return 0;
}

bool EdgeTestTarget::CreateEdgeTestImage(double heightInches, double widthInches)
{
    m_error = false;
    m_errorText.clear();
    m_image = createImageObject();
    if (!m_image)
        return fail(ImagingStrings::kInitializationFailed);

    const std::optional<std::int32_t> width = nearestInt32(widthInches * kTestTargetPixelsPerInch);
    const std::optional<std::int32_t> height = nearestInt32(heightInches * kTestTargetPixelsPerInch);
    if (!width || !height)
        return fail(ImagingStrings::kInvalidImageSize);
    if (ImagingResult made = m_image->NewImage(*width, *height, kWhite); !made)
        return fail(made.errorText());
    // The pixels are painted in place, so no copy out and back in is needed.
    if (!DrawEdgeStripes(m_image->PixelArray()))
        return fail(ImagingStrings::kInvalidPixelArray);
    return DrawCenteredText();
}

bool EdgeTestTarget::DrawCenteredText(double boxFraction)
{
    const QString &text = CalibrationStrings::kTargetText;
    const auto textFailure = [this](const QString &description) {
        return fail(CalibrationStrings::kTextError + QStringLiteral(" - ") + description);
    };
    const std::optional<std::int32_t> boxWidth = nearestInt32(m_image->Width() * boxFraction);
    const std::optional<std::int32_t> boxHeight = nearestInt32(m_image->Height() * boxFraction);
    if (!boxWidth || !boxHeight)
        return textFailure(ImagingStrings::kInvalidImageSize);

    // The search stops at the first size that no longer fits the box and draws in it.
    int pointSize = kLargestPointSize + 1;
    QSize textSize;
    for (int size = kSmallestPointSize; size <= kLargestPointSize; ++size) {
        if (ImagingResult measured = m_image->MeasureText(text, size, textSize); !measured)
            return textFailure(measured.errorText());
        if (textSize.width() > *boxWidth || textSize.height() > *boxHeight) {
            pointSize = size;
            break;
        }
    }
    if (pointSize > kLargestPointSize) {
        if (ImagingResult measured = m_image->MeasureText(text, pointSize, textSize); !measured)
            return textFailure(measured.errorText());
    }

    const std::optional<std::int32_t> x = nearestInt32(m_image->Width() / 2.0 - textSize.width() / 2.0);
    const std::optional<std::int32_t> y = nearestInt32(m_image->Height() / 2.0 - textSize.height() / 2.0);
    if (!x || !y)
        return textFailure(ImagingStrings::kTextDrawFailed);
    if (ImagingResult drawn = m_image->DrawText(*x, *y, text, pointSize, kBlack); !drawn)
        return textFailure(drawn.errorText());
    return true;
}

ImagingResult EdgeTestTarget::save(const QString &path, int fileType)
{
    if (m_error || !m_image || m_image->IsEmpty())
        return ImagingResult::failure(m_errorText);
    if (ImagingResult stamped = m_image->SetResolution(ImageObject::kHorizontalAxis, kTestTargetPixelsPerInch); !stamped)
        return stamped;
    if (ImagingResult stamped = m_image->SetResolution(ImageObject::kVerticalAxis, kTestTargetPixelsPerInch); !stamped)
        return stamped;
    return m_image->SaveFile(path, fileType);
}

bool EdgeTestTarget::fail(const QString &errorText)
{
    m_error = true;
    m_errorText = errorText;
    return false;
}
