#include "output/TilePipeline.h"

#include "output/TileWriter.h"

#include <algorithm>
#include <utility>

PreparedTile prepareTileFrom(const QImage &source, const TileCoords &coords, int t, const TileRunValues &run,
                             ImageFileType fileType)
{
    const RenderedTile tile = renderTileForEncoding(source, coords, t, run);
    if (tile.status != RenderStatus::Ok)
        return {tile.status, std::nullopt, false, {}, {}};
    return {RenderStatus::Ok, encodeTile(tile.image, fileType), false, tile.image.size(), {}};
}

TilePipeline::TilePipeline(int tileCount, PrepareFunction prepare, int workerCount)
    : m_tileCount(std::max(tileCount, 0))
    , m_window(2 * std::max(workerCount, 1))
    , m_prepare(std::move(prepare))
{
    const int workers = std::min(std::max(workerCount, 1), std::max(m_tileCount, 1));
    for (int i = 0; i < workers; ++i)
        WorkerPool::shared().run(m_workers, [this] { work(); });
}

TilePipeline::~TilePipeline()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_roomOpened.notify_all();
    m_workers.wait();
}

bool TilePipeline::mayStartNext() const
{
    return m_nextToStart < m_tileCount && m_nextToStart < m_nextToTake + m_window;
}

void TilePipeline::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_roomOpened.wait(lock, [this] { return m_stopping || mayStartNext() || m_nextToStart >= m_tileCount; });
        if (m_stopping || m_nextToStart >= m_tileCount)
            return;
        const int tile = m_nextToStart++;
        lock.unlock();
        PreparedTile prepared;
        try {
            prepared = m_prepare(tile);
        } catch (...) {
            // Out of memory for one tile, say: it stays a failed tile, which the caller
            // reports when its turn comes, instead of ending the program.
            prepared = PreparedTile{};
        }
        lock.lock();
        m_done.emplace(tile, std::move(prepared));
        m_tileDone.notify_all();
    }
}

PreparedTile TilePipeline::take(int tile)
{
    std::unique_lock lock(m_mutex);
    if (tile != m_nextToTake || tile >= m_tileCount)
        return PreparedTile{};
    m_tileDone.wait(lock, [this, tile] { return m_done.count(tile) != 0; });
    auto found = m_done.find(tile);
    PreparedTile prepared = std::move(found->second);
    m_done.erase(found);
    ++m_nextToTake;
    lock.unlock();
    m_roomOpened.notify_all();
    return prepared;
}
