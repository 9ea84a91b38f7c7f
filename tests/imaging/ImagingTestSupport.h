#pragma once

#include "imaging/ImageObject.h"
#include "imaging/ImageObjectFactory.h"

#include <array>
#include <memory>

namespace imaging_test {

using Rgb = std::array<int, 3>;

inline std::unique_ptr<ImageObject> makeImage()
{
    std::unique_ptr<ImageObject> image = CreateImageObject();
    if (!image)
        throw std::runtime_error("CreateImageObject failed");
    return image;
}

// A colour per pixel that tells every position apart in images up to 256 x 256.
inline Rgb patternColour(int x, int y) { return {x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF}; }

// A new image whose pixels carry patternColour.
inline std::unique_ptr<ImageObject> makePatternImage(int width, int height)
{
    std::unique_ptr<ImageObject> image = makeImage();
    if (!image->NewImage(width, height, 0))
        throw std::runtime_error("NewImage failed");
    const PixelArrayView pixels = image->PixelArray();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb c = patternColour(x, y);
            pixels.setPixel(x, y, uchar(c[0]), uchar(c[1]), uchar(c[2]));
        }
    return image;
}

inline Rgb pixelAt(const ImageObject &image, int x, int y)
{
    const ConstPixelArrayView pixels = image.ConstPixelArray();
    return {pixels.at(0, x, y), pixels.at(1, x, y), pixels.at(2, x, y)};
}

} // namespace imaging_test
