#include "output/BandedTiles.h"

#include "output/RowFedJpegTiles.h"

#include <algorithm>

BandedTiles::BandedTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts, int rowsBelow, Prepare prepare)
    : m_decoder(decoder)
    , m_prepare(std::move(prepare))
{
    m_cutsInBand = cuts;
    for (int t = 0; t < cuts.count(); ++t) {
        // Tiles run row by row, and the tiles of one row share their top and bottom.
        const bool sameRow =
            !m_bands.empty() && m_bands.back().top == cuts.top(t) && m_bands.back().bottom == cuts.bottom(t);
        if (!sameRow)
            m_bands.push_back({cuts.top(t), cuts.bottom(t), 0});
        ++m_bands.back().readers;
        m_bandOfTile.push_back(int(m_bands.size()) - 1);
        m_cutsInBand.set(1, t, cuts.top(t) - m_bands.back().top);
        m_cutsInBand.set(3, t, cuts.bottom(t) - m_bands.back().top);
    }
    // A band reaches rowsBelow rows into the next row of tiles (which may begin a row or two
    // further down, or overlap it), never past that row.
    for (std::size_t band = 0; rowsBelow > 0 && band + 1 < m_bands.size(); ++band) {
        const RowBand &next = m_bands[band + 1];
        m_bands[band].bottom = std::min(std::max(m_bands[band].bottom, next.top + rowsBelow - 1), next.bottom);
    }
    if (decoder.decodeBands(m_bands, QImage::Format_RGB32))
        m_pipeline.emplace(cuts.count(), [this](int t) { return prepareFromBands(t); }, encodingWorkers());
}

PreparedTile BandedTiles::take(int t)
{
    return m_pipeline ? m_pipeline->take(t) : PreparedTile{RenderStatus::CutFailed, std::nullopt, true, {}, {}};
}

PreparedTile BandedTiles::prepareFromBands(int t)
{
    const int band = m_bandOfTile[std::size_t(t)];
    const BandRows rows{m_decoder.waitForBand(band), m_bands[std::size_t(band)].top};
    if (rows.rows.isNull())
        return {RenderStatus::CutFailed, std::nullopt, true, {}, {}};
    PreparedTile tile = m_prepare(t, rows, m_cutsInBand);
    m_decoder.releaseBand(band);
    return tile;
}

int BandedTiles::encodingWorkers()
{
    return std::max(1, TilePipeline::defaultWorkerCount() - 1);
}

std::unique_ptr<TileSource> startBandedTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts,
                                             const TileRunValues &run, ImageFileType fileType)
{
    if (fileType == ImageFileType::Jpeg && !run.rotated && !run.compensation) {
        auto rowFed = std::make_unique<RowFedJpegTiles>(decoder, cuts, run.stampedResolution(),
                                                        BandedTiles::encodingWorkers());
        return rowFed->started() ? std::move(rowFed) : nullptr;
    }
    auto banded = std::make_unique<BandedTiles>(
        decoder, cuts, 0, [run, fileType](int t, const BandRows &rows, const TileCoords &cutsInBand) {
            return prepareTileFrom(rows.rows, cutsInBand, t, run, fileType);
        });
    return banded->started() ? std::move(banded) : nullptr;
}
