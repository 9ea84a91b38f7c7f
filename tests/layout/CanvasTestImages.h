#pragma once

#include "imaging/ImageObject.h"
#include "imaging/ImageObjectFactory.h"

#include <array>
#include <memory>
#include <stdexcept>

// Images for the canvas, placement and preview tests.
namespace canvas_test {

using Rgb = std::array<int, 3>;

inline constexpr Rgb kGridRed{255, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// A width x height image of one colour (0x00BBGGRR).
inline std::unique_ptr<ImageObject> plainImage(int width, int height, std::uint32_t colour = 0xFFFFFF)
{
    std::unique_ptr<ImageObject> image = CreateImageObject();
    if (!image || !image->NewImage(width, height, colour))
        throw std::runtime_error("cannot make a test image");
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

} // namespace canvas_test
