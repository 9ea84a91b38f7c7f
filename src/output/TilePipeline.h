#pragma once

#include "common/WorkerPool.h"
#include "imaging/ImageFileType.h"
#include "output/TileRenderer.h"
#include "output/TileSource.h"

#include <QByteArray>
#include <QSize>

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>

// Tile t cut from source (in place where it can be), turned and widened as the run asks,
// and encoded as fileType.
PreparedTile prepareTileFrom(const QImage &source, const TileCoords &coords, int t, const TileRunValues &run,
                             ImageFileType fileType);

// Renders and encodes tiles on worker threads ahead of a caller that takes them strictly
// in tile order. At most twice as many tiles as there are workers are started beyond the
// last one taken, so memory stays bounded however large the poster. Destroying the
// pipeline discards whatever was prepared ahead and joins every worker: no thread
// outlives it.
class TilePipeline final : public TileSource
{
public:
    // Must be safe to call from several threads at once for different tiles.
    using PrepareFunction = std::function<PreparedTile(int tile)>;

    TilePipeline(int tileCount, PrepareFunction prepare, int workerCount = WorkerPool::coreCount());
    ~TilePipeline();

    TilePipeline(const TilePipeline &) = delete;
    TilePipeline &operator=(const TilePipeline &) = delete;

    // Waits for the tile and hands it over. Tiles are taken in order 0, 1, 2, ...; a tile
    // out of that order, or past the end, comes back as a failed cut.
    PreparedTile take(int tile) override;

private:
    void work();
    bool mayStartNext() const;

    const int m_tileCount;
    const int m_window;
    const PrepareFunction m_prepare;

    std::mutex m_mutex;
    std::condition_variable m_tileDone;   // a worker finished a tile
    std::condition_variable m_roomOpened; // the caller took a tile, or the pipeline stops
    int m_nextToStart = 0;
    int m_nextToTake = 0;
    bool m_stopping = false;
    std::map<int, PreparedTile> m_done;
    WorkerGroup m_workers; // on the shared pool; last, so that they end first
};
