#include "support/LayoutTestStates.h"
#include "layout/PlacementSteps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(PlacementStepsArrowPadHit, MiddleBandsPickTheArrowAndCornersNothing)
{
    const double w = 72;
    const double h = 72;
    EXPECT_EQ(ArrowPadHit(0.9 * w, 0.5 * h, w, h), ArrowDirection::Right);
    EXPECT_EQ(ArrowPadHit(0.5 * w, 0.5 * h, w, h), ArrowDirection::Right); // the centre counts as right
    EXPECT_EQ(ArrowPadHit(0.1 * w, 0.6 * h, w, h), ArrowDirection::Left);
    EXPECT_EQ(ArrowPadHit(0.5 * w, 0.1 * h, w, h), ArrowDirection::Up);
    EXPECT_EQ(ArrowPadHit(0.6 * w, 0.9 * h, w, h), ArrowDirection::Down);
    // The middle band across is open at both ends: a quarter down belongs to the up arrow.
    EXPECT_EQ(ArrowPadHit(0.5 * w, 0.25 * h, w, h), ArrowDirection::Up);

    EXPECT_EQ(ArrowPadHit(0.1 * w, 0.1 * h, w, h), std::nullopt);
    EXPECT_EQ(ArrowPadHit(0.9 * w, 0.9 * h, w, h), std::nullopt);
    EXPECT_EQ(ArrowPadHit(0.75 * w, 0.1 * h, w, h), std::nullopt);
    EXPECT_EQ(ArrowPadHit(10, 10, 0, 72), std::nullopt);
    EXPECT_EQ(ArrowPadHit(std::nan(""), 10, w, h), std::nullopt);
}

TEST(PlacementStepsArrowRepeat, HeldRightArrowSpeedsUpAndStopsAtTheEdge)
{
    LayoutState state;
    ArrowRepeat arrow;
    ASSERT_EQ(arrow.press(70, 36, 72, 72), ArrowDirection::Right);

    std::vector<int> placements;
    for (int tick = 0; tick < 6; ++tick) {
        EXPECT_TRUE(arrow.StepPlacement(state));
        placements.push_back(state.iHPlacement);
    }
    EXPECT_EQ(placements, (std::vector<int>{101, 103, 105, 107, 109, 114}));
    EXPECT_EQ(state.iVPlacement, 100);

    while (arrow.StepPlacement(state)) {
    }
    EXPECT_EQ(state.iHPlacement, 200);
    const int ticksAtEdge = arrow.ticks();
    EXPECT_FALSE(arrow.StepPlacement(state)) << "nothing to redraw at the edge";
    EXPECT_EQ(state.iHPlacement, 200);
    EXPECT_EQ(arrow.ticks(), ticksAtEdge);
}

TEST(PlacementStepsArrowRepeat, EveryArrowReachesItsEdgeFromTheFarSide)
{
    struct Case
    {
        ArrowDirection direction;
        int start;
        int edge;
        bool vertical;
    };
    for (const Case c : {Case{ArrowDirection::Right, 0, 200, false}, Case{ArrowDirection::Left, 200, 0, false},
                         Case{ArrowDirection::Down, 0, 200, true}, Case{ArrowDirection::Up, 200, 0, true}}) {
        LayoutState state;
        (c.vertical ? state.iVPlacement : state.iHPlacement) = c.start;
        ArrowRepeat arrow;
        arrow.SetArrowDirection(c.direction);
        while (arrow.StepPlacement(state)) {
        }
        // It got there before the steps ran out (from tick 36 on a tick moves nothing).
        EXPECT_LE(arrow.ticks(), 36);
        EXPECT_EQ(c.vertical ? state.iVPlacement : state.iHPlacement, c.edge);
        EXPECT_EQ(c.vertical ? state.iHPlacement : state.iVPlacement, 100);
    }
}

TEST(PlacementStepsArrowRepeat, PressRestartsTheStepsAndACornerStartsNothing)
{
    LayoutState state;
    ArrowRepeat arrow;
    EXPECT_EQ(arrow.press(7, 7, 72, 72), std::nullopt);
    EXPECT_FALSE(arrow.isHeld());
    EXPECT_FALSE(arrow.StepPlacement(state));
    EXPECT_EQ(state.iHPlacement, 100);

    arrow.press(36, 70, 72, 72);
    arrow.StepPlacement(state);
    arrow.StepPlacement(state);
    EXPECT_EQ(state.iVPlacement, 103);
    arrow.release();
    EXPECT_FALSE(arrow.StepPlacement(state));

    arrow.press(36, 70, 72, 72);
    EXPECT_EQ(arrow.ticks(), 0);
    arrow.StepPlacement(state);
    EXPECT_EQ(state.iVPlacement, 104) << "a new press starts with the smallest step";
}

namespace {

// A 1000 x 800 image shown at a fifth: 200 x 160 canvas pixels. The grid takes 100 x 160,
// leaving 100 spare pixels across and none down.
class PlacementStepsGridDragTest : public ::testing::Test
{
protected:
    LayoutState state = withImage(posterOf(1, 1, 5, 8), 1000, 800);
    const CanvasGrid grid{50, 0, 149, 159};
    const double scale = 0.2;
    GridDrag drag;
};

} // namespace

TEST_F(PlacementStepsGridDragTest, CrossingTheSpareWidthMovesTheGridFromEdgeToEdge)
{
    const GridDrag::Response down = drag.mouseDown(state, grid, 60, 80, true);
    EXPECT_EQ(down.pointer, PointerMode::Move);
    ASSERT_TRUE(drag.bCanvasDrag());

    GridDrag::Response move = drag.mouseMove(state, grid, scale, 85, 80);
    EXPECT_EQ(move.pointer, PointerMode::Move);
    EXPECT_TRUE(move.placementMoved);
    EXPECT_EQ(state.iHPlacement, 150);

    drag.mouseMove(state, grid, scale, 110, 80);
    EXPECT_EQ(state.iHPlacement, 200);
    move = drag.mouseMove(state, grid, scale, 300, 80);
    EXPECT_FALSE(move.placementMoved);
    EXPECT_EQ(state.iHPlacement, 200);

    drag.mouseMove(state, grid, scale, -100, 80);
    EXPECT_EQ(state.iHPlacement, 0);

    // The start point is rounded halves to even: 60.5 starts at 60.
    drag.mouseDown(state, grid, 60.5, 80, true);
    drag.mouseMove(state, grid, scale, 60.5, 80);
    EXPECT_EQ(state.iHPlacement, 1); // 0 + 0.5 / 100 x 200
}

TEST_F(PlacementStepsGridDragTest, DirectionWithoutSpareRoomReturnsToTheCentre)
{
    state.iVPlacement = 40;
    drag.mouseDown(state, grid, 60, 80, true);
    drag.mouseMove(state, grid, scale, 60, 150);
    EXPECT_EQ(state.iVPlacement, 100);
    EXPECT_EQ(state.iHPlacement, 100);
}

TEST_F(PlacementStepsGridDragTest, OnlyALeftPressOnTheGridOfALoadedImageStartsADrag)
{
    EXPECT_EQ(drag.mouseDown(state, grid, 60, 80, false).pointer, std::nullopt);
    EXPECT_EQ(drag.mouseDown(state, grid, 20, 80, true).pointer, std::nullopt);
    LayoutState noImage = state;
    noImage.bImgSelected = false;
    EXPECT_EQ(drag.mouseDown(noImage, grid, 60, 80, true).pointer, std::nullopt);
    EXPECT_FALSE(drag.bCanvasDrag());

    // Without a drag the pointer only tells whether the grid is under it; a grid recorded
    // for an image that is gone is not.
    EXPECT_EQ(drag.mouseMove(state, grid, scale, 60, 80).pointer, PointerMode::Crosshair);
    EXPECT_EQ(drag.mouseMove(state, grid, scale, 20, 80).pointer, PointerMode::Arrow);
    EXPECT_EQ(drag.mouseMove(noImage, grid, scale, 60, 80).pointer, PointerMode::Arrow);
    EXPECT_EQ(drag.mouseUp(state, grid, scale, 60, 80).pointer, std::nullopt);
    EXPECT_EQ(state.iHPlacement, 100);
}

TEST_F(PlacementStepsGridDragTest, ReleaseEndsTheDragWhereTheMouseWasLetGo)
{
    drag.mouseDown(state, grid, 60, 80, true);
    const GridDrag::Response up = drag.mouseUp(state, grid, scale, 10, 80);
    EXPECT_EQ(up.pointer, PointerMode::Arrow);
    EXPECT_EQ(state.iHPlacement, 0);
    EXPECT_FALSE(drag.bCanvasDrag());

    drag.mouseDown(state, grid, 60, 80, true);
    EXPECT_EQ(drag.mouseUp(state, grid, scale, 70, 80).pointer, PointerMode::Crosshair);

    drag.mouseDown(state, grid, 60, 80, true);
    drag.cancel();
    EXPECT_FALSE(drag.mouseMove(state, grid, scale, 100, 80).placementMoved);
}
