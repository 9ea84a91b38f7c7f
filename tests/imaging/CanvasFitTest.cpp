#include "imaging/CanvasFit.h"

#include <gtest/gtest.h>

TEST(CanvasFit, FitKeepsTheAspectRatioAndTouchesTheCanvas)
{
    const CanvasFit wide = fitImageToCanvas(4000, 1000, 400, 300);
    EXPECT_EQ(wide.width, 400);
    EXPECT_EQ(wide.height, 100);
    EXPECT_DOUBLE_EQ(wide.scale, 0.1);

    const CanvasFit tall = fitImageToCanvas(1000, 4000, 400, 300);
    EXPECT_EQ(tall.width, 75);
    EXPECT_EQ(tall.height, 300);
    EXPECT_DOUBLE_EQ(tall.scale, 0.075);

    // Halves go to the even neighbour: 301 / 2 = 150.5 gives 150, 303 / 2 = 151.5 gives 152.
    EXPECT_EQ(fitImageToCanvas(100, 200, 1000, 301).width, 150);
    EXPECT_EQ(fitImageToCanvas(100, 200, 1000, 303).width, 152);
    EXPECT_EQ(fitImageToCanvas(200, 100, 301, 1000).height, 150);
}

TEST(CanvasFit, AVeryThinImageStillGetsADisplayCopy)
{
    const CanvasFit fit = fitImageToCanvas(25, 100000, 400, 300);
    EXPECT_EQ(fit.width, 1);
    EXPECT_EQ(fit.height, 300);
    EXPECT_GT(fit.scale, 0.0);
}
