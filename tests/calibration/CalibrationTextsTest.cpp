#include "calibration/CalibrationTexts.h"
#include "resources/CalibrationStrings.h"

#include <gtest/gtest.h>

TEST(CalibrationTexts, EdgeListsHoldSeventeenItemsFromAllToNoLines)
{
    const QStringList items = edgeListItems();
    ASSERT_EQ(items.size(), 17);
    EXPECT_EQ(items[0], "See all 4 lines");
    EXPECT_EQ(items[1], "See 3.75 lines");
    EXPECT_EQ(items[2], "See 3.50 lines");
    EXPECT_EQ(items[8], "See 2.00 lines");
    EXPECT_EQ(items[15], "See 0.25 lines");
    EXPECT_EQ(items[16], "See no lines");
}

TEST(CalibrationTexts, ClipAmountsInBothUnits)
{
    EXPECT_EQ(FormatClipAmount(1, Units::Inches), " 1/64 inches ");
    EXPECT_EQ(FormatClipAmount(2, Units::Inches), " 1/32 inches ");
    EXPECT_EQ(FormatClipAmount(4, Units::Inches), " 1/16 inches ");
    EXPECT_EQ(FormatClipAmount(6, Units::Inches), " 3/32 inches ");
    EXPECT_EQ(FormatClipAmount(15, Units::Inches), " 15/64 inches ");
    EXPECT_EQ(FormatClipAmount(16, Units::Inches), " 1/4 inches ");

    EXPECT_EQ(FormatClipAmount(2, Units::Millimetres), " 0.8 mm ");
    EXPECT_EQ(FormatClipAmount(8, Units::Millimetres), " 3.2 mm ");
    EXPECT_EQ(FormatClipAmount(15, Units::Millimetres), " 6.0 mm ");

    EXPECT_EQ(describeEdge(0, Units::Inches), "None of the image is clipped");
    EXPECT_EQ(describeEdge(2, Units::Inches), "Printer cuts off 1/32 inches of image");
    EXPECT_EQ(describeEdge(16, Units::Inches), "Printer cuts off 1/4 inches of image");
    EXPECT_EQ(describeEdge(8, Units::Millimetres), "Printer cuts off 3.2 mm of image");

    const std::array<QString, 4> edges = trimDescriptions({0, 4, 16, 1}, Units::Inches);
    EXPECT_EQ(edges[0], "None of the image is clipped");
    EXPECT_EQ(edges[1], "Printer cuts off 1/16 inches of image");
    EXPECT_EQ(edges[2], "Printer cuts off 1/4 inches of image");
    EXPECT_EQ(edges[3], "Printer cuts off 1/64 inches of image");
}

TEST(CalibrationTexts, StepOneTextSwitchesUnitsAndBackExactly)
{
    const QString original = CalibrationStrings::kStep1Desc;
    const QString millimetres = step1Description(original, Units::Millimetres);
    EXPECT_TRUE(millimetres.contains("(1.59 mm wide each)"));
    EXPECT_FALSE(millimetres.contains("1/16 inch"));
    // Asking twice for the same unit changes nothing.
    EXPECT_EQ(step1Description(millimetres, Units::Millimetres), millimetres);
    EXPECT_EQ(step1Description(millimetres, Units::Inches), original);
    EXPECT_EQ(step1Description(step1Description(millimetres, Units::Inches), Units::Millimetres), millimetres);
}

TEST(CalibrationTexts, MessagesCarryTheSizesTheyName)
{
    const QString inches = testTargetAnnouncement(6.0, 4.0, Units::Inches);
    EXPECT_TRUE(inches.startsWith("A 6.00 inch high x 4.00 inch wide test image will now be created.  "
                                  "The target will have 4 colored stripes printed around each edge.  "
                                  "Each stripe is 1/16 inch wide.\n\n"));
    EXPECT_TRUE(inches.endsWith("\n\nClick OK to continue or cancel to quit"));
    EXPECT_TRUE(testTargetAnnouncement(6.0, 4.0, Units::Millimetres)
                    .startsWith("A 152.4 mm high x 101.6 mm wide test image will now be created.  "));
    EXPECT_TRUE(testTargetAnnouncement(6.0, 4.0, Units::Millimetres).contains("Each stripe is 1.6 mm wide."));

    EXPECT_EQ(invalidPrintSizeMessage("  Print Size Per Tile "),
              "The custom print size that you currently have entered in not valid.  The height and width must "
              "both be between 0.75 and 50.00 inches long.  Please enter valid values in the \"Print Size Per "
              "Tile\" section of the main dialog.");

    const QString saved = testTargetSavedMessage("/home/u/t.jpg");
    EXPECT_TRUE(saved.startsWith("Image successfully saved to disk.\n\nNext you need to:\n\n(1) Print this image "
                                 "(/home/u/t.jpg) using the same printer"));

    EXPECT_EQ(deleteProfileQuestion("Lab, glossy"),
              "Are you sure that you want to delete the currently selected Edge Calibration Profile (Lab, glossy)?");
}
