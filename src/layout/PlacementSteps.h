#pragma once

#include "layout/CanvasOverlay.h"
#include "layout/LayoutState.h"

#include <optional>

// Moving the tile grid over the image: the four-way arrow pad, whose held arrow steps the
// placement on a repeating timer, and dragging the grid with the mouse on the canvas.

enum class ArrowDirection { None = 0, Up = 1, Right = 2, Down = 3, Left = 4 };

// The arrow that a press at (x, y) on a pad of padWidth x padHeight hits: left or right in
// the middle band across, up or down in the middle band down; nothing in a corner or on a
// pad without size.
std::optional<ArrowDirection> ArrowPadHit(double x, double y, double padWidth, double padHeight);

// The arrow a cursor key stands for; nothing for any other key.
std::optional<ArrowDirection> arrowForKey(int key);

// How far one tick moves the placement after the given number of earlier ticks: slowly at
// first, faster the longer the arrow is held.
int placementStepForTick(int ticks);

// The held arrow of the pad: which direction, and how many steps it has made so far.
class ArrowRepeat
{
public:
    static constexpr int kIntervalMs = 250; // the first step comes one interval after the press

    // Mouse down on the pad (any button): restarts the step count and holds the arrow hit,
    // if any. Returns the arrow hit.
    std::optional<ArrowDirection> press(double x, double y, double padWidth, double padHeight);
    void SetArrowDirection(ArrowDirection direction) { m_direction = direction; }
    // Mouse up: nothing is held any more.
    void release() { m_direction = ArrowDirection::None; }

    ArrowDirection direction() const { return m_direction; }
    int ticks() const { return m_ticks; }
    bool isHeld() const { return m_direction != ArrowDirection::None; }

    // One timer tick: moves the placement by the step of this tick, towards the held arrow,
    // never past 0 or 200. Returns true when the placement changed (the window then redraws);
    // a placement already at its limit stays and nothing needs redrawing.
    bool StepPlacement(LayoutState &state);

    // A cursor key: one first-tick step towards the direction, as a short click on the pad
    // makes. Returns true when the placement changed.
    static bool stepOnce(LayoutState &state, ArrowDirection direction);

private:
    ArrowDirection m_direction = ArrowDirection::None;
    int m_ticks = 0;
};

// The mouse pointer the canvas shows.
enum class PointerMode { Arrow = 0, Crosshair = 1, Move = 2 };

// Dragging the tile grid on the canvas: the placement follows the pointer so that crossing
// the whole spare width (displayed image less grid) takes the grid from edge to edge.
class GridDrag
{
public:
    // What a mouse event on the canvas asks of the window.
    struct Response
    {
        std::optional<PointerMode> pointer; // the pointer to show; nothing leaves it as it is
        bool placementMoved = false;        // readout and canvas need refreshing
    };

    // A left press on the grid of a loaded image starts a drag.
    Response mouseDown(const LayoutState &state, const CanvasGrid &grid, double x, double y, bool leftButton);
    Response mouseMove(LayoutState &state, const CanvasGrid &grid, double canvasScale, double x, double y);
    // Ends the drag where the mouse was let go; nothing happens unless a drag runs.
    Response mouseUp(LayoutState &state, const CanvasGrid &grid, double canvasScale, double x, double y);
    // The pointer left the canvas over the window background.
    void cancel() { m_bCanvasDrag = false; }

    bool bCanvasDrag() const { return m_bCanvasDrag; }

    // Sets both placements from the pointer's travel since the drag began. A direction in
    // which the grid fills the displayed image has nothing to move and returns to the centre.
    // Returns true when a placement changed.
    bool DragPlacement(LayoutState &state, const CanvasGrid &grid, double canvasScale, double x, double y) const;

private:
    bool m_bCanvasDrag = false;
    int m_iDragStartX = 0;
    int m_iDragStartY = 0;
    int m_iDragStartH = 100;
    int m_iDragStartV = 100;
};
