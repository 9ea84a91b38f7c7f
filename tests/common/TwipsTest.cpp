#include "common/Twips.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Twips, ConvertAtTheScreensDpiWithHalvesToEven)
{
    EXPECT_EQ(twipsToPixels(1440, 96), 96);
    EXPECT_EQ(twipsToPixels(5400, 96), 360);
    EXPECT_EQ(twipsToPixels(5400, 120), 450);
    EXPECT_EQ(pixelsToTwips(96, 96), 1440);
    EXPECT_EQ(pixelsToTwips(1, 96), 15);
    EXPECT_EQ(twipsToPixels(7, 96), 0);
    EXPECT_EQ(twipsToPixels(8, 96), 1);
    EXPECT_EQ(twipsToPixels(30, 192), 4);  // exactly 4
    EXPECT_EQ(twipsToPixels(45, 48), 2);   // 1.5 -> 2
    EXPECT_EQ(twipsToPixels(75, 48), 2);   // 2.5 -> 2
    EXPECT_EQ(pixelsToTwips(1, 2880), 0);  // 0.5 -> 0
    EXPECT_EQ(pixelsToTwips(3, 2880), 2);  // 1.5 -> 2
}

TEST(Twips, AScreenWithoutDpiCountsAsNinetySixAndOverflowGivesZero)
{
    EXPECT_EQ(twipsToPixels(1440, 0), 96);
    EXPECT_EQ(pixelsToTwips(96, -5), 1440);
    EXPECT_EQ(pixelsToTwips(std::numeric_limits<int>::max(), 96), 0);
    EXPECT_EQ(twipsToPixels(-1440, 96), -96);
}
