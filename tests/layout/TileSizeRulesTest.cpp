#include "support/LayoutTestStates.h"
#include "layout/PosterFit.h"
#include "layout/TileSizeRules.h"
#include "resources/LayoutStrings.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

bool passes(Units units, double width, double height)
{
    LayoutState state = posterOf(1, 1, width, height);
    state.units = units;
    double dW = 0;
    double dH = 0;
    return CheckTileSizes(state, dW, dH);
}

} // namespace

TEST(TileSizeRules, LimitsAreInclusiveInInches)
{
    EXPECT_TRUE(passes(Units::Inches, 0.75, 8));
    EXPECT_TRUE(passes(Units::Inches, 50, 8));
    EXPECT_TRUE(passes(Units::Inches, 8, 0.75));
    EXPECT_TRUE(passes(Units::Inches, 8, 50));
    EXPECT_FALSE(passes(Units::Inches, 0.7499, 8));
    EXPECT_FALSE(passes(Units::Inches, 50.0001, 8));
    EXPECT_FALSE(passes(Units::Inches, 8, 0.7499));
    EXPECT_FALSE(passes(Units::Inches, 8, 50.0001));
}

TEST(TileSizeRules, MillimetresAreCheckedInInches)
{
    EXPECT_TRUE(passes(Units::Millimetres, 19.05, 100));
    EXPECT_TRUE(passes(Units::Millimetres, 1270, 100));
    EXPECT_FALSE(passes(Units::Millimetres, 19.0, 100));
    EXPECT_FALSE(passes(Units::Millimetres, 100, 1270.1));

    LayoutState state = posterOf(1, 1, 254, 127);
    state.units = Units::Millimetres;
    double dW = 0;
    double dH = 0;
    ASSERT_TRUE(CheckTileSizes(state, dW, dH));
    EXPECT_DOUBLE_EQ(dW, 10.0);
    EXPECT_DOUBLE_EQ(dH, 5.0);
}

TEST(TileSizeRules, NotANumberOrInfinityFails)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(passes(Units::Inches, nan, 8));
    EXPECT_FALSE(passes(Units::Inches, 8, nan));
    EXPECT_FALSE(passes(Units::Inches, inf, 8));
    EXPECT_FALSE(passes(Units::Millimetres, 100, -inf));
}

TEST(TileSizeRules, CompensationTakesTrimsOffOnlyTheUsableSize)
{
    LayoutState state = posterOf(1, 1, 0.75, 8);
    state.compensation = true;
    state.edgeTrimInches = {4 / 64.0, 2 / 64.0, 3 / 64.0, 1 / 64.0}; // top, right, bottom, left

    double dW = 0;
    double dH = 0;
    ASSERT_TRUE(CheckTileSizes(state, dW, dH));
    EXPECT_EQ(dW, 0.703125);
    EXPECT_EQ(dH, 8 - 7 / 64.0);

    ASSERT_TRUE(CheckTileSizesNoTrim(state, dW, dH));
    EXPECT_EQ(dW, 0.75);
    EXPECT_EQ(dH, 8.0);

    state.compensation = false;
    ASSERT_TRUE(CheckTileSizes(state, dW, dH));
    EXPECT_EQ(dW, 0.75);
}

TEST(TileSizeRules, TrimsThatLeaveNothingOrAreNotNumbersFail)
{
    LayoutState state = posterOf(1, 1, 0.75, 8);
    state.compensation = true;
    state.edgeTrimInches = {0, 0.5, 0, 0.25};
    double dW = 0;
    double dH = 0;
    EXPECT_FALSE(CheckTileSizes(state, dW, dH));

    state.edgeTrimInches = {std::numeric_limits<double>::quiet_NaN(), 0, 0, 0};
    EXPECT_FALSE(CheckTileSizes(state, dW, dH));
    EXPECT_TRUE(CheckTileSizesNoTrim(state, dW, dH));
}

TEST(TileSizeRules, LimitValuesAndTheirTexts)
{
    EXPECT_EQ(getConstMinTileSize(), 0.75);
    EXPECT_EQ(getConstMaxTileSize(), 50.0);
    EXPECT_EQ(GetTileMin(QLocale::c()), QStringLiteral("0.75"));
    EXPECT_EQ(GetTileMax(QLocale::c()), QStringLiteral("50"));
    EXPECT_EQ(GetTileMin(QLocale(QLocale::German)), QStringLiteral("0,75"));
}

TEST(TileSizeRules, WarningTextsInBothUnits)
{
    EXPECT_EQ(tileSizeWarningText(Units::Inches, QLocale::c()),
              QStringLiteral("You have entered invalid print tile sizes.  The width and height need to be in the "
                             "range of 0.75 to 50.00 inches."));
    EXPECT_EQ(tileSizeWarningText(Units::Millimetres, QLocale::c()),
              QStringLiteral("You have entered invalid print tile sizes.  The width and height need to be in the "
                             "range of 19.05 to 1270.00 millimeters."));
    EXPECT_EQ(LayoutStrings::kInvalidTileSizeTitle, QStringLiteral("Invalid Tile Print Size Entered"));
}

TEST(TileSizeRules, FinalRatioFollowsTileRotation)
{
    LayoutState state = posterOf(3, 2, 8, 10);
    EXPECT_DOUBLE_EQ(GetFinalImgWhRatio(state), 24.0 / 20.0);
    state.bTileRotated = true;
    EXPECT_DOUBLE_EQ(GetFinalImgWhRatio(state), 1.875);
    state.dTileWidth = 0.5;
    EXPECT_EQ(GetFinalImgWhRatio(state), 0.0);
}
