#pragma once

#include "imaging/ImageObject.h"
#include "imaging/PixelArrayView.h"

#include <QString>

#include <array>
#include <memory>

// The printable edge calibration target: an image one tile print size large at a fixed
// 128 pixels per inch, whose border carries four concentric stripes of 1/16 inch each
// (outermost first: brown, blue, green, red) and the words "Edge Test Print" in the
// middle. Counting the stripes that survive printing tells how much the printer clips.

inline constexpr int kTestTargetPixelsPerInch = 128;
inline constexpr int kStripeWidthPixels = 8;
inline constexpr int kStripeCount = 4;
inline constexpr int kStripedBorderPixels = kStripeWidthPixels * kStripeCount;

// Stripe colours as (channel 0, channel 1, channel 2) of the pixel array, outermost first.
inline constexpr std::array<std::array<uchar, 3>, kStripeCount> kStripeColours{{
    {180, 120, 0},
    {0, 0, 255},
    {0, 255, 0},
    {255, 0, 0},
}};

// The stripe a pixel at the given distance from the nearest edge belongs to, or -1 for
// the white interior.
int stripeAtEdgeDistance(int edgeDistance);

// Paints the four stripes into the pixel array in place; the interior is left as it is.
// False for an empty array.
bool DrawEdgeStripes(PixelArrayView pixels);

// File type code (ImageFileType: 6 BMP, 3 TIFF, 1 JPEG) for a test target path, from
// its extension "bmp", "tif" or "jpg" in any case; 0 for any other name, a name without
// an extension and a bare extension such as ".jpg".
int testTargetFileType(const QString &path);

// Builds the target in its one image and keeps the outcome of the last build.
class EdgeTestTarget
{
public:
    // The target for a tile print size in inches. False on failure, with errorText() saying why.
    bool CreateEdgeTestImage(double heightInches, double widthInches);

    bool hasError() const { return m_error; }
    const QString &errorText() const { return m_errorText; }
    // The last image built; null before the first build or after a failed one.
    const ImageObject *image() const { return m_error ? nullptr : m_image.get(); }

    // Writes the built image stamped with 128 pixels per inch.
    ImagingResult save(const QString &path, int fileType);

private:
    // Draws the caption in black, centred, in the largest point size the search allows
    // for a box of the image's size times boxFraction.
    bool DrawCenteredText(double boxFraction = 0.5);
    bool fail(const QString &errorText);

    std::unique_ptr<ImageObject> m_image;
    bool m_error = false;
    QString m_errorText;
};
