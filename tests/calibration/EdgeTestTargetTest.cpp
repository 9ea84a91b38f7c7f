#include "calibration/EdgeTestTarget.h"
#include "imaging/ImageObjectFactory.h"
#include "support/TempDir.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Rgb = std::array<int, 3>;

const Rgb kWhitePixel{255, 255, 255};

Rgb pixelAt(const ConstPixelArrayView &pixels, int x, int y)
{
    return {pixels.at(0, x, y), pixels.at(1, x, y), pixels.at(2, x, y)};
}

Rgb stripeColour(int stripe)
{
    const auto &colour = kStripeColours[stripe];
    return {colour[0], colour[1], colour[2]};
}

// Every pixel within 32 of an edge carries the stripe of its edge distance.
void expectStripedBorder(const ConstPixelArrayView &pixels)
{
    const int width = pixels.width();
    const int height = pixels.height();
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int distance = std::min({x, y, width - 1 - x, height - 1 - y});
            if (distance >= kStripedBorderPixels)
                continue;
            if (pixelAt(pixels, x, y) != stripeColour(distance / kStripeWidthPixels) && ++wrong <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " at edge distance " << distance;
        }
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace

TEST(EdgeTestTargetStripes, FollowTheEdgeDistanceRuleOnImagesOfAnySize)
{
    EXPECT_EQ(stripeAtEdgeDistance(0), 0);
    EXPECT_EQ(stripeAtEdgeDistance(7), 0);
    EXPECT_EQ(stripeAtEdgeDistance(8), 1);
    EXPECT_EQ(stripeAtEdgeDistance(31), 3);
    EXPECT_EQ(stripeAtEdgeDistance(32), -1);
    EXPECT_EQ(stripeAtEdgeDistance(-1), -1);

    // Wide, tall, tiny and just-wider-than-the-border images, the interior untouched.
    for (const auto &[width, height] : {std::pair{200, 90}, {70, 150}, {5, 3}, {65, 65}}) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        std::unique_ptr<ImageObject> image = createImageObject();
        ASSERT_TRUE(image->NewImage(width, height, 0xFFFFFF));
        ASSERT_TRUE(DrawEdgeStripes(image->PixelArray()));
        expectStripedBorder(image->ConstPixelArray());
        if (width > 64 && height > 64) {
            EXPECT_EQ(pixelAt(image->ConstPixelArray(), 32, 32), kWhitePixel);
        }
    }
    EXPECT_FALSE(DrawEdgeStripes(PixelArrayView()));
}

TEST(EdgeTestTarget, FourBySixInchTileGivesTheStripedTargetAt128PixelsPerInch)
{
    EdgeTestTarget target;
    ASSERT_TRUE(target.CreateEdgeTestImage(6.0, 4.0));
    ASSERT_FALSE(target.hasError());
    EXPECT_TRUE(target.errorText().isEmpty());
    const ImageObject *image = target.image();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Width(), 512);
    EXPECT_EQ(image->Height(), 768);

    const ConstPixelArrayView pixels = image->ConstPixelArray();
    expectStripedBorder(pixels);
    // The stripes run outermost brown, then blue, green and red, on every side.
    EXPECT_EQ(pixelAt(pixels, 300, 0), (Rgb{180, 120, 0}));
    EXPECT_EQ(pixelAt(pixels, 511, 400), (Rgb{180, 120, 0}));
    EXPECT_EQ(pixelAt(pixels, 300, 8), (Rgb{0, 0, 255}));
    EXPECT_EQ(pixelAt(pixels, 16, 400), (Rgb{0, 255, 0}));
    EXPECT_EQ(pixelAt(pixels, 300, 767 - 24), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixelAt(pixels, 32, 32), kWhitePixel);

    // The caption is drawn in black around the middle and nowhere near the stripes.
    int darkPixels = 0;
    for (int y = 32; y < 768 - 32; ++y)
        for (int x = 32; x < 512 - 32; ++x)
            if (pixelAt(pixels, x, y) != kWhitePixel)
                ++darkPixels;
    EXPECT_GT(darkPixels, 500);
    for (int x = 32; x < 512 - 32; ++x) {
        EXPECT_EQ(pixelAt(pixels, x, 200), kWhitePixel) << x;
        EXPECT_EQ(pixelAt(pixels, x, 560), kWhitePixel) << x;
    }

    TempDir dir;
    for (const auto &[name, type] : {std::pair{"target.tif", 3}, {"target.bmp", 6}, {"target.jpg", 1}}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(target.save(path, type));
        QImageReader reader(path);
        const QImage read = reader.read();
        ASSERT_FALSE(read.isNull());
        EXPECT_EQ(read.size(), QSize(512, 768));
        EXPECT_NEAR(read.dotsPerMeterX() * 0.0254, 128.0, 0.5);
        EXPECT_NEAR(read.dotsPerMeterY() * 0.0254, 128.0, 0.5);
    }
}

TEST(EdgeTestTarget, SizesRoundHalvesToEvenAndBadSizesFailWithAReason)
{
    EdgeTestTarget target;
    // 0.75390625 inch is 96.5 pixels: the half goes to the even 96.
    ASSERT_TRUE(target.CreateEdgeTestImage(0.75390625, 0.75));
    EXPECT_EQ(target.image()->Width(), 96);
    EXPECT_EQ(target.image()->Height(), 96);

    EXPECT_FALSE(target.CreateEdgeTestImage(std::numeric_limits<double>::quiet_NaN(), 4.0));
    EXPECT_TRUE(target.hasError());
    EXPECT_FALSE(target.errorText().isEmpty());
    EXPECT_EQ(target.image(), nullptr);
    EXPECT_FALSE(target.save(TempDir().filePath("never.jpg"), 1));

    // A new build clears the previous failure.
    EXPECT_TRUE(target.CreateEdgeTestImage(1.0, 1.0));
    EXPECT_FALSE(target.hasError());
    EXPECT_TRUE(target.errorText().isEmpty());
}

TEST(EdgeTestTarget, FileTypeComesFromARealExtension)
{
    EXPECT_EQ(testTargetFileType("/home/u/Edge_Test_Image.bmp"), 6);
    EXPECT_EQ(testTargetFileType("/home/u/Edge_Test_Image.tif"), 3);
    EXPECT_EQ(testTargetFileType("/home/u/Edge_Test_Image.jpg"), 1);
    EXPECT_EQ(testTargetFileType("/home/u/Edge_Test_Image.JPG"), 1);
    EXPECT_EQ(testTargetFileType("/home/u/a.b.Tif"), 3);

    EXPECT_EQ(testTargetFileType("/home/u/Edge_Test_Image.png"), 0);
    EXPECT_EQ(testTargetFileType("/home/u/Edge_Test_Image"), 0);
    // The last three letters alone do not make an extension.
    EXPECT_EQ(testTargetFileType("/home/u/targetjpg"), 0);
    EXPECT_EQ(testTargetFileType("/home/u/.jpg"), 0);
    EXPECT_EQ(testTargetFileType("jpg"), 0);
    EXPECT_EQ(testTargetFileType("/home/u/x.jpeg"), 0);
    EXPECT_EQ(testTargetFileType(QString()), 0);
}
