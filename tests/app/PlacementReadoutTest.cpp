#include "app/PlacementReadout.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(PlacementReadout, DirectionsAndFullExtent)
{
    EXPECT_EQ(placementReadout(PlacementAxis::Horizontal, 200, 400, 100).text, "(center)");
    EXPECT_EQ(placementReadout(PlacementAxis::Horizontal, 200, 400, 125).text, "(right 25%)");
    EXPECT_EQ(placementReadout(PlacementAxis::Horizontal, 200, 400, 0).text, "(left 100%)");
    EXPECT_EQ(placementReadout(PlacementAxis::Vertical, 200, 400, 130).text, "(down 30%)");
    EXPECT_EQ(placementReadout(PlacementAxis::Vertical, 200, 400, 90).text, "(up 10%)");

    const PlacementReadout fullWidth = placementReadout(PlacementAxis::Horizontal, 400, 400, 170);
    EXPECT_EQ(fullWidth.text, "(full width)");
    EXPECT_EQ(fullWidth.placement, 100);
    const PlacementReadout fullHeight = placementReadout(PlacementAxis::Vertical, 401, 400, 20);
    EXPECT_EQ(fullHeight.text, "(full height)");
    EXPECT_EQ(fullHeight.placement, 100);
    EXPECT_EQ(placementReadout(PlacementAxis::Vertical, 200, 400, 20).placement, 20);
}
