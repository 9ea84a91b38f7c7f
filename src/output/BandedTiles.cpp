#include "output/BandedTiles.h"

#include "output/RowFedJpegTiles.h"

#include <algorithm>

BandedTiles::BandedTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts, const TileRunValues &run,
                         ImageFileType fileType)
    : m_decoder(decoder)
    , m_run(run)
    , m_fileType(fileType)
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
    if (decoder.decodeBands(m_bands, QImage::Format_RGB32))
        m_pipeline.emplace(cuts.count(), [this](int t) { return prepare(t); }, encodingWorkers());
}

PreparedTile BandedTiles::take(int t)
{
    return m_pipeline ? m_pipeline->take(t) : PreparedTile{RenderStatus::CutFailed, std::nullopt, true, {}};
}

PreparedTile BandedTiles::prepare(int t)
{
    const int band = m_bandOfTile[std::size_t(t)];
    const QImage rows = m_decoder.waitForBand(band);
    if (rows.isNull())
        return {RenderStatus::CutFailed, std::nullopt, true, {}};
    PreparedTile tile = prepareTileFrom(rows, m_cutsInBand, t, m_run, m_fileType);
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
    auto banded = std::make_unique<BandedTiles>(decoder, cuts, run, fileType);
    return banded->started() ? std::move(banded) : nullptr;
}
