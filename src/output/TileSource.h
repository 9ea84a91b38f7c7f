#pragma once

#include "output/SheetStrips.h"
#include "output/TileRenderer.h"

#include <QByteArray>
#include <QSize>

#include <optional>

// A tile rendered and encoded, ready to be written.
struct PreparedTile
{
    RenderStatus status = RenderStatus::CutFailed;
    std::optional<QByteArray> encoded; // nothing when the tile could not be encoded
    bool sourceMissing = false;        // the source rows the tile needs never arrived
    QSize size;                        // the rendered tile's pixels
    SheetStrips strips;                // a PDF sheet's glue strips
};

// Where a save run takes its tiles from, rendered and encoded, strictly in tile order 0, 1,
// 2, ...: the whole picture's pipeline, the bands of a JPEG decoded as the tiles need them,
// or compressors fed the JPEG's rows. Destroying a source stops its work and joins its
// threads.
class TileSource
{
public:
    virtual ~TileSource() = default;
    // Waits for tile t; a tile whose source rows never came is marked sourceMissing.
    virtual PreparedTile take(int tile) = 0;
};
