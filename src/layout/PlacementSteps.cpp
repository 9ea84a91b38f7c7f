#include "layout/PlacementSteps.h"

#include <Qt>

#include "common/Rounding.h"
#include "layout/PosterFit.h"

#include <algorithm>
#include <cmath>

namespace {

// The fractions of the pad that make up its middle bands.
constexpr double kPadCentre = 0.5;
constexpr double kPadBandHalfWidth = 0.25;

bool movesVertically(ArrowDirection direction)
{
    return direction == ArrowDirection::Up || direction == ArrowDirection::Down;
}

bool movesTowardsZero(ArrowDirection direction)
{
    return direction == ArrowDirection::Up || direction == ArrowDirection::Left;
}

// The placement on one axis after a drag: the pointer's travel as a share of the spare
// pixels, from the placement the drag began with. Nothing when the numbers are unusable.
std::optional<int> draggedPlacement(double imageExtent, double canvasScale, int gridExtent, int startPlacement,
                                    double travel)
{
    const std::optional<std::int32_t> spare = nearestInt32(imageExtent * canvasScale - gridExtent);
    if (!spare)
        return std::nullopt;
    if (*spare == 0)
        return kCentredPlacement;
    const double placement = startPlacement + travel / *spare * kMaxPlacement;
    if (std::isnan(placement))
        return std::nullopt;
    return nearestInt32(std::clamp(placement, 0.0, double(kMaxPlacement)));
}

} // namespace

std::optional<ArrowDirection> ArrowPadHit(double x, double y, double padWidth, double padHeight)
{
    const std::optional<std::int32_t> pw = nearestInt32(padWidth);
    const std::optional<std::int32_t> ph = nearestInt32(padHeight);
    if (!pw || !ph || *pw <= 0 || *ph <= 0 || !std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    const double fx = x / *pw;
    const double fy = y / *ph;
    if (std::abs(kPadCentre - fy) < kPadBandHalfWidth)
        return fx >= kPadCentre ? ArrowDirection::Right : ArrowDirection::Left;
    if (std::abs(kPadCentre - fx) >= kPadBandHalfWidth)
        return std::nullopt;
    return fy >= kPadCentre ? ArrowDirection::Down : ArrowDirection::Up;
}

std::optional<ArrowDirection> arrowForKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return ArrowDirection::Up;
    case Qt::Key_Right:
        return ArrowDirection::Right;
    case Qt::Key_Down:
        return ArrowDirection::Down;
    case Qt::Key_Left:
        return ArrowDirection::Left;
    default:
        return std::nullopt;
    }
}

int placementStepForTick(int ticks)
{
    if (ticks <= 0)
        return 1;
    if (ticks <= 4)
        return 2;
    if (ticks <= 15)
        return 5;
    if (ticks <= 25)
        return 10;
    if (ticks <= 35)
        return 20;
    return 0; // by now the steps add up to more than the whole range
}

std::optional<ArrowDirection> ArrowRepeat::press(double x, double y, double padWidth, double padHeight)
{
    m_ticks = 0;
    const std::optional<ArrowDirection> hit = ArrowPadHit(x, y, padWidth, padHeight);
    if (hit)
        SetArrowDirection(*hit);
    return hit;
}

bool ArrowRepeat::StepPlacement(LayoutState &state)
{
    if (m_direction == ArrowDirection::None)
        return false;
    int &placement = movesVertically(m_direction) ? state.iVPlacement : state.iHPlacement;
    const int before = placement;
    const int step = placementStepForTick(m_ticks);
    if (movesTowardsZero(m_direction)) {
        if (placement == 0)
            return false;
        placement = std::max(0, placement - step);
    } else {
        if (placement == kMaxPlacement)
            return false;
        placement = std::min(kMaxPlacement, placement + step);
    }
    ++m_ticks;
    return placement != before;
}

bool ArrowRepeat::stepOnce(LayoutState &state, ArrowDirection direction)
{
    ArrowRepeat single;
    single.SetArrowDirection(direction);
    return single.StepPlacement(state);
}

GridDrag::Response GridDrag::mouseDown(const LayoutState &state, const CanvasGrid &grid, double x, double y,
                                       bool leftButton)
{
    if (!leftButton || !state.bImgSelected || !IsOverTileGrid(grid, x, y))
        return {};
    // IsOverTileGrid has already rounded both to whole pixels successfully.
    m_iDragStartX = *nearestInt32(x);
    m_iDragStartY = *nearestInt32(y);
    m_iDragStartH = state.iHPlacement;
    m_iDragStartV = state.iVPlacement;
    m_bCanvasDrag = true;
    return {PointerMode::Move, false};
}

GridDrag::Response GridDrag::mouseMove(LayoutState &state, const CanvasGrid &grid, double canvasScale, double x,
                                       double y)
{
    if (m_bCanvasDrag)
        return {PointerMode::Move, DragPlacement(state, grid, canvasScale, x, y)};
    // The recorded grid outlives the image it was drawn for; without an image there is
    // nothing to grab.
    const bool overGrid = state.bImgSelected && IsOverTileGrid(grid, x, y);
    return {overGrid ? PointerMode::Crosshair : PointerMode::Arrow, false};
}

GridDrag::Response GridDrag::mouseUp(LayoutState &state, const CanvasGrid &grid, double canvasScale, double x,
                                     double y)
{
    if (!m_bCanvasDrag)
        return {};
    const PointerMode pointer = IsOverTileGrid(grid, x, y) ? PointerMode::Crosshair : PointerMode::Arrow;
    const bool moved = DragPlacement(state, grid, canvasScale, x, y);
    m_bCanvasDrag = false;
    return {pointer, moved};
}

bool GridDrag::DragPlacement(LayoutState &state, const CanvasGrid &grid, double canvasScale, double x,
                             double y) const
{
    // Kept whole, the picture is what moves, inside the grid: the way the drag goes.
    const double towards = state.fit == FitMode::WholePicture ? -1.0 : 1.0;
    const std::optional<int> horizontal =
        draggedPlacement(state.lImgWidth, canvasScale, grid.width(), m_iDragStartH, towards * (x - m_iDragStartX));
    const std::optional<int> vertical =
        draggedPlacement(state.lImgHeight, canvasScale, grid.height(), m_iDragStartV, towards * (y - m_iDragStartY));
    const int beforeH = state.iHPlacement;
    const int beforeV = state.iVPlacement;
    if (horizontal)
        state.iHPlacement = *horizontal;
    if (vertical)
        state.iVPlacement = *vertical;
    return state.iHPlacement != beforeH || state.iVPlacement != beforeV;
}
