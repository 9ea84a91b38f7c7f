#include "app/ImageLoadRules.h"

#include <gtest/gtest.h>

TEST(ImageLoadRules, RotationListEntries)
{
    EXPECT_EQ(rotationForListIndex(0), 0);
    EXPECT_EQ(rotationForListIndex(1), 90);
    EXPECT_EQ(rotationForListIndex(2), 270);
    EXPECT_EQ(rotationForListIndex(3), 180);
    EXPECT_EQ(rotationForListIndex(-1), 0);
}
