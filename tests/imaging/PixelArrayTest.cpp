#include "support/TestImages.h"

#include "resources/ImagingStrings.h"

#include <gtest/gtest.h>

#include <vector>

using namespace test_images;

TEST(PixelArray, ChannelsAreRedGreenBlueOverTheImagesOwnRows)
{
    const std::unique_ptr<ImageObject> image = makeImage();
    ASSERT_TRUE(image->NewImage(4, 3, 0).ok());
    image->PixelArray().setPixel(3, 2, 10, 20, 30);

    EXPECT_EQ(image->image().pixel(3, 2), qRgb(10, 20, 30));
    const ConstPixelArrayView view = image->ConstPixelArray();
    EXPECT_EQ(view.row(1), image->image().constScanLine(1));
    EXPECT_EQ(view.width(), 4);
    EXPECT_EQ(view.height(), 3);
    EXPECT_TRUE(makeImage()->ConstPixelArray().isEmpty());
}

TEST(PixelArray, WritesInPlaceAndRoundTripsThroughANewImage)
{
    const std::unique_ptr<ImageObject> image = makePatternImage(20, 10);
    const std::unique_ptr<ImageObject> copy = makeImage();
    ASSERT_TRUE(copy->FromPixelArray(image->ConstPixelArray()).ok());
    ASSERT_EQ(copy->Width(), 20);
    ASSERT_EQ(copy->Height(), 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(pixelAt(*copy, x, y), patternColour(x, y));

    // Loading an image's own array back leaves it as it is.
    ASSERT_TRUE(image->FromPixelArray(image->ConstPixelArray()).ok());
    EXPECT_EQ(pixelAt(*image, 19, 9), patternColour(19, 9));
}

TEST(PixelArray, CutsARegionWithoutTouchingTheRest)
{
    const std::unique_ptr<ImageObject> source = makePatternImage(30, 20);
    const std::optional<ConstPixelArrayView> region = source->ConstPixelArray().region(10, 5, 7, 4);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->at(0, 0, 0), patternColour(10, 5)[0]);

    const std::unique_ptr<ImageObject> tile = makeImage();
    ASSERT_TRUE(tile->FromPixelArray(*region).ok());
    ASSERT_EQ(tile->Width(), 7);
    ASSERT_EQ(tile->Height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(pixelAt(*tile, x, y), patternColour(10 + x, 5 + y));

    // The last pixel and whole-image regions fit; anything reaching outside does not.
    const ConstPixelArrayView all = source->ConstPixelArray();
    EXPECT_TRUE(all.region(29, 19, 1, 1).has_value());
    EXPECT_TRUE(all.region(0, 0, 30, 20).has_value());
    EXPECT_FALSE(all.region(29, 19, 2, 1).has_value());
    EXPECT_FALSE(all.region(-1, 0, 5, 5).has_value());
    EXPECT_FALSE(all.region(0, 0, 0, 5).has_value());
    EXPECT_FALSE(all.region(5, 5, 2147483647, 1).has_value());
    EXPECT_FALSE(ConstPixelArrayView().region(0, 0, 1, 1).has_value());
}

TEST(PixelArray, AcceptsACallersBufferAndMakesItOpaque)
{
    // Two pixels per row plus two bytes of padding, the fourth byte of each pixel left zero.
    constexpr int kBytesPerLine = 2 * PixelLayout::kBytesPerPixel + 2;
    std::vector<uchar> buffer(3 * kBytesPerLine, 0);
    const PixelArrayView view(buffer.data(), 2, 3, kBytesPerLine);
    view.setPixel(1, 2, 200, 100, 50);

    const std::unique_ptr<ImageObject> image = makeImage();
    ASSERT_TRUE(image->FromPixelArray(view).ok());
    EXPECT_EQ(image->image().pixel(1, 2), qRgb(200, 100, 50));
    EXPECT_EQ(qAlpha(image->image().pixel(0, 0)), 255);

    EXPECT_TRUE(PixelArrayView(buffer.data(), 3, 3, kBytesPerLine).isEmpty());
    EXPECT_TRUE(PixelArrayView(nullptr, 2, 3, kBytesPerLine).isEmpty());
    EXPECT_EQ(image->FromPixelArray(ConstPixelArrayView()).errorText(), ImagingStrings::kInvalidPixelArray);
    EXPECT_EQ(image->Width(), 2);
}
