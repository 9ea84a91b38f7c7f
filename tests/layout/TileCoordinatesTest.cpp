#include "support/LayoutTestStates.h"
#include "layout/TileCoordinates.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <vector>

namespace {

using Rect = std::array<std::int32_t, 4>; // left, top, right, bottom

std::vector<Rect> rectsOf(const TileCoords &coords)
{
    std::vector<Rect> rects;
    for (int t = 0; t < coords.count(); ++t)
        rects.push_back({coords.left(t), coords.top(t), coords.right(t), coords.bottom(t)});
    return rects;
}

void expectAllZero(const TileCoords &coords)
{
    for (int t = 0; t < coords.count(); ++t)
        for (int k = 0; k < TileCoords::kValuesPerTile; ++k)
            EXPECT_EQ(coords.at(k, t), 0) << "k " << k << " t " << t;
}

} // namespace

TEST(TileCoordinatesCalcTileCoord, WidePosterOnWiderImageIsCentredAcross)
{
    const LayoutState state = withImage(posterOf(3, 2, 8, 10), 3000, 2000);
    TileCoords coords;
    ASSERT_EQ(CalcTileCoord(state, coords), 6);
    const std::vector<Rect> expected{{300, 0, 1099, 999},     {1100, 0, 1899, 999},     {1900, 0, 2699, 999},
                                     {300, 1000, 1099, 1999}, {1100, 1000, 1899, 1999}, {1900, 1000, 2699, 1999}};
    EXPECT_EQ(rectsOf(coords), expected);
}

TEST(TileCoordinatesCalcTileCoord, NeighboursMayLeaveAOnePixelGap)
{
    const LayoutState state = withImage(posterOf(3, 1, 1, 3), 1000, 1000);
    TileCoords coords;
    ASSERT_EQ(CalcTileCoord(state, coords), 3);
    const std::vector<Rect> expected{{0, 0, 332, 999}, {333, 0, 665, 999}, {667, 0, 999, 999}};
    EXPECT_EQ(rectsOf(coords), expected);
}

TEST(TileCoordinatesCalcTileCoord, ZoomAndPlacementMoveTheGrid)
{
    LayoutState state = withImage(posterOf(2, 2, 8, 10), 3000, 2000);
    state.zoom = 100;
    state.iHPlacement = 0;
    state.iVPlacement = 200;
    TileCoords coords;
    ASSERT_EQ(CalcTileCoord(state, coords), 4);
    const std::vector<Rect> expected{
        {0, 1000, 399, 1499}, {400, 1000, 799, 1499}, {0, 1500, 399, 1999}, {400, 1500, 799, 1999}};
    EXPECT_EQ(rectsOf(coords), expected);
}

TEST(TileCoordinatesCalcTileCoord, RotatedTilesSwapTheirSides)
{
    LayoutState state = withImage(posterOf(2, 1, 8, 10), 2000, 3000);
    state.bTileRotated = true;
    TileCoords coords;
    ASSERT_EQ(CalcTileCoord(state, coords), 2);
    const std::vector<Rect> expected{{0, 1100, 999, 1899}, {1000, 1100, 1999, 1899}};
    EXPECT_EQ(rectsOf(coords), expected);
}

TEST(TileCoordinatesCalcTileCoord, OddSparePixelsRoundHalfToEven)
{
    // 3001 - 2400 = 601 spare columns: half is 300.5, which goes to 300.
    const LayoutState state = withImage(posterOf(3, 2, 8, 10), 3001, 2000);
    TileCoords coords;
    ASSERT_EQ(CalcTileCoord(state, coords), 6);
    EXPECT_EQ(coords.left(0), 300);
    EXPECT_EQ(coords.right(5), 2699);
}

TEST(TileCoordinatesCalcTileCoord, LargestGridFillsTheImage)
{
    LayoutState state = withImage(posterOf(25, 25, 1, 1), 10000, 10000);
    TileCoords coords;
    ASSERT_EQ(CalcTileCoord(state, coords), 625);
    EXPECT_EQ(coords.left(0), 0);
    EXPECT_EQ(coords.top(0), 0);
    EXPECT_EQ(coords.right(624), 9999);
    EXPECT_EQ(coords.bottom(624), 9999);
}

TEST(TileCoordinatesCalcTileCoord, FailuresGiveMinusOneAndZeroFilledTiles)
{
    const LayoutState good = withImage(posterOf(3, 2, 8, 10), 3000, 2000);
    TileCoords coords;
    ASSERT_EQ(CalcTileCoord(good, coords), 6);

    const auto expectFailure = [&coords](const LayoutState &state, const char *what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(CalcTileCoord(state, coords), -1);
        EXPECT_EQ(coords.count(), state.tilesWide() * state.tilesHigh());
        expectAllZero(coords);
    };

    LayoutState state = good;
    state.dTileWidth = 0.7;
    expectFailure(state, "tile too narrow");
    state = good;
    state.dTileHeight = 51;
    expectFailure(state, "tile too tall");
    state = good;
    state.lImgHeight = 0;
    expectFailure(state, "image height 0");
    state = good;
    state.lImgWidth = 0;
    expectFailure(state, "image width 0");
    state = good;
    state.lImgWidth = -3000;
    expectFailure(state, "negative image width");
    state = good;
    state.dTileWidth = std::numeric_limits<double>::quiet_NaN();
    expectFailure(state, "NaN tile width");
    state = good;
    state.compensation = true;
    state.edgeTrimInches[1] = std::numeric_limits<double>::quiet_NaN();
    expectFailure(state, "NaN trim");
    state = good;
    state.zoom = 401;
    expectFailure(state, "zoom past its range");
    state = good;
    state.iHPlacement = -1;
    expectFailure(state, "placement below its range");

    // The smallest image that loads under the largest grid at full zoom: 5 pixels for 25 tiles.
    state = withImage(posterOf(25, 25, 1, 1), 25, 25);
    state.zoom = 400;
    expectFailure(state, "tiles without pixels");
}

TEST(TileCoordinatesCalcTileCoord, HugeImagesStayInsideTheImage)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    // A one-pixel-high strip: the square grid is one pixel, pushed to the far right.
    LayoutState state = withImage(posterOf(1, 1, 1, 1), kMax, 1);
    state.iHPlacement = 200;
    TileCoords coords;
    ASSERT_EQ(CalcTileCoord(state, coords), 1);
    EXPECT_EQ(coords.left(0), kMax - 1);
    EXPECT_EQ(coords.right(0), kMax - 1);

    state = withImage(posterOf(1, 25, 50, 0.75), kMax, kMax);
    ASSERT_EQ(CalcTileCoord(state, coords), 25);
    EXPECT_EQ(coords.left(0), 0);
    EXPECT_EQ(coords.right(24), kMax - 1);
    EXPECT_GE(coords.top(0), 0);
    EXPECT_LE(coords.bottom(24), kMax);
}

TEST(TileCoordinatesCalcTileCoord, TileCountsOutsideTheListsFail)
{
    LayoutState state = withImage(posterOf(3, 2, 8, 10), 3000, 2000);
    state.tilesWideIndex = 25;
    TileCoords coords(4);
    EXPECT_EQ(CalcTileCoord(state, coords), -1);
    EXPECT_EQ(coords.count(), 0);

    state.tilesWideIndex = -1;
    EXPECT_EQ(CalcTileCoord(state, coords), -1);
    EXPECT_EQ(coords.count(), 0);
}

TEST(TileCoordinatesTileCoords, OutOfRangeIndexesReadZeroAndIgnoreWrites)
{
    TileCoords coords(2);
    coords.set(2, 1, 7);
    coords.set(4, 0, 9);
    coords.set(0, 2, 9);
    EXPECT_EQ(coords.right(1), 7);
    EXPECT_EQ(coords.at(4, 0), 0);
    EXPECT_EQ(coords.at(0, 2), 0);
}
