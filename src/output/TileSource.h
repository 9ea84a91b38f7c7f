#pragma once

#include "output/SheetStrips.h"
#include "output/TileRenderer.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <QImage>
#include <QRect>

#include <functional>
#include <optional>

// A tile rendered and encoded, ready to be written.
struct PreparedTile
{
    RenderStatus status = RenderStatus::CutFailed;
    std::optional<QByteArray> encoded; // nothing when the tile could not be encoded
    bool sourceMissing = false;        // the source rows the tile needs never arrived
    QSize size;                        // the rendered tile's pixels
    SheetStrips strips;                // a PDF sheet's glue strips
    // The part of the rendered tile its picture shows, for a sheet a picture kept whole
    // leaves partly blank: encoded is then that part alone. Null for the whole tile.
    QRect drawn;
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
    // Why a tile's source rows never came; empty while they have.
    virtual QString whyRowsMissing() const { return QString(); }
};

// The rows a tile is cut from: the whole picture, the band of its row of tiles, which
// may reach into the row below (a PDF sheet's glue strip), or the part of a page drawn for
// it; and where they begin.
struct BandRows
{
    QImage rows;
    int top = 0;
    int left = 0;

    // The pixels of an area of the whole picture: white beyond the rows, which hold every
    // pixel of the picture the area reaches.
    QImage copy(const QRect &area) const { return areaOnPaper(rows, area.translated(-left, -top)); }
};

// Tile t made from rows that hold it; cutsInRows give each tile's rectangle within its own
// rows. Called from several threads at once.
using TilePrepare = std::function<PreparedTile(int t, const BandRows &rows, const TileCoords &cutsInRows)>;
