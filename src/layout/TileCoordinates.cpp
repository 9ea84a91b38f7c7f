#include "layout/TileCoordinates.h"

#include "common/Rounding.h"
#include "layout/PosterFit.h"

#include <algorithm>
#include <limits>
#include <optional>

void TileCoords::reset(int count)
{
    m_count = count > 0 ? count : 0;
    m_values.assign(static_cast<std::size_t>(m_count) * kValuesPerTile, 0);
}

bool TileCoords::contains(int k, int t) const
{
    return k >= 0 && k < kValuesPerTile && t >= 0 && t < m_count;
}

std::int32_t TileCoords::at(int k, int t) const
{
    if (!contains(k, t))
        return 0;
    return m_values[static_cast<std::size_t>(t) * kValuesPerTile + k];
}

void TileCoords::set(int k, int t, std::int32_t value)
{
    if (contains(k, t))
        m_values[static_cast<std::size_t>(t) * kValuesPerTile + k] = value;
}

namespace {

// Integer sum that reports leaving the 32-bit range instead of wrapping.
std::optional<std::int32_t> checkedSum(std::int32_t a, std::int32_t b)
{
    const std::int64_t sum = std::int64_t(a) + std::int64_t(b);
    if (sum < std::numeric_limits<std::int32_t>::min() || sum > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(sum);
}

bool validPlacement(int placement)
{
    return placement >= 0 && placement <= kMaxPlacement;
}

// The grid's size and top-left corner in image pixels.
struct GridFrame
{
    std::int32_t width = 0;  // E
    std::int32_t left = 0;   // G
    std::int32_t height = 0; // Hg
    std::int32_t top = 0;    // J
};

std::optional<GridFrame> placeGrid(const LayoutState &state, const ImageCoverage &coverage)
{
    const double h = state.iHPlacement / double(kMaxPlacement);
    const double v = state.iVPlacement / double(kMaxPlacement);

    const std::optional<std::int32_t> width = nearestInt32(coverage.usedWidth());
    const std::optional<std::int32_t> height = nearestInt32(coverage.usedHeight());
    if (!width || !height)
        return std::nullopt;
    // The spare pixels are an integer difference; doubles hold any two 32-bit values' difference exactly.
    const std::optional<std::int32_t> left = nearestInt32((double(state.lImgWidth) - double(*width)) * h);
    const std::optional<std::int32_t> top = nearestInt32((double(state.lImgHeight) - double(*height)) * v);
    if (!left || !top)
        return std::nullopt;
    return GridFrame{*width, *left, *height, *top};
}

// One tile's start along an axis and its inclusive end, each end taken from its own start.
struct TileSpan
{
    std::int32_t first = 0;
    std::int32_t last = 0;
};

std::optional<TileSpan> tileSpan(std::int32_t gridStart, std::int32_t gridExtent, int index, int tilesAlong)
{
    const std::optional<std::int32_t> offset = nearestInt32((double(index) / tilesAlong) * gridExtent);
    if (!offset)
        return std::nullopt;
    const std::optional<std::int32_t> first = checkedSum(gridStart, *offset);
    if (!first)
        return std::nullopt;
    const std::optional<std::int32_t> last = nearestInt32(double(gridExtent) / tilesAlong + *first - 1);
    // A grid narrower than half a pixel per tile leaves tiles with no pixels to print.
    if (!last || *last < *first)
        return std::nullopt;
    return TileSpan{*first, *last};
}

bool fillTiles(const GridFrame &grid, int tilesWide, int tilesHigh, TileCoords &coords)
{
    for (int row = 0; row < tilesHigh; ++row) {
        const std::optional<TileSpan> rows = tileSpan(grid.top, grid.height, row, tilesHigh);
        if (!rows)
            return false;
        for (int column = 0; column < tilesWide; ++column) {
            const std::optional<TileSpan> columns = tileSpan(grid.left, grid.width, column, tilesWide);
            if (!columns)
                return false;
            const int t = row * tilesWide + column;
            coords.set(0, t, columns->first);
            coords.set(1, t, rows->first);
            coords.set(2, t, columns->last);
            coords.set(3, t, rows->last);
        }
    }
    return true;
}

} // namespace

int CalcTileCoord(const LayoutState &state, TileCoords &coords)
{
    const int tilesWide = state.tilesWide();
    const int tilesHigh = state.tilesHigh();
    const bool countsValid = tilesWide >= 1 && tilesWide <= kMaxTilesPerSide && tilesHigh >= 1
        && tilesHigh <= kMaxTilesPerSide;
    const int count = countsValid ? tilesWide * tilesHigh : 0;
    coords.reset(count);
    if (!countsValid)
        return -1;

    const std::optional<PosterShape> shape = posterShape(state);
    if (!shape || !validPlacement(state.iHPlacement) || !validPlacement(state.iVPlacement))
        return -1;
    const std::optional<ImageCoverage> coverage = coverImage(state, *shape);
    if (!coverage)
        return -1;
    const std::optional<GridFrame> grid = placeGrid(state, *coverage);
    if (!grid || !fillTiles(*grid, tilesWide, tilesHigh, coords)) {
        coords.reset(count);
        return -1;
    }
    return count;
}

namespace {

bool fitTilesAroundImage(TileCoords &coords, std::int32_t width, std::int32_t height)
{
    const int last = coords.count() - 1;
    for (int t = 0; t <= last; ++t)
        if (coords.right(t) < coords.left(t) || coords.bottom(t) < coords.top(t))
            return false;
    const std::int64_t shortOfRight = std::int64_t(width) - 1 - coords.right(last);
    const std::int64_t shortOfBottom = std::int64_t(height) - 1 - coords.bottom(last);
    if (last < 0 || coords.left(0) > 0 || coords.top(0) > 0 || shortOfRight > 1 || shortOfBottom > 1)
        return false;
    // The last column shares its right edge, the last row its bottom edge.
    const std::int32_t lastRight = coords.right(last);
    const std::int32_t lastBottom = coords.bottom(last);
    for (int t = 0; t <= last; ++t) {
        if (shortOfRight == 1 && coords.right(t) == lastRight)
            coords.set(2, t, width - 1);
        if (shortOfBottom == 1 && coords.bottom(t) == lastBottom)
            coords.set(3, t, height - 1);
    }
    return true;
}

} // namespace

bool tileHoldsPicture(const TileCoords &coords, int t, std::int32_t width, std::int32_t height)
{
    return t >= 0 && t < coords.count() && coords.right(t) >= 0 && coords.bottom(t) >= 0 && coords.left(t) < width
        && coords.top(t) < height;
}

int tilesHoldingPicture(const TileCoords &coords, std::int32_t width, std::int32_t height)
{
    int holding = 0;
    for (int t = 0; t < coords.count(); ++t)
        holding += tileHoldsPicture(coords, t, width, height) ? 1 : 0;
    return holding;
}

bool fitTilesToImage(TileCoords &coords, std::int32_t width, std::int32_t height, FitMode fit)
{
    if (fit == FitMode::WholePicture)
        return fitTilesAroundImage(coords, width, height);
    for (int t = 0; t < coords.count(); ++t) {
        if (coords.left(t) < 0 || coords.top(t) < 0 || coords.right(t) < coords.left(t)
            || coords.bottom(t) < coords.top(t) || coords.right(t) > width || coords.bottom(t) > height
            || coords.left(t) >= width || coords.top(t) >= height)
            return false;
    }
    // Moved back rather than cut, so that the tile keeps the size its rectangle gives it and
    // prints as large as its neighbours; cut only when the image has no pixel to spare.
    const auto moveBack = [&coords](int t, int first, int last, std::int32_t extent) {
        if (coords.at(last, t) < extent)
            return;
        if (coords.at(first, t) > 0)
            coords.set(first, t, coords.at(first, t) - 1);
        coords.set(last, t, extent - 1);
    };
    for (int t = 0; t < coords.count(); ++t) {
        moveBack(t, 0, 2, width);
        moveBack(t, 1, 3, height);
    }
    return true;
}
