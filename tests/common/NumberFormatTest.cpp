#include "common/NumberFormat.h"
#include "common/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(nearestInt32(2.5), 2);
    EXPECT_EQ(nearestInt32(3.5), 4);
    EXPECT_EQ(nearestInt32(300.5), 300);
    EXPECT_EQ(nearestInt32(-2.5), -2);
    EXPECT_EQ(nearestInt32(2.4999), 2);
    EXPECT_EQ(nearestInt32(2.5001), 3);
}

TEST(Rounding, RefusesValuesWithoutAnInt32Result)
{
    EXPECT_FALSE(nearestInt32(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(nearestInt32(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(nearestInt32(3e9));
    EXPECT_FALSE(nearestInt32(-3e9));
    EXPECT_EQ(nearestInt32(2147483647.0), 2147483647);
}

TEST(NumberFormatMask, ForcedAndOptionalDigits)
{
    EXPECT_EQ(formatMask(24, "##0.00"), "24.00");
    EXPECT_EQ(formatMask(0.5, "##0.00"), "0.50");
    EXPECT_EQ(formatMask(0.75, "###.00"), ".75");
    EXPECT_EQ(formatMask(20, "####"), "20");
    EXPECT_EQ(formatMask(0, "####"), "");
    EXPECT_EQ(formatMask(1270, "#####0.0"), "1270.0");
    EXPECT_EQ(formatMask(100, "###0.0"), "100.0");
    EXPECT_EQ(formatMask(39.37007874, "###0.0"), "39.4");
    EXPECT_EQ(formatMask(-1.5, "##0.00"), "-1.50");
    EXPECT_EQ(formatMask(-0.001, "##0.00"), "0.00");
}

TEST(NumberFormatMask, UsesTheLocaleDecimalSeparator)
{
    EXPECT_EQ(formatMask(8.5, "##0.00", QLocale(QLocale::German)), "8,50");
}

TEST(NumberFormatBasicText, ClassicForms)
{
    EXPECT_EQ(basicNumberText(0.5), ".5");
    EXPECT_EQ(basicNumberText(-0.5), "-.5");
    EXPECT_EQ(basicNumberText(12), "12");
    EXPECT_EQ(basicNumberText(8.5), "8.5");
    EXPECT_EQ(basicNumberText(0), "0");
    EXPECT_EQ(basicNumberText(0.1 + 0.2), ".3");
    EXPECT_EQ(basicNumberText(1270), "1270");
    EXPECT_EQ(basicNumberText(1e-5), "1E-05");
}

TEST(NumberFormatParse, AcceptsClassicTextAndRefusesGarbage)
{
    EXPECT_EQ(parseDecimalText(" .5 "), 0.5);
    EXPECT_EQ(parseDecimalText("-.5"), -0.5);
    EXPECT_EQ(parseDecimalText("8.5"), 8.5);
    EXPECT_FALSE(parseDecimalText(""));
    EXPECT_FALSE(parseDecimalText("abc"));
    EXPECT_FALSE(parseDecimalText("nan"));
    EXPECT_EQ(parseWholeNumber("07"), 7);
    EXPECT_EQ(parseWholeNumber(" 3"), 3);
    EXPECT_FALSE(parseWholeNumber("x1"));
}
