#include "support/TestImages.h"
#include "layout/LayoutControlRules.h"
#include "support/LayoutTestStates.h"

#include <gtest/gtest.h>

using namespace test_images;

TEST(LayoutControlRulesTileCountLock, LockedListsFollowEachOther)
{
    LayoutState state;
    chooseLockWh(state, true);
    EXPECT_EQ(state.tilesHighIndex, state.tilesWideIndex);

    ASSERT_TRUE(chooseTilesWide(state, 6));
    EXPECT_EQ(state.tilesWide(), 7);
    EXPECT_EQ(state.tilesHigh(), 7);
    ASSERT_TRUE(chooseTilesHigh(state, 2));
    EXPECT_EQ(state.tilesWide(), 3);
    EXPECT_EQ(state.tilesHigh(), 3);

    chooseLockWh(state, false);
    chooseTilesWide(state, 4);
    EXPECT_EQ(state.tilesHigh(), 3);
    chooseLockWh(state, true);
    EXPECT_EQ(state.tilesHigh(), 5) << "ticking the lock copies tiles wide";

    EXPECT_FALSE(chooseTilesWide(state, 25));
    EXPECT_FALSE(chooseTilesHigh(state, -1));
    EXPECT_EQ(state.tilesWide(), 5);
    EXPECT_EQ(state.tilesHigh(), 5);
}

TEST(LayoutControlRulesZoomReadout, ShowsThePercentInBrackets)
{
    EXPECT_EQ(zoomReadoutText(25), QStringLiteral("(25%)"));
}

namespace {

// A 300 x 200 image, already turned a quarter clockwise (now 200 x 300), with one red pixel
// in its top-left corner to follow the turns by.
class LayoutControlRulesRotateImageToTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        img->PixelArray().setPixel(0, 0, 255, 0, 0);
        state.iImgRotation = 90;
    }

    std::unique_ptr<ImageObject> img = plainImage(200, 300);
    LayoutState state = withImage(LayoutState(), 200, 300);
};

} // namespace

TEST_F(LayoutControlRulesRotateImageToTest, QuarterTurnSwapsTheSize)
{
    ASSERT_EQ(RotateImageTo(*img, state, 180), ImageTurn::Turned);
    EXPECT_EQ(state.iImgRotation, 180);
    EXPECT_EQ(img->Width(), 300);
    EXPECT_EQ(img->Height(), 200);
    EXPECT_EQ(state.lImgWidth, 300);
    EXPECT_EQ(state.lImgHeight, 200);
    EXPECT_EQ(pixelAt(*img, 299, 0), kGridRed) << "a clockwise turn takes top-left to top-right";
}

TEST_F(LayoutControlRulesRotateImageToTest, HalfTurnKeepsTheSize)
{
    ASSERT_EQ(RotateImageTo(*img, state, 270), ImageTurn::Turned);
    EXPECT_EQ(state.iImgRotation, 270);
    EXPECT_EQ(state.lImgWidth, 200);
    EXPECT_EQ(state.lImgHeight, 300);
    EXPECT_EQ(pixelAt(*img, 199, 299), kGridRed);

    ASSERT_EQ(RotateImageTo(*img, state, 0), ImageTurn::Turned);
    EXPECT_EQ(state.iImgRotation, 0);
    EXPECT_EQ(state.lImgWidth, 300);
    EXPECT_EQ(state.lImgHeight, 200);
    EXPECT_EQ(img->Width(), 300);
    EXPECT_EQ(pixelAt(*img, 0, 199), kGridRed) << "three quarter turns in all take top-left to bottom-left";
}

TEST_F(LayoutControlRulesRotateImageToTest, NothingChangesWithoutAUsableTurn)
{
    EXPECT_EQ(RotateImageTo(*img, state, 90), ImageTurn::Unchanged);
    EXPECT_EQ(RotateImageTo(*img, state, 45), ImageTurn::Failed);
    EXPECT_EQ(RotateImageTo(*img, state, 360), ImageTurn::Failed);
    EXPECT_EQ(pixelAt(*img, 0, 0), kGridRed);

    std::unique_ptr<ImageObject> empty = createImageObject();
    EXPECT_EQ(RotateImageTo(*empty, state, 180), ImageTurn::Failed);
    EXPECT_EQ(state.iImgRotation, 90);
    EXPECT_EQ(state.lImgWidth, 200);
    EXPECT_EQ(state.lImgHeight, 300);
}
