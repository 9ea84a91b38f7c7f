#include "output/PagePixels.h"

#include "imaging/VectorPage.h"
#include "output/TilePipeline.h"

#include <algorithm>
#include <cmath>

namespace {

// Each tile drawn from the page: its own rectangle, and as far to the right and below as a
// PDF sheet's glue strips reach.
class DrawnTiles final : public TileSource
{
public:
    DrawnTiles(const PagePixels &pixels, const VectorPage &page, int turn, TilesAsked asked)
        : m_pixels(pixels)
        , m_page(page)
        , m_turn(turn)
        , m_asked(std::move(asked))
        , m_pipeline(m_asked.cuts.count(), [this](int t) { return make(t); })
    {
    }

    PreparedTile take(int t) override { return m_pipeline.take(t); }

private:
    PreparedTile make(int t)
    {
        const TileCoords &cuts = m_asked.cuts;
        if (!m_asked.wanted(t))
            return {RenderStatus::Ok, std::nullopt, false, {}, {}};
        const QRect reach(QPoint(cuts.left(t), cuts.top(t)),
                          QPoint(cuts.right(t) + m_asked.rowsBelow, cuts.bottom(t) + m_asked.rowsBelow));
        const QRect area = reach.intersected(QRect(QPoint(), m_pixels.size()));
        BandRows rows{area.isEmpty() ? QImage() : m_page.draw(m_pixels.size(), m_turn, area), area.top(), area.left()};
        if (!area.isEmpty() && rows.rows.isNull())
            return {RenderStatus::CutFailed, std::nullopt, false, {}, {}};
        TileCoords cutsInRows(cuts.count());
        for (int k = 0; k < TileCoords::kValuesPerTile; ++k)
            cutsInRows.set(k, t, cuts.at(k, t) - (k % 2 == 0 ? area.left() : area.top()));
        return m_asked.prepare(t, rows, cutsInRows);
    }

    const PagePixels &m_pixels;
    const VectorPage &m_page;
    const int m_turn;
    const TilesAsked m_asked;
    // Last, so that its workers are joined before anything they read goes.
    TilePipeline m_pipeline;
};

} // namespace

PagePixels::PagePixels(std::shared_ptr<const VectorPage> page, int turn, QSize size)
    : m_page(std::move(page)), m_turn(turn), m_size(size)
{
}

std::unique_ptr<TileSource> PagePixels::tiles(const TileCoords &cuts, int rowsBelow, Wanted wanted,
                                              TilePrepare prepare)
{
    return std::make_unique<DrawnTiles>(*this, *m_page, m_turn,
                                        TilesAsked{cuts, rowsBelow, std::move(wanted), std::move(prepare)});
}

QImage PagePixels::reduced(QSize atLeast) const
{
    const double scale = std::min(1.0, std::max(double(atLeast.width()) / m_size.width(),
                                                double(atLeast.height()) / m_size.height()));
    const QSize drawn(std::max(1, int(std::ceil(m_size.width() * scale))),
                      std::max(1, int(std::ceil(m_size.height() * scale))));
    return m_page->draw(drawn, m_turn, QRect(QPoint(), drawn));
}
