#pragma once

#include "imaging/StreamingJpegDecoder.h"
#include "layout/TileCoordinates.h"
#include "output/TilePipeline.h"

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

// The JPEG tiles of a run whose tiles go to their files as they are cut (not turned, no
// borders), encoded while the picture decodes: every tile has its own compressor, fed its
// part of each batch of rows as the batch arrives, so no band of the picture is ever held
// and encoding keeps pace with decoding. The files are the ones the tiles cut from the
// whole picture give.
class RowFedJpegTiles
{
public:
    static constexpr int kRowsPerBatch = 64;

    // The batches the decoder is to decode: every row down to the last tile's bottom, each
    // batch read by every worker.
    static std::vector<RowBand> batchesFor(const TileCoords &cuts, int workers);

    // Starts the workers on a decoder that decodes batchesFor(cuts, workers) in 24-bit
    // rows. Each worker encodes the tiles of every other column (the workerCount-th ones).
    RowFedJpegTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts, std::int32_t resolution, int workers);
    // Stops the decoder if it still runs and joins the workers.
    ~RowFedJpegTiles();
    RowFedJpegTiles(const RowFedJpegTiles &) = delete;
    RowFedJpegTiles &operator=(const RowFedJpegTiles &) = delete;

    // Waits for tile t's file; a tile whose rows never came is marked sourceMissing.
    PreparedTile take(int t);

private:
    void work(int worker);

    StreamingJpegDecoder &m_decoder;
    const TileCoords m_cuts;
    const int m_batchCount;
    const int m_workerCount;
    std::vector<int> m_column; // each tile's place in its row of tiles
    int m_dotsPerMeter = 0;

    std::mutex m_mutex;
    std::condition_variable m_tileDone;
    std::map<int, PreparedTile> m_done;
    bool m_rowsMissing = false;
    std::vector<std::thread> m_workers;
};
