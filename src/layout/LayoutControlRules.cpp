#include "layout/LayoutControlRules.h"

#include "layout/PosterFit.h"
#include "resources/CanvasStrings.h"

#include <utility>

namespace {

constexpr int kFullTurn = 360;
constexpr int kQuarterTurn = 90;

bool isTileCountIndex(int index)
{
    return index >= 0 && index < kMaxTilesPerSide;
}

bool isQuarterAngle(int angle)
{
    return angle >= 0 && angle < kFullTurn && angle % kQuarterTurn == 0;
}

} // namespace

bool chooseTilesWide(LayoutState &state, int index)
{
    if (!isTileCountIndex(index))
        return false;
    state.tilesWideIndex = index;
    if (state.lockWh)
        state.tilesHighIndex = index;
    return true;
}

bool chooseTilesHigh(LayoutState &state, int index)
{
    if (!isTileCountIndex(index))
        return false;
    state.tilesHighIndex = index;
    if (state.lockWh)
        state.tilesWideIndex = index;
    return true;
}

void chooseLockWh(LayoutState &state, bool locked)
{
    state.lockWh = locked;
    if (locked)
        state.tilesHighIndex = state.tilesWideIndex;
}

QString zoomReadoutText(int zoom)
{
    return CanvasStrings::kZoomReadoutOpen + QString::number(zoom) + CanvasStrings::kZoomReadoutClose;
}

std::optional<int> clockwiseTurn(int fromAngle, int toAngle)
{
    if (!isQuarterAngle(fromAngle) || !isQuarterAngle(toAngle))
        return std::nullopt;
    int delta = toAngle - fromAngle;
    if (delta < 0)
        delta += kFullTurn;
    return delta;
}

ImageTurn RotateImageTo(ImageObject &img, LayoutState &state, int newAngle)
{
    const std::optional<int> turn = clockwiseTurn(state.iImgRotation, newAngle);
    if (!turn)
        return ImageTurn::Failed;
    if (*turn == 0)
        return ImageTurn::Unchanged;
    if (!img.Rotate(float(*turn)))
        return ImageTurn::Failed;
    if (*turn != 180)
        std::swap(state.lImgWidth, state.lImgHeight);
    state.iImgRotation = newAngle;
    return ImageTurn::Turned;
}
