#pragma once

#include "common/WorkerPool.h"
#include "imaging/StreamingJpegDecoder.h"
#include "output/BandRing.h"
#include "layout/TileCoordinates.h"
#include "output/TileSource.h"

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

// The JPEG tiles of a run whose tiles go to their files as they are cut (not turned, no
// borders), encoded while the picture decodes: every tile has its own compressor, fed its
// part of each batch of rows as the batch arrives, so no band of the picture is ever held
// and encoding keeps pace with decoding. The files are the ones the tiles cut from the
// whole picture give.
class RowFedJpegTiles final : public TileSource
{
public:
    static constexpr int kRowsPerEncodeBatch = 64;

    // Starts the decoder on batches of 24-bit rows, every row down to the last tile's
    // bottom, and the workers on them; each worker encodes every workers-th column of tiles.
    RowFedJpegTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts, std::int32_t resolution, int workers);
    // Stops the decoder if it still runs and joins the workers.
    ~RowFedJpegTiles() override;
    RowFedJpegTiles(const RowFedJpegTiles &) = delete;
    RowFedJpegTiles &operator=(const RowFedJpegTiles &) = delete;

    QString whyRowsMissing() const override { return m_ring.errorText(); }

    // Waits for tile t's file; a tile whose rows never came is marked sourceMissing.
    PreparedTile take(int t) override;

private:
    void work(int worker);

    const TileCoords m_cuts;
    const int m_workerCount;
    int m_batchCount = 0;
    std::vector<int> m_column; // each tile's place in its row of tiles
    int m_dotsPerMeter = 0;

    std::mutex m_mutex;
    std::condition_variable m_tileDone;
    std::map<int, PreparedTile> m_done;
    bool m_rowsMissing = false;
    BandRing m_ring; // the decoder writes into it until it is destroyed
    // On the shared pool, all at once: each releases its share of every batch. Last, so
    // that they end first.
    WorkerGroup m_workers;
};
