#include "output/PicturePixels.h"

#include "imaging/LoadedPicture.h"
#include "imaging/StreamingJpegDecoder.h"
#include "output/BandedTiles.h"
#include "output/PagePixels.h"
#include "output/TilePipeline.h"

#include <QColorSpace>

namespace {

PreparedTile notWanted()
{
    return {RenderStatus::Ok, std::nullopt, false, {}, {}};
}

PreparedTile rowsMissing()
{
    return {RenderStatus::CutFailed, std::nullopt, true, {}, {}};
}

// The held picture's tiles, made on every core; each waits for its rows first.
class HeldTiles final : public TileSource
{
public:
    HeldTiles(HeldPicturePixels &pixels, const QImage &picture, TilesAsked asked)
        : m_pixels(pixels)
        , m_rows{picture, 0}
        , m_asked(std::move(asked))
        , m_pipeline(m_asked.cuts.count(), [this](int t) { return make(t); })
    {
    }

    PreparedTile take(int t) override { return m_pipeline.take(t); }
    QString whyRowsMissing() const override { return m_pixels.whyRowsMissing(); }

private:
    PreparedTile make(int t)
    {
        if (!m_asked.wanted(t))
            return notWanted();
        if (!m_pixels.waitForRows(lastRowRead(m_asked.cuts, t, m_asked.rowsBelow)))
            return rowsMissing();
        return m_asked.prepare(t, m_rows, m_asked.cuts);
    }

    HeldPicturePixels &m_pixels;
    const BandRows m_rows;
    const TilesAsked m_asked;
    // Last, so that its workers are joined before anything they read goes.
    TilePipeline m_pipeline;
};

} // namespace

std::unique_ptr<TileSource> PicturePixels::tileFiles(const TileCoords &cuts, const TileRunValues &run,
                                                     ImageFileType fileType)
{
    return tiles(cuts, 0, [](int) { return true; },
                 [run, fileType](int t, const BandRows &rows, const TileCoords &cutsInRows) {
                     return prepareTileFrom(rows.rows, cutsInRows, t, run, fileType);
                 });
}

HeldPicturePixels::HeldPicturePixels(const ImageObject &picture)
    : m_pixels(picture.image()), m_damage(picture.Damage())
{
}

QByteArray HeldPicturePixels::colourProfile() const
{
    return m_pixels.colorSpace().iccProfile();
}

std::unique_ptr<TileSource> HeldPicturePixels::tiles(const TileCoords &cuts, int rowsBelow, Wanted wanted,
                                                     TilePrepare prepare)
{
    return std::make_unique<HeldTiles>(*this, m_pixels, TilesAsked{cuts, rowsBelow, std::move(wanted), std::move(prepare)});
}

DecodingPicturePixels::DecodingPicturePixels(std::unique_ptr<StreamingJpegDecoder> decoder)
    : HeldPicturePixels(decoder->image()), m_decoder(std::move(decoder))
{
}

DecodingPicturePixels::~DecodingPicturePixels() = default;

PictureDamage DecodingPicturePixels::damage() const
{
    return m_decoder->damage();
}

QString DecodingPicturePixels::unturnedJpegFile() const
{
    return m_decoder->path();
}

bool DecodingPicturePixels::waitForRows(int lastRow)
{
    return m_decoder->waitForRowsToCut(lastRow + 1);
}

QString DecodingPicturePixels::whyRowsMissing() const
{
    return m_decoder->errorText();
}

FileBandPixels::FileBandPixels(std::unique_ptr<StreamingJpegDecoder> file, PictureDamage knownDamage)
    : m_file(std::move(file)), m_knownDamage(std::move(knownDamage))
{
    // Bands are decoded from the file itself, and a PDF poster's JPEG crops read it too.
    m_file->readFromFileOnly();
}

FileBandPixels::~FileBandPixels() = default;

QSize FileBandPixels::size() const
{
    return m_file->size();
}

PictureDamage FileBandPixels::damage() const
{
    const PictureDamage found = m_file->damage();
    return found.found() ? found : m_knownDamage;
}

QByteArray FileBandPixels::colourProfile() const
{
    return m_file->colourProfile();
}

std::unique_ptr<TileSource> FileBandPixels::tiles(const TileCoords &cuts, int rowsBelow, Wanted wanted,
                                                  TilePrepare prepare)
{
    return std::make_unique<BandedTiles>(
        *m_file, cuts, rowsBelow,
        [wanted = std::move(wanted), prepare = std::move(prepare)](int t, const BandRows &rows, const TileCoords &cutsInRows) {
            return wanted(t) ? prepare(t, rows, cutsInRows) : notWanted();
        },
        // PDF sheets hold their pictures as 24-bit rows: a row of tiles of a gigapixel
        // picture is then the largest thing held, in three quarters of the memory.
        QImage::Format_RGB888);
}

std::unique_ptr<TileSource> FileBandPixels::tileFiles(const TileCoords &cuts, const TileRunValues &run,
                                                      ImageFileType fileType)
{
    return startBandedTiles(*m_file, cuts, run, fileType);
}

QImage FileBandPixels::reduced(QSize atLeast) const
{
    return m_file->reducedPicture(atLeast);
}

QString FileBandPixels::unturnedJpegFile() const
{
    return m_file->path();
}

std::unique_ptr<PicturePixels> pixelsToSave(const LoadedPicture &picture, bool unturnedJpeg, QSize pictureSize)
{
    if (picture.page())
        return std::make_unique<PagePixels>(picture.page(), picture.pageTurn(), pictureSize);
    // A PDF poster of an unturned JPEG carries the file's own coded data where it can.
    const bool fromFile = picture.isCutFromFile() || unturnedJpeg;
    const std::optional<SourceFileStamp> &file = picture.fileStamp();
    if (!fromFile || !file || !file->stillMatches())
        return nullptr;
    std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::open(file->path());
    if (!decoder)
        return nullptr;
    return std::make_unique<FileBandPixels>(std::move(decoder), picture.damage());
}
