#include "support/TestImages.h"

#include "resources/ImagingStrings.h"

#include <QColorSpace>

#include <gtest/gtest.h>

#include <functional>

using namespace test_images;

namespace {

constexpr int kWidth = 5;
constexpr int kHeight = 3;

struct RotationCase
{
    float degrees;
    int width;
    int height;
    // Where the source pixel (x, y) of a kWidth x kHeight image lands.
    std::function<QPoint(int, int)> destination;
};

void expectRotation(const RotationCase &rotation)
{
    const std::unique_ptr<ImageObject> image = makePatternImage(kWidth, kHeight);
    const QByteArray profile = QColorSpace(QColorSpace::DisplayP3).iccProfile();
    image->SetColourProfile(profile);
    ASSERT_TRUE(image->Rotate(rotation.degrees).ok());
    EXPECT_EQ(image->ColourProfile(), profile);
    ASSERT_EQ(image->Width(), rotation.width);
    ASSERT_EQ(image->Height(), rotation.height);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const QPoint to = rotation.destination(x, y);
            EXPECT_EQ(pixelAt(*image, to.x(), to.y()), patternColour(x, y))
                << rotation.degrees << " degrees, source " << x << "," << y;
        }
}

} // namespace

TEST(ImageRotation, TurnsClockwiseMovingEveryPixel)
{
    // Clockwise: the top edge becomes the right edge, so the top-right corner ends bottom-right.
    expectRotation({90, kHeight, kWidth, [](int x, int y) { return QPoint(kHeight - 1 - y, x); }});
    expectRotation({180, kWidth, kHeight, [](int x, int y) { return QPoint(kWidth - 1 - x, kHeight - 1 - y); }});
    // Three quarters clockwise: the top-right corner ends top-left.
    expectRotation({270, kHeight, kWidth, [](int x, int y) { return QPoint(y, kWidth - 1 - x); }});
}

TEST(ImageRotation, RefusesOtherAnglesAndEmptyImages)
{
    const std::unique_ptr<ImageObject> image = makePatternImage(kWidth, kHeight);
    for (float degrees : {0.0f, 45.0f, -90.0f, 360.0f, 90.5f})
        EXPECT_EQ(image->Rotate(degrees).errorText(), ImagingStrings::kInvalidRotation) << degrees;
    EXPECT_EQ(pixelAt(*image, kWidth - 1, 0), patternColour(kWidth - 1, 0));
    EXPECT_EQ(makeImage()->Rotate(90).errorText(), ImagingStrings::kNoImage);
}

TEST(ImageResize, GivesExactlyTheRequestedSize)
{
    const std::unique_ptr<ImageObject> image = makePatternImage(400, 500);
    ASSERT_TRUE(image->Resize(640, 800).ok());
    EXPECT_EQ(image->Width(), 640);
    EXPECT_EQ(image->Height(), 800);
    ASSERT_TRUE(image->Resize(1, 333).ok());
    EXPECT_EQ(image->Width(), 1);
    EXPECT_EQ(image->Height(), 333);
}

TEST(ImageResize, AveragesWhenShrinking)
{
    // Black and white columns shrunk to half width give grey, not every other column.
    const std::unique_ptr<ImageObject> image = makeImage();
    ASSERT_TRUE(image->NewImage(64, 8, 0).ok());
    const PixelArrayView pixels = image->PixelArray();
    for (int y = 0; y < 8; ++y)
        for (int x = 1; x < 64; x += 2)
            pixels.setPixel(x, y, 255, 255, 255);
    ASSERT_TRUE(image->Resize(32, 8).ok());
    const int grey = pixelAt(*image, 16, 4)[0];
    EXPECT_GT(grey, 64);
    EXPECT_LT(grey, 192);
}

TEST(ImageResize, RefusesBadSizesAndKeepsTheImage)
{
    const std::unique_ptr<ImageObject> image = makePatternImage(10, 10);
    for (const auto &[width, height] : {std::pair{0, 10}, {10, 0}, {-3, 5}, {100000, 100000}})
        EXPECT_EQ(image->Resize(width, height).errorText(), ImagingStrings::kInvalidImageSize);
    EXPECT_EQ(image->Width(), 10);
    EXPECT_EQ(makeImage()->Resize(5, 5).errorText(), ImagingStrings::kNoImage);
}

TEST(BlankImages, TakeColoursWithRedInTheLowByte)
{
    const std::unique_ptr<ImageObject> image = makeImage();
    ASSERT_TRUE(image->NewImage(3, 2, 0x00336699).ok());
    EXPECT_EQ(image->Width(), 3);
    EXPECT_EQ(image->Height(), 2);
    EXPECT_EQ(pixelAt(*image, 2, 1), (Rgb{0x99, 0x66, 0x33}));

    ASSERT_TRUE(image->NewImage(2, 2, 0xFFFFFF).ok());
    EXPECT_EQ(pixelAt(*image, 0, 0), (Rgb{255, 255, 255}));

    EXPECT_EQ(image->NewImage(2, 2, 0x01000000).errorText(), ImagingStrings::kInvalidColour);
    EXPECT_EQ(image->NewImage(0, 2, 0).errorText(), ImagingStrings::kInvalidImageSize);
    EXPECT_EQ(image->NewImage(100000, 100000, 0).errorText(), ImagingStrings::kInvalidImageSize);
    EXPECT_EQ(image->Width(), 2);
}

TEST(BlankImages, SetCanvasKeepsThePictureAtTheTopLeft)
{
    const std::unique_ptr<ImageObject> empty = makeImage();
    ASSERT_TRUE(empty->SetCanvas(4, 3, 0xFFFFFF).ok());
    EXPECT_EQ(pixelAt(*empty, 3, 2), (Rgb{255, 255, 255}));

    const std::unique_ptr<ImageObject> image = makePatternImage(4, 3);
    ASSERT_TRUE(image->SetCanvas(6, 2, 0x0000FF).ok());
    EXPECT_EQ(image->Width(), 6);
    EXPECT_EQ(image->Height(), 2);
    EXPECT_EQ(pixelAt(*image, 3, 1), patternColour(3, 1));
    EXPECT_EQ(pixelAt(*image, 4, 0), (Rgb{255, 0, 0}));
}

TEST(ImageCopies, AreExactAndIndependent)
{
    const std::unique_ptr<ImageObject> original = makePatternImage(8, 6);
    const std::unique_ptr<ImageObject> copy = makeImage();
    ASSERT_TRUE(copy->FromImage(*original).ok());
    EXPECT_EQ(copy->image(), original->image());

    copy->PixelArray().setPixel(0, 0, 1, 2, 3);
    EXPECT_EQ(pixelAt(*copy, 0, 0), (Rgb{1, 2, 3}));
    EXPECT_EQ(pixelAt(*original, 0, 0), patternColour(0, 0));
}
