#pragma once

#include "imaging/ImageFileType.h"
#include "imaging/StreamingJpegDecoder.h"
#include "layout/TileCoordinates.h"
#include "output/TileRenderer.h"
#include "output/TilePipeline.h"

#include <QRect>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The rows a tile is cut from: the band of its own row of tiles and, for a tile that
// reads into the row below (a PDF sheet's glue strip), that row's band too.
struct BandRows
{
    QImage own;
    int ownTop = 0;
    QImage below; // null when not read
    int belowTop = 0;

    // The pixels of an area of the whole picture that lies within one of the two bands.
    QImage copy(const QRect &area) const;
};

// The tiles of a run over a JPEG that is decoded as the tiles need it and never held
// whole, cut from the rows of their row of tiles: two such bands are held at a time in 32
// bits, which turning and borders work on, and the tiles are prepared on every core but
// the decoder's.
class BandedTiles final : public TileSource
{
public:
    // Tile t from its rows; cutsInBand give each tile's rectangle within its own band.
    // Called from several threads at once.
    using Prepare = std::function<PreparedTile(int t, const BandRows &rows, const TileCoords &cutsInBand)>;

    // Starts the decoder on the rows the tiles need; started() says whether it could.
    BandedTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts, bool readsRowBelow, Prepare prepare);

    // False when the decoder refused the bands (its errorText says why).
    bool started() const { return m_pipeline.has_value(); }

    PreparedTile take(int t) override;

    // One core decodes; the others cut and encode.
    static int encodingWorkers();

private:
    // Tile t, waiting for its rows; run on the pipeline's workers.
    PreparedTile prepareFromBands(int t);

    StreamingJpegDecoder &m_decoder;
    const bool m_readsRowBelow;
    const Prepare m_prepare;
    std::vector<RowBand> m_bands;
    std::vector<int> m_bandOfTile;
    TileCoords m_cutsInBand;
    // Last, so that its workers are joined before anything they read goes.
    std::optional<TilePipeline> m_pipeline;
};

// The tiles of a run over a JPEG that is never held whole: JPEG tiles cut as they are (not
// turned, no borders) are encoded from each batch of rows as it decodes (RowFedJpegTiles);
// the others are cut from bands (BandedTiles). Nothing when the decoder refused, with the
// reason as its errorText.
std::unique_ptr<TileSource> startBandedTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts,
                                             const TileRunValues &run, ImageFileType fileType);
