#include "output/BandedTiles.h"

#include "output/RowFedJpegTiles.h"

#include <algorithm>

BandedTiles::BandedTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts, int rowsBelow, TilePrepare prepare,
                         QImage::Format pixels)
    : m_prepare(std::move(prepare))
{
    m_cutsInBand = cuts;
    const int lastPictureRow = decoder.size().height() - 1;
    std::vector<RowBand> bands;
    for (int t = 0; t < cuts.count(); ++t) {
        // Tiles run row by row, and the tiles of one row share their top and bottom.
        const bool sameRow = t > 0 && cuts.top(t - 1) == cuts.top(t) && cuts.bottom(t - 1) == cuts.bottom(t);
        // A band holds only rows of the picture: a picture kept whole may leave whole rows
        // of tiles above or below it, which read no band.
        if (cuts.bottom(t) < 0 || cuts.top(t) > lastPictureRow) {
            m_bandOfTile.push_back(kNoBand);
            continue;
        }
        const int top = std::max(cuts.top(t), 0);
        const int bottom = std::min(lastRowRead(cuts, t, rowsBelow), lastPictureRow);
        if (!sameRow)
            bands.push_back({top, bottom, 0});
        ++bands.back().readers;
        m_bandOfTile.push_back(int(bands.size()) - 1);
        m_cutsInBand.set(1, t, cuts.top(t) - top);
        m_cutsInBand.set(3, t, cuts.bottom(t) - top);
    }
    m_ring = std::make_unique<BandRing>(decoder, std::move(bands), pixels);
    if (m_ring->started())
        m_pipeline.emplace(cuts.count(), [this](int t) { return prepareFromBands(t); }, encodingWorkers());
}

int lastRowRead(const TileCoords &cuts, int t, int rowsBelow)
{
    const int bottom = cuts.bottom(t);
    for (int next = t + 1; rowsBelow > 0 && next < cuts.count(); ++next) {
        // The next row of tiles may begin a row or two further down, or overlap this one:
        // the rows read reach into it, never past it.
        if (cuts.top(next) != cuts.top(t) || cuts.bottom(next) != bottom)
            return std::min(std::max(bottom, cuts.top(next) + rowsBelow - 1), cuts.bottom(next));
    }
    return bottom;
}

BandedTiles::~BandedTiles()
{
    m_ring->stop();
}

PreparedTile BandedTiles::take(int t)
{
    return m_pipeline ? m_pipeline->take(t) : PreparedTile{RenderStatus::CutFailed, std::nullopt, true, {}, {}};
}

PreparedTile BandedTiles::prepareFromBands(int t)
{
    const int band = m_bandOfTile[std::size_t(t)];
    if (band == kNoBand)
        return m_prepare(t, BandRows{}, m_cutsInBand);
    const BandRows rows{m_ring->waitForBand(band), m_ring->band(band).top};
    if (rows.rows.isNull())
        return {RenderStatus::CutFailed, std::nullopt, true, {}, {}};
    PreparedTile tile = m_prepare(t, rows, m_cutsInBand);
    m_ring->releaseBand(band);
    return tile;
}

int BandedTiles::encodingWorkers()
{
    return std::max(1, WorkerPool::coreCount() - 1);
}

std::unique_ptr<TileSource> startBandedTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts,
                                             const TileRunValues &run, ImageFileType fileType)
{
    const QSize picture = decoder.size();
    bool withinPicture = true;
    for (int t = 0; t < cuts.count(); ++t)
        withinPicture = withinPicture && cuts.left(t) >= 0 && cuts.top(t) >= 0 && cuts.right(t) < picture.width()
            && cuts.bottom(t) < picture.height();
    // Compressors fed rows take the tiles' own pixels only: no turn, border or blank paper.
    if (fileType == ImageFileType::Jpeg && !run.rotated && !run.compensation && withinPicture) {
        return std::make_unique<RowFedJpegTiles>(decoder, cuts, run.stampedResolution(), BandedTiles::encodingWorkers());
    }
    auto banded = std::make_unique<BandedTiles>(
        decoder, cuts, 0, [run, fileType](int t, const BandRows &rows, const TileCoords &cutsInBand) {
            return prepareTileFrom(rows.rows, cutsInBand, t, run, fileType);
        });
    return banded;
}
