#include "layout/CanvasOverlay.h"
#include "support/LayoutTestStates.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

using namespace test_images;

namespace {

// Compares every pixel of the overlay with the grid that should be there: red exactly on
// the given vertical lines (between top and bottom) and horizontal lines (between left and
// right), the display copy's white everywhere else.
void expectGridPixels(const ImageObject &overlay, const std::set<int> &columns, const std::set<int> &rows,
                      const CanvasGrid &extent)
{
    int wrong = 0;
    for (int y = 0; y < overlay.Height(); ++y)
        for (int x = 0; x < overlay.Width(); ++x) {
            const bool onColumn = columns.count(x) && y >= extent.iGridTop && y <= extent.iGridBottom;
            const bool onRow = rows.count(y) && x >= extent.iGridLeft && x <= extent.iGridRight;
            const Rgb expected = onColumn || onRow ? kGridRed : kWhite;
            if (pixelAt(overlay, x, y) != expected && ++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
        }
    EXPECT_EQ(wrong, 0);
}

class CanvasOverlayTest : public ::testing::Test
{
protected:
    // The 3000 x 2000 image cut 3 x 2 into 8 x 10 inch tiles, shown at a fifth of its size.
    LayoutState state = withImage(posterOf(3, 2, 8, 10), 3000, 2000);
    std::unique_ptr<ImageObject> display = plainImage(600, 400);
    std::unique_ptr<ImageObject> overlay = plainImage(1, 1);
    CanvasOverlay canvas;

    CanvasRedraw redraw(bool showTiles = true, double scale = 0.2)
    {
        return canvas.RedrawCanvas(state, showTiles, scale, *display, *overlay);
    }
};

} // namespace

TEST_F(CanvasOverlayTest, GridFollowsTileEdgesScaledToTheCanvas)
{
    ASSERT_EQ(redraw(), CanvasRedraw::Overlay);
    // The bottom edge scales to 400, one past the picture, and is drawn on the last row.
    const CanvasGrid expected{60, 0, 540, 399};
    EXPECT_EQ(canvas.grid(), expected);
    expectGridPixels(*overlay, {60, 220, 380, 540}, {0, 200, 399}, expected);
    // The display copy itself never receives the lines.
    EXPECT_EQ(pixelAt(*display, 60, 100), kWhite);
}

TEST_F(CanvasOverlayTest, SingleTileIsOneRectangleAndEdgesPastThePictureStayOnIt)
{
    // A 3 x 2 poster shape fills the whole 3 x 2 image; its right edge (2999 x 0.2 = 599.8)
    // rounds one column past the picture.
    state = withImage(posterOf(1, 1, 3, 2), 3000, 2000);
    ASSERT_EQ(redraw(), CanvasRedraw::Overlay);
    const CanvasGrid expected{0, 0, 599, 399};
    EXPECT_EQ(canvas.grid(), expected);
    expectGridPixels(*overlay, {0, 599}, {0, 399}, expected);
}

TEST_F(CanvasOverlayTest, EachRedrawStartsFromTheDisplayCopy)
{
    ASSERT_EQ(redraw(), CanvasRedraw::Overlay);
    state.zoom = 100;
    ASSERT_EQ(redraw(), CanvasRedraw::Overlay);
    // Zoomed to half size and centred: 1200 x 1000 image pixels from (900, 500).
    const CanvasGrid expected{180, 100, 420, 300};
    EXPECT_EQ(canvas.grid(), expected);
    expectGridPixels(*overlay, {180, 260, 340, 420}, {100, 200, 300}, expected);
}

TEST_F(CanvasOverlayTest, GridRecordSurvivesRedrawsThatDrawNoGrid)
{
    ASSERT_EQ(redraw(), CanvasRedraw::Overlay);
    const CanvasGrid drawn = canvas.grid();

    state.zoom = 100;
    EXPECT_EQ(redraw(false), CanvasRedraw::DisplayCopy);
    EXPECT_EQ(canvas.grid(), drawn);

    LayoutState badTile = state;
    badTile.dTileWidth = 0.7;
    EXPECT_EQ(canvas.RedrawCanvas(badTile, true, 0.2, *display, *overlay), CanvasRedraw::InvalidTileSize);
    EXPECT_EQ(canvas.grid(), drawn);

    // The tile size passes but no grid can be cut: a zoom beyond the scroll bar's range.
    LayoutState badZoom = state;
    badZoom.zoom = 401;
    EXPECT_EQ(canvas.RedrawCanvas(badZoom, true, 0.2, *display, *overlay), CanvasRedraw::InvalidConfiguration);
    EXPECT_EQ(redraw(true, std::numeric_limits<double>::quiet_NaN()), CanvasRedraw::InvalidConfiguration);
    EXPECT_EQ(canvas.grid(), drawn);

    state.bImgSelected = false;
    EXPECT_EQ(redraw(), CanvasRedraw::Nothing);
    EXPECT_EQ(canvas.grid(), drawn);
}

TEST(CanvasOverlayLines, KeepsEveryLineOnTheCanvas)
{
    // Two narrow tiles at the far right of a 1000-pixel image on a 100-pixel canvas: the
    // second tile's left edge (997 x 0.1) rounds onto column 100, past the picture.
    TileCoords coords(2);
    const std::int32_t rects[2][4] = {{994, 0, 996, 9}, {997, 0, 999, 9}};
    for (int t = 0; t < 2; ++t)
        for (int k = 0; k < 4; ++k)
            coords.set(k, t, rects[t][k]);
    const std::optional<OverlayLines> lines = overlayLines(coords, 2, 1, 0.1, 100, 50);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->columns, (std::vector<int>{99, 99, 99}));
    EXPECT_EQ(lines->rows, (std::vector<int>{0, 1}));

    EXPECT_FALSE(overlayLines(coords, 3, 1, 0.1, 100, 50)) << "fewer rectangles than tiles";
    EXPECT_FALSE(overlayLines(coords, 2, 1, 0, 100, 50));
    EXPECT_FALSE(overlayLines(coords, 2, 1, 0.1, 0, 50));
}

TEST(CanvasOverlayIsOverTileGrid, RoundsThePointHalvesToEvenAndIncludesTheEdges)
{
    const CanvasGrid grid{60, 0, 540, 399};
    EXPECT_TRUE(IsOverTileGrid(grid, 60, 0));
    EXPECT_TRUE(IsOverTileGrid(grid, 540, 399));
    EXPECT_TRUE(IsOverTileGrid(grid, 59.5, 10));  // rounds to 60
    EXPECT_FALSE(IsOverTileGrid(grid, 59.4, 10)); // rounds to 59
    EXPECT_TRUE(IsOverTileGrid(grid, 540.5, 10)); // rounds to 540
    EXPECT_FALSE(IsOverTileGrid(grid, 541.5, 10)); // rounds to 542
    EXPECT_FALSE(IsOverTileGrid(grid, 100, -0.6));
    EXPECT_FALSE(IsOverTileGrid(grid, std::nan(""), 10));
    EXPECT_FALSE(IsOverTileGrid(CanvasGrid{}, 1, 1));
}
