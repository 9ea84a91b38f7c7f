#pragma once

#include "imaging/ImageFileType.h"
#include "imaging/ImageObject.h"
#include "imaging/PictureDamage.h"
#include "layout/TileCoordinates.h"
#include "output/TileRenderer.h"
#include "output/TileSource.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class LoadedPicture;
class StreamingJpegDecoder;
class VectorPage;

// Where a save run's pixels come from, with one implementation for each way of getting
// them: the picture held whole, the picture while it decodes whole, and its file read band
// by band. The tile files, the PDF poster and printing all take their tiles through it.
class PicturePixels
{
public:
    using Wanted = std::function<bool(int t)>;

    virtual ~PicturePixels() = default;

    virtual QSize size() const = 0;
    // Rows the file could not give, as far as they are known now.
    virtual PictureDamage damage() const = 0;
    // The pixels' colour profile (ICC); empty when they have none.
    virtual QByteArray colourProfile() const = 0;

    // Every tile of cuts in tile order, each made by prepare from rows that hold it and
    // rowsBelow rows of the next row of tiles (a PDF sheet's glue strip). A tile not wanted
    // comes back empty without waiting for its rows. Called once per run.
    virtual std::unique_ptr<TileSource> tiles(const TileCoords &cuts, int rowsBelow, Wanted wanted,
                                              TilePrepare prepare) = 0;
    // The tile files of a run, each cut, turned and widened as the run asks and encoded.
    virtual std::unique_ptr<TileSource> tileFiles(const TileCoords &cuts, const TileRunValues &run,
                                                  ImageFileType fileType);
    // The picture at a size of at least atLeast both ways where it can be had smaller, for
    // an overview; a null image when it cannot be read.
    virtual QImage reduced(QSize atLeast) const = 0;

    // A page drawn from its vectors, which a PDF poster puts on its sheets as it is.
    struct PageArt
    {
        std::shared_ptr<const VectorPage> page;
        int turn = 0; // clockwise, as the picture is turned
    };
    virtual std::optional<PageArt> pageArt() const { return std::nullopt; }

    // The JPEG file these pixels are, unturned, whose coded data a PDF poster can carry as
    // it is; empty when they are no such file's.
    virtual QString unturnedJpegFile() const { return QString(); }
};

// What a run asks of the pixels, as tiles() takes it: kept by the tile sources that make
// each tile on a pool worker.
struct TilesAsked
{
    TileCoords cuts;
    int rowsBelow = 0;
    PicturePixels::Wanted wanted;
    TilePrepare prepare;
};

// The picture held whole, as a snapshot that shares its pixels: should the window change
// its picture while a run lets events through, the tiles still come from the one the run
// started with.
class HeldPicturePixels : public PicturePixels
{
public:
    explicit HeldPicturePixels(const ImageObject &picture);

    QSize size() const override { return m_pixels.size(); }
    PictureDamage damage() const override { return m_damage; }
    QByteArray colourProfile() const override;
    std::unique_ptr<TileSource> tiles(const TileCoords &cuts, int rowsBelow, Wanted wanted,
                                      TilePrepare prepare) override;
    QImage reduced(QSize) const override { return m_pixels; }

    // Waits until the rows down to lastRow are in; false when they never will be, which
    // whyRowsMissing then says.
    virtual bool waitForRows(int /*lastRow*/) { return true; }
    virtual QString whyRowsMissing() const { return QString(); }

private:
    QImage m_pixels;
    PictureDamage m_damage;
};

// The picture while its whole decode runs: each tile waits for its rows.
class DecodingPicturePixels final : public HeldPicturePixels
{
public:
    // decoder has started its whole decode.
    explicit DecodingPicturePixels(std::unique_ptr<StreamingJpegDecoder> decoder);
    ~DecodingPicturePixels() override;

    PictureDamage damage() const override;
    bool waitForRows(int lastRow) override;
    QString whyRowsMissing() const override;
    QString unturnedJpegFile() const override;

private:
    std::unique_ptr<StreamingJpegDecoder> m_decoder;
};

// An unturned JPEG read from its file band by band, never held whole: tile files cut as
// they are encode each batch of rows as it decodes; anything else is cut from the bands of
// its row of tiles.
class FileBandPixels final : public PicturePixels
{
public:
    // knownDamage: what an earlier read of the file found (the window's reduced picture).
    FileBandPixels(std::unique_ptr<StreamingJpegDecoder> file, PictureDamage knownDamage);
    ~FileBandPixels() override;

    QSize size() const override;
    // What the bands' decode found once it has run, what was known before until then.
    PictureDamage damage() const override;
    QByteArray colourProfile() const override;
    std::unique_ptr<TileSource> tiles(const TileCoords &cuts, int rowsBelow, Wanted wanted,
                                      TilePrepare prepare) override;
    std::unique_ptr<TileSource> tileFiles(const TileCoords &cuts, const TileRunValues &run,
                                          ImageFileType fileType) override;
    QImage reduced(QSize atLeast) const override;
    QString unturnedJpegFile() const override;

private:
    std::unique_ptr<StreamingJpegDecoder> m_file;
    PictureDamage m_knownDamage;
};

// The pixels a save of the window's picture takes without holding the picture whole. A
// page is drawn as the sheets need it, measured at pictureSize (the save layout's). A
// picture's file is read band by band while it is still the file the picture came from:
// always for a picture too large to hold, and for an unturned JPEG, whose tile files then
// need neither the picture in memory nor a wait for it, and whose PDF poster carries the
// file's coded data. Nothing when the whole picture is to be read.
std::unique_ptr<PicturePixels> pixelsToSave(const LoadedPicture &picture, bool unturnedJpeg, QSize pictureSize);
