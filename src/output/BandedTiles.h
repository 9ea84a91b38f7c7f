#pragma once

#include "imaging/ImageFileType.h"
#include "imaging/StreamingJpegDecoder.h"
#include "layout/TileCoordinates.h"
#include "output/RowFedJpegTiles.h"
#include "output/TileRenderer.h"
#include "output/TilePipeline.h"

#include <optional>
#include <vector>

// The tiles of a run over a JPEG that is decoded as the tiles need it and never held
// whole. JPEG tiles cut as they are (not turned, no borders) are encoded from each batch of
// rows as it decodes (RowFedJpegTiles); the others are cut from the rows of their row of
// tiles, two such bands held at a time in 32 bits, which turning and borders work on.
class BandedTiles
{
public:
    // Starts the decoder on the rows the tiles need; started() says whether it could.
    BandedTiles(StreamingJpegDecoder &decoder, const TileCoords &cuts, const TileRunValues &run,
                ImageFileType fileType);

    // False when the decoder refused the bands (its errorText says why).
    bool started() const { return m_started; }

    // Tile t for TilePipeline, waiting for its rows; safe from several threads at once.
    PreparedTile prepare(int t);
    // How many of the pipeline's workers should prepare tiles: the row-fed encoder runs its own.
    int pipelineWorkers() const;

    // One core decodes; the others cut and encode.
    static int encodingWorkers();

private:
    StreamingJpegDecoder &m_decoder;
    const TileRunValues m_run;
    const ImageFileType m_fileType;
    std::vector<RowBand> m_bands;
    std::vector<int> m_bandOfTile;
    TileCoords m_cutsInBand; // each tile's rectangle within its band
    std::optional<RowFedJpegTiles> m_rowFed;
    bool m_started = false;
};
