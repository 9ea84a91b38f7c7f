#include "support/LayoutTestStates.h"
#include "support/TestImages.h"
#include "layout/PreviewLayout.h"

#include <gtest/gtest.h>

#include <set>

using namespace test_images;

namespace {

ConstPixelArrayView viewOf(const QImage &image)
{
    return ConstPixelArrayView(image.constBits(), image.width(), image.height(), image.bytesPerLine());
}

bool isRed(const ConstPixelArrayView &pixels, int x, int y)
{
    return pixelAt(pixels, x, y) == kGridRed;
}

} // namespace

TEST(PreviewLayoutFitBoxToRatio, NarrowsOrLowersTheBoxAndCentresIt)
{
    // Tiles 3 x 2 of 8 x 10 inches: a poster 1.2 times as wide as high.
    EXPECT_EQ(fitBoxToRatio(1.2, QRect(0, 0, 1000, 600)), QRect(140, 0, 720, 600));
    EXPECT_EQ(fitBoxToRatio(2.5, QRect(0, 0, 1000, 600)), QRect(0, 100, 1000, 400));
    EXPECT_EQ(fitBoxToRatio(1000.0 / 600, QRect(0, 0, 1000, 600)), QRect(0, 0, 1000, 600));
    EXPECT_EQ(fitBoxToRatio(1.2, QRect(0, 0, 0, 600)), QRect(0, 0, 0, 600));
}

TEST(PreviewLayoutFitToNewSizeForPic, PictureFillsTheRoomAboveTheCentredButton)
{
    PreviewWindowTwips window;
    window.windowWidth = 15000;
    window.windowHeight = 9000;
    window.clientWidth = 14880; // a frame of 60 twips each side
    window.buttonWidth = 1500;
    window.buttonHeight = 375;
    // gap = 93; room height = 9000 - (375 + 186) - 405 = 8034; room width 14880.
    std::optional<PreviewPlacement> placement = previewPlacement(14880.0 / 8034, window);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->picture, QRect(0, 0, 14880, 8034));
    EXPECT_EQ(placement->closeButton, QPoint(6690, 93 + 8034));

    placement = previewPlacement(1.0, window);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->picture, QRect(3423, 0, 8034, 8034));
    EXPECT_EQ(placement->closeButton.x(), 6690) << "the button stays under the whole room";

    window.windowHeight = 1000; // less than the minimum room
    placement = previewPlacement(1.0, window);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->picture.height(), 50);
    EXPECT_EQ(placement->closeButton.y(), 93 + 50);

    EXPECT_FALSE(previewPlacement(0, window));
}

TEST(PreviewLayoutCut, CutsTheGridAreaAndFitsItToTheBox)
{
    const LayoutState state = withImage(posterOf(3, 2, 8, 10), 3000, 2000);
    TileCoords coords;
    ASSERT_EQ(CalcTileCoord(state, coords), 6);

    std::optional<PreviewCut> cut = previewCut(coords, QSize(1000, 600));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->area, QRect(300, 0, 2399, 1999));
    EXPECT_EQ(cut->output, QSize(720, 600));

    cut = previewCut(coords, QSize(600, 1000));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->output, QSize(600, 500)); // 600 x 1999 / 2399 = 499.96

    EXPECT_FALSE(previewCut(coords, QSize(0, 600)));
    EXPECT_FALSE(previewCut(TileCoords(), QSize(1000, 600)));
    TileCoords onePixelHigh(1);
    onePixelHigh.set(2, 0, 99);
    EXPECT_FALSE(previewCut(onePixelHigh, QSize(1000, 600))) << "no height to scale";
}

TEST(PreviewLayoutPaint, LinesAreSpreadEvenlyOverThePictureBordersIncluded)
{
    std::unique_ptr<ImageObject> picture = plainImage(100, 50);
    PaintPreview(picture->PixelArray(), 3, 2);
    const std::set<int> columns{0, 33, 66, 99};
    const std::set<int> rows{0, 24, 49}; // 49 / 2 = 24.5 goes to the even 24
    const ConstPixelArrayView pixels = picture->ConstPixelArray();
    int wrong = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            wrong += isRed(pixels, x, y) != (columns.count(x) || rows.count(y));
    EXPECT_EQ(wrong, 0);

    // A 1 x 1 poster is one rectangle around the picture's border.
    std::unique_ptr<ImageObject> single = plainImage(10, 10);
    PaintPreview(single->PixelArray(), 1, 1);
    EXPECT_TRUE(isRed(single->ConstPixelArray(), 0, 5));
    EXPECT_TRUE(isRed(single->ConstPixelArray(), 9, 5));
    EXPECT_TRUE(isRed(single->ConstPixelArray(), 5, 9));
    EXPECT_FALSE(isRed(single->ConstPixelArray(), 5, 5));
}

TEST(PreviewLayoutFill, ShowsOnlyTheGridAreaAtTheBoxSize)
{
    // Green outside the grid area (columns 300 to 2699), blue inside.
    const LayoutState state = withImage(posterOf(3, 2, 8, 10), 3000, 2000);
    std::unique_ptr<ImageObject> source = plainImage(3000, 2000, 0x00FF00);
    const auto inside = source->PixelArray().region(300, 0, 2400, 2000);
    ASSERT_TRUE(inside);
    for (int y = 0; y < inside->height(); ++y)
        for (int x = 0; x < inside->width(); ++x)
            inside->setPixel(x, y, 0, 0, 255);

    const std::optional<QImage> picture = previewPicture(state, source->ConstPixelArray(), QSize(1000, 600));
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->size(), QSize(720, 600));
    const ConstPixelArrayView pixels = viewOf(*picture);
    int green = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 720; ++x)
            green += pixels.at(1, x, y) > 0;
    EXPECT_EQ(green, 0) << "nothing from outside the grid area";
    EXPECT_EQ(pixelAt(pixels, 100, 100), (Rgb{0, 0, 255}));
    for (int x : {0, 240, 479, 719})
        EXPECT_TRUE(isRed(pixels, x, 300)) << "column " << x;
    for (int y : {0, 300, 599})
        EXPECT_TRUE(isRed(pixels, 100, y)) << "row " << y;
}

TEST(PreviewLayoutFill, GridsWiderThan32767PixelsPreviewCorrectly)
{
    // 25 tiles of 8 x 2 inches across a 40000 x 400 image: the grid takes the whole image.
    // Bands: blue up to column 19999, white up to 32767, red-free green beyond.
    const LayoutState state = withImage(posterOf(25, 1, 8, 2), 40000, 400);
    std::unique_ptr<ImageObject> source = plainImage(40000, 400, 0xFFFFFF);
    const PixelArrayView pixels = source->PixelArray();
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 40000; ++x) {
            if (x < 20000)
                pixels.setPixel(x, y, 0, 0, 255);
            else if (x > 32767)
                pixels.setPixel(x, y, 0, 255, 0);
        }

    const std::optional<QImage> picture = previewPicture(state, source->ConstPixelArray(), QSize(2000, 1000));
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->size(), QSize(2000, 20)); // 2000 x 399 / 39999 = 19.95
    const ConstPixelArrayView preview = viewOf(*picture);
    EXPECT_EQ(pixelAt(preview, 500, 10), (Rgb{0, 0, 255}));
    EXPECT_EQ(pixelAt(preview, 1500, 10), kWhite);
    EXPECT_EQ(pixelAt(preview, 1900, 10), (Rgb{0, 255, 0}));
    EXPECT_TRUE(isRed(preview, 1999, 10));
    EXPECT_TRUE(isRed(preview, 1919, 10)); // 24 / 25 x 1999 = 1919.04
}

TEST(PreviewLayoutFill, NothingWithoutAnImageOrAUsableLayout)
{
    std::unique_ptr<ImageObject> source = plainImage(3000, 2000);
    LayoutState state = withImage(posterOf(3, 2, 8, 10), 3000, 2000);
    state.bImgSelected = false;
    EXPECT_FALSE(previewPicture(state, source->ConstPixelArray(), QSize(1000, 600)));

    state.bImgSelected = true;
    state.dTileHeight = 60;
    EXPECT_FALSE(previewPicture(state, source->ConstPixelArray(), QSize(1000, 600)));

    // A layout that claims a bigger image than the pixels at hand cuts nothing.
    state = withImage(posterOf(3, 2, 8, 10), 6000, 4000);
    EXPECT_FALSE(previewPicture(state, source->ConstPixelArray(), QSize(1000, 600)));
}
