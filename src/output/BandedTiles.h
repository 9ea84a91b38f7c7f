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

// The rows a tile is cut from: the band of its row of tiles, which may reach into the row
// below (a PDF sheet's glue strip), and where the band begins.
struct BandRows
{
    QImage rows;
    int top = 0;

    // The pixels of an area of the whole picture that lies within the band.
    QImage copy(const QRect &area) const { return rows.copy(area.translated(0, -top)); }
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

    // Starts the decoder on the rows the tiles need, each row of tiles' band reaching
    // rowsBelow rows into the next (a tile holds only its own band: holding the next while
    // it waits could stall the decoder's ring); started() says whether it could.
    BandedTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts, int rowsBelow, Prepare prepare);

    // False when the decoder refused the bands (its errorText says why).
    bool started() const { return m_pipeline.has_value(); }

    PreparedTile take(int t) override;

    // One core decodes; the others cut and encode.
    static int encodingWorkers();

private:
    // Tile t, waiting for its rows; run on the pipeline's workers.
    PreparedTile prepareFromBands(int t);

    StreamingJpegDecoder &m_decoder;
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
