#include "support/TestImages.h"

#include "resources/ImagingStrings.h"

#include <gtest/gtest.h>

using namespace test_images;

namespace {

const QString kCaption = QStringLiteral("Edge Test Print");

QSize measured(const ImageObject &image, int pointSize)
{
    QSize size;
    EXPECT_TRUE(image.MeasureText(kCaption, pointSize, size).ok());
    return size;
}

} // namespace

TEST(ImageText, MeasureGrowsWithPointSize)
{
    const std::unique_ptr<ImageObject> image = makeImage();
    QSize previous = measured(*image, 6);
    EXPECT_GT(previous.width(), 0);
    EXPECT_GT(previous.height(), 0);
    for (int pointSize : {7, 12, 48, 200}) {
        const QSize size = measured(*image, pointSize);
        EXPECT_GT(size.width(), previous.width()) << pointSize;
        EXPECT_GE(size.height(), previous.height()) << pointSize;
        previous = size;
    }
    EXPECT_GT(previous.height(), measured(*image, 12).height() * 10);
}

TEST(ImageText, DrawsInsideTheMeasuredBoxAtTheGivenCorner)
{
    const std::unique_ptr<ImageObject> image = makeImage();
    ASSERT_TRUE(image->NewImage(400, 200, 0xFFFFFF).ok());
    const QSize size = measured(*image, 20);
    const QPoint corner(50, 60);
    ASSERT_TRUE(image->DrawText(corner.x(), corner.y(), kCaption, 20, 0).ok());

    int inkInside = 0;
    int inkOutside = 0;
    const QRect box(corner, size);
    for (int y = 0; y < image->Height(); ++y)
        for (int x = 0; x < image->Width(); ++x) {
            if (pixelAt(*image, x, y)[0] >= 128)
                continue;
            (box.adjusted(-1, -1, 1, 1).contains(x, y) ? inkInside : inkOutside) += 1;
        }
    EXPECT_GT(inkInside, 50);
    EXPECT_EQ(inkOutside, 0);
}

TEST(ImageText, RefusesBadArguments)
{
    const std::unique_ptr<ImageObject> image = makeImage();
    QSize size;
    EXPECT_EQ(image->MeasureText(kCaption, 0, size).errorText(), ImagingStrings::kInvalidPointSize);
    EXPECT_EQ(image->DrawText(0, 0, kCaption, 12, 0).errorText(), ImagingStrings::kNoImage);
    ASSERT_TRUE(image->NewImage(20, 20, 0).ok());
    EXPECT_EQ(image->DrawText(0, 0, kCaption, -4, 0).errorText(), ImagingStrings::kInvalidPointSize);
    EXPECT_EQ(image->DrawText(0, 0, kCaption, 12, 0x1000000).errorText(), ImagingStrings::kInvalidColour);
    // Far outside the picture nothing is drawn, and nothing overflows.
    EXPECT_TRUE(image->DrawText(2147483647, 2147483647, kCaption, 12, 0xFFFFFF).ok());
    EXPECT_EQ(pixelAt(*image, 19, 19), (Rgb{0, 0, 0}));
}
