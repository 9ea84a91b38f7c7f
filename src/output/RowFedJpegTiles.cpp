#include "output/RowFedJpegTiles.h"

#include "imaging/ImageEncoder.h"
#include "imaging/JpegRowEncoder.h"
#include "output/TileRenderer.h"

#include <QColorSpace>

#include <algorithm>
#include <memory>

namespace {

// Every row down to the last tile's bottom, each batch read by every worker.
std::vector<RowBand> batchesFor(const TileCoords &cuts, int workers)
{
    int lastRow = -1;
    for (int t = 0; t < cuts.count(); ++t)
        lastRow = std::max<int>(lastRow, cuts.bottom(t));
    std::vector<RowBand> batches;
    for (int top = 0; top <= lastRow; top += RowFedJpegTiles::kRowsPerEncodeBatch)
        batches.push_back({top, std::min(top + RowFedJpegTiles::kRowsPerEncodeBatch - 1, lastRow), workers});
    return batches;
}

} // namespace

RowFedJpegTiles::RowFedJpegTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts, std::int32_t resolution,
                                 int workers)
    : m_cuts(cuts)
    // Never more than the pool runs at once: a worker left waiting for a thread would hold
    // up the batches the others wait for.
    , m_workerCount(std::clamp(workers, 1, WorkerPool::shared().size()))
    , m_ring(decoder, batchesFor(cuts, m_workerCount), QImage::Format_RGB888)
{
    if (!m_ring.started()) {
        m_rowsMissing = true;
        return;
    }
    m_batchCount = m_ring.bandCount();
    for (int t = 0; t < cuts.count(); ++t) {
        const bool rowStarts = t == 0 || cuts.top(t) != cuts.top(t - 1);
        m_column.push_back(rowStarts ? 0 : m_column.back() + 1);
    }
    // The resolution exactly as a tile image carries it when stamped.
    QImage stamped(1, 1, QImage::Format_RGB888);
    stampResolution(stamped, resolution);
    m_dotsPerMeter = stamped.dotsPerMeterX();
    for (int w = 0; w < m_workerCount; ++w)
        WorkerPool::shared().run(m_workers, [this, w] { work(w); });
}

RowFedJpegTiles::~RowFedJpegTiles()
{
    m_ring.stop();
    m_workers.wait();
}

void RowFedJpegTiles::work(int worker)
{
    std::map<int, std::unique_ptr<JpegRowCompressor>> open;
    for (int b = 0; b < m_batchCount; ++b) {
        const QImage rows = m_ring.waitForBand(b);
        if (rows.isNull()) {
            const std::lock_guard lock(m_mutex);
            m_rowsMissing = true;
            m_tileDone.notify_all();
            return;
        }
        const int first = b * kRowsPerEncodeBatch;
        const int last = first + rows.height() - 1;
        for (int t = 0; t < m_cuts.count(); ++t) {
            const int top = m_cuts.top(t);
            const int bottom = m_cuts.bottom(t);
            if (m_column[std::size_t(t)] % m_workerCount != worker || bottom < first || top > last)
                continue;
            std::unique_ptr<JpegRowCompressor> &compressor = open[t];
            const int left = m_cuts.left(t);
            const int width = m_cuts.right(t) - left + 1;
            if (!compressor)
                compressor = std::make_unique<JpegRowCompressor>(width, bottom - top + 1, rows.format(), m_dotsPerMeter,
                                                                 m_dotsPerMeter, rows.colorSpace().iccProfile(),
                                                                 kJpegTileQuality);
            const int from = std::max(first, top);
            const int to = std::min(last, bottom);
            compressor->writeRows(rows.constScanLine(from - first) + qsizetype(left) * (rows.depth() / 8),
                                  rows.bytesPerLine(), to - from + 1);
            if (to == bottom) {
                PreparedTile tile{RenderStatus::Ok, compressor->finish(), false, QSize(width, bottom - top + 1), {}};
                open.erase(t);
                const std::lock_guard lock(m_mutex);
                m_done[t] = std::move(tile);
                m_tileDone.notify_all();
            }
        }
        m_ring.releaseBand(b);
    }
}

PreparedTile RowFedJpegTiles::take(int t)
{
    std::unique_lock lock(m_mutex);
    m_tileDone.wait(lock, [this, t] { return m_done.count(t) > 0 || m_rowsMissing; });
    const auto found = m_done.find(t);
    if (found == m_done.end())
        return {RenderStatus::CutFailed, std::nullopt, true, {}, {}};
    return std::move(m_done.extract(found).mapped());
}
