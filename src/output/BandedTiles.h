#pragma once

#include "imaging/ImageFileType.h"
#include "imaging/StreamingJpegDecoder.h"
#include "output/BandRing.h"
#include "layout/TileCoordinates.h"
#include "output/TileRenderer.h"
#include "output/TilePipeline.h"

#include <QRect>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The last row of the picture tile t is made from: its own bottom, or rowsBelow rows into
// the next row of tiles, never past that row.
int lastRowRead(const TileCoords &cuts, int t, int rowsBelow);

// The tiles of a run over a JPEG that is decoded as the tiles need it and never held
// whole, cut from the rows of their row of tiles: two such bands are held at a time, and
// the tiles are prepared on every core but the decoder's.
class BandedTiles final : public TileSource
{
public:
    // Starts the decoder on the rows the tiles need, each row of tiles' band reaching
    // rowsBelow rows into the next (a tile holds only its own band: holding the next while
    // it waits could stall the decoder's ring); when they cannot be had, every tile comes back missing and whyRowsMissing says why.
    // Bands of 32-bit pixels suit tile files, which are encoded from the pixels they are
    // cut as; 24-bit bands hold the same colours in three quarters of the memory.
    BandedTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts, int rowsBelow, TilePrepare prepare,
                QImage::Format pixels = QImage::Format_RGB32);
    // Wakes the workers waiting for bands before they are joined.
    ~BandedTiles() override;

    PreparedTile take(int t) override;
    QString whyRowsMissing() const override { return m_ring->errorText(); }

    // One core decodes; the others cut and encode.
    static int encodingWorkers();

private:
    // Tile t, waiting for its rows; run on the pipeline's workers.
    PreparedTile prepareFromBands(int t);

    const TilePrepare m_prepare;
    static constexpr int kNoBand = -1;
    std::vector<int> m_bandOfTile; // kNoBand for a tile wholly above or below the picture
    TileCoords m_cutsInBand;
    std::unique_ptr<BandRing> m_ring;
    // Last, so that its workers are joined before anything they read goes.
    std::optional<TilePipeline> m_pipeline;
};

// The tiles of a run over a JPEG that is never held whole: JPEG tiles cut as they are (not
// turned, no borders) are encoded from each batch of rows as it decodes (RowFedJpegTiles);
// the others are cut from bands (BandedTiles). A source that could not start gives every
// tile as missing, and says why.
std::unique_ptr<TileSource> startBandedTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts,
                                             const TileRunValues &run, ImageFileType fileType);
