#pragma once

#include "imaging/ImageObject.h"
#include "imaging/ImageObjectFactory.h"

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>

// Images made in memory for the tests, and reading their pixels back.
namespace test_images {

using Rgb = std::array<int, 3>;

inline constexpr Rgb kGridRed{255, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

inline std::unique_ptr<ImageObject> makeImage()
{
    std::unique_ptr<ImageObject> image = createImageObject();
    if (!image)
        throw std::runtime_error("createImageObject failed");
    return image;
}

// A width x height image of one colour (0x00BBGGRR).
inline std::unique_ptr<ImageObject> plainImage(int width, int height, std::uint32_t colour = 0xFFFFFF)
{
    std::unique_ptr<ImageObject> image = makeImage();
    if (!image->NewImage(width, height, colour))
        throw std::runtime_error("NewImage failed");
    return image;
}

// A colour per pixel that tells every position apart in images up to 256 x 256.
inline Rgb patternColour(int x, int y) { return {x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF}; }

// A new image whose pixels carry patternColour.
inline std::unique_ptr<ImageObject> makePatternImage(int width, int height)
{
    std::unique_ptr<ImageObject> image = plainImage(width, height, 0);
    const PixelArrayView pixels = image->PixelArray();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb c = patternColour(x, y);
            pixels.setPixel(x, y, uchar(c[0]), uchar(c[1]), uchar(c[2]));
        }
    return image;
}

inline Rgb pixelAt(const ConstPixelArrayView &pixels, int x, int y)
{
    return {pixels.at(0, x, y), pixels.at(1, x, y), pixels.at(2, x, y)};
}

inline Rgb pixelAt(const ImageObject &image, int x, int y)
{
    return pixelAt(image.ConstPixelArray(), x, y);
}

} // namespace test_images
