#include "imaging/StreamingJpegDecoder.h"

#include "common/Units.h"
#include "common/NativeFiles.h"
#include "imaging/DecodeBudget.h"
#include "imaging/ImageDataCompleteness.h"
#include "imaging/ImageFileReader.h"
#include "imaging/ImageLimits.h"
#include "imaging/ImageObjectFactory.h"
#include "imaging/LibjpegDecoding.h"
#include "resources/ImagingStrings.h"

#include <QColorSpace>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace {

// The embedded colour profile, reassembled from its markers as Qt's decoder does; empty
// when the file has none.
QByteArray colourProfileOf(JpegCodec &codec)
{
    if (setjmp(codec.fatal))
        return QByteArray();
    JOCTET *data = nullptr;
    unsigned int length = 0;
    if (!jpeg_read_icc_profile(&codec.info, &data, &length))
        return QByteArray();
    QByteArray profile(reinterpret_cast<const char *>(data), qsizetype(length));
    std::free(data);
    return profile;
}

// The resolution Qt reads from the JFIF header, in whole pixels per inch; 0 when not given.
std::int32_t resolutionOf(const jpeg_decompress_struct &info, UINT16 density)
{
    if (info.density_unit == 1)
        return density;
    if (info.density_unit == 2)
        return std::int32_t(density * kCentimetresPerInch + 0.5);
    return 0;
}

// A density the program cannot hold keeps the default: tiles carry their own anyway.
void takeResolution(const std::int32_t (&resolution)[2], ImageObject &image)
{
    if (resolution[0] > 0)
        static_cast<void>(image.SetResolution(ImageObject::kHorizontalAxis, resolution[0]));
    if (resolution[1] > 0)
        static_cast<void>(image.SetResolution(ImageObject::kVerticalAxis, resolution[1]));
}

} // namespace

StreamingJpegDecoder::StreamingJpegDecoder() : m_codec(std::make_unique<JpegCodec>()) {}

std::unique_ptr<StreamingJpegDecoder> StreamingJpegDecoder::open(const QString &path)
{
    // Read whole before decoding starts, never mapped: a file that shrinks under the
    // reader only makes the read fail.
    std::optional<QByteArray> content = readRegularFile(path, ImageLimits::kMaxFileBytes);
    ImageFileInfo header;
    // A turned or mirrored photo is decoded whole and then turned, on the ordinary path.
    if (!content || !readImageInfo(*content, header, SizeLimit::HeaderOnly) || header.format != QByteArrayLiteral("jpeg")
        || header.orientation != QImageIOHandler::TransformationNone)
        return nullptr;
    const JpegStructure structure = inspectJpeg(*content);
    if (!structure.complete || structure.scans > DecodeBudget::kMaxJpegScans)
        return nullptr;

    std::unique_ptr<StreamingJpegDecoder> decoder(new StreamingJpegDecoder);
    decoder->m_bytes = std::move(*content);
    JpegCodec &codec = *decoder->m_codec;
    if (!readJpegHeader(codec, decoder->m_bytes) || !setProgramPixels(codec))
        return nullptr;
    const qint64 width = codec.info.output_width;
    const qint64 height = codec.info.output_height;
    // The size limit is for holding the whole picture: decodeWhole applies it, while bands
    // of a picture too large to hold are fine.
    if (width != header.width || height != header.height || width <= 0 || height <= 0)
        return nullptr;
    decoder->m_size = QSize(int(width), int(height));
    codec.endMustBeReal = !ImageLimits::isAllowedImageSize(width, height);
    decoder->m_header = header;
    decoder->m_structure = structure;
    decoder->m_resolution[0] = resolutionOf(codec.info, codec.info.X_density);
    decoder->m_resolution[1] = resolutionOf(codec.info, codec.info.Y_density);
    decoder->m_colourProfile = colourProfileOf(codec);
    return decoder;
}

std::unique_ptr<StreamingJpegDecoder> StreamingJpegDecoder::start(const QString &path)
{
    std::unique_ptr<StreamingJpegDecoder> decoder = open(path);
    if (!decoder || !decoder->decodeWhole())
        return nullptr;
    return decoder;
}

ImagingResult StreamingJpegDecoder::wholePictureRoom() const
{
    if (ImagingResult limit = DecodeBudget::checkImageLimit(m_size.width(), m_size.height()); !limit)
        return limit;
    return DecodeBudget::check(m_header, &m_structure);
}

bool StreamingJpegDecoder::decodeWhole(std::function<void()> whenFinished)
{
    if (m_thread.joinable() || !wholePictureRoom())
        return false;
    m_whenFinished = std::move(whenFinished);
    m_image = createImageObject();
    // Every row is decoded before anyone reads it.
    if (!m_image || !m_image->NewImageToFill(m_size.width(), m_size.height()))
        return false;
    takeResolution(m_resolution, *m_image);
    m_image->SetColourProfile(m_colourProfile);
    // Taken while no one else shares the pixels, so writing through it never makes Qt
    // copy them; every later copy of the image sees the rows as they arrive.
    const PixelArrayView pixels = m_image->PixelArray();
    m_firstRow = pixels.row(0);
    m_bytesPerLine = pixels.bytesPerLine();
    m_thread = std::thread([this] { decode(); });
    return true;
}

bool StreamingJpegDecoder::decodeBands(std::vector<RowBand> bands, QImage::Format pixels)
{
    if (m_thread.joinable() || bands.empty()
        || (pixels != QImage::Format_RGB32 && pixels != QImage::Format_RGB888))
        return false;
    int tallest = 0;
    for (std::size_t b = 0; b < bands.size(); ++b) {
        const RowBand &band = bands[b];
        // In order, and no row in more than two bands: a shared row is copied to one next band.
        const bool inOrder = b == 0 || band.top > bands[b - 1].top;
        const bool sharedOnce = b < 2 || band.top > bands[b - 2].bottom;
        if (!inOrder || !sharedOnce || band.top > band.bottom || band.bottom >= m_size.height()) {
            finishWithError(ImagingStrings::kInvalidImageSize);
            return false;
        }
        tallest = std::max(tallest, band.bottom - band.top + 1);
    }
    const int bytesPerPixel = pixels == QImage::Format_RGB888 ? 3 : 4;
    const qint64 bufferBytes = qint64(m_size.width()) * std::min(tallest, m_size.height()) * bytesPerPixel;
    // A progressive or multi-scan JPEG keeps every coefficient of the picture in the
    // decoder whatever is done with the rows: what the whole decode takes beyond its pixels.
    const qint64 wholePixels = qint64(m_size.width()) * m_size.height() * 4;
    const qint64 decoderBytes =
        m_structure.progressive || m_structure.scans > 1 ? DecodeBudget::peakBytes(m_header, &m_structure) - wholePixels : 0;
    if (const ImagingResult room = DecodeBudget::checkRoomFor(2 * bufferBytes + decoderBytes); !room) {
        finishWithError(room.errorText());
        return false;
    }
    // The same pixel format, resolution and profile as the whole picture would have.
    std::unique_ptr<ImageObject> shape = createImageObject();
    if (!shape || !shape->NewImage(1, 1, 0))
        return false;
    takeResolution(m_resolution, *shape);
    shape->SetColourProfile(m_colourProfile);
    m_shape = shape->image();
    for (QImage &buffer : m_buffers) {
        buffer = QImage(m_size.width(), std::min<int>(tallest, m_size.height()), pixels);
        if (buffer.isNull()) {
            finishWithError(ImagingStrings::kOutOfMemory);
            return false;
        }
    }
    m_scratchRow = QImage(m_size.width(), 1, pixels);
    if (pixels == QImage::Format_RGB888)
        m_codec->info.out_color_space = JCS_RGB; // read by jpeg_start_decompress on the thread
    m_readersLeft.clear();
    for (const RowBand &band : bands)
        m_readersLeft.push_back(band.readers);
    m_bands = std::move(bands);
    m_thread = std::thread([this] { decode(); });
    return true;
}

void StreamingJpegDecoder::requestStop()
{
    {
        // Under the lock, so that a thread waiting for a band or its buffer sees it.
        const std::lock_guard lock(m_mutex);
        m_stopRequested = true;
    }
    m_rowsChanged.notify_all();
}

StreamingJpegDecoder::~StreamingJpegDecoder()
{
    requestStop();
    if (m_thread.joinable())
        m_thread.join();
}

// The decoding thread's view of the decoder.
class StreamingJpegDecoder::DecoderSink : public JpegRowSink
{
public:
    explicit DecoderSink(StreamingJpegDecoder &decoder) : m_decoder(decoder) {}
    uchar *place(int y) override { return m_decoder.placeOfRow(y); }
    int rowsInBatch(int first, int count) override { return m_decoder.rowsWithoutWaiting(first, count); }
    bool rowsDone(int rowsDone) override { return m_decoder.publishRows(rowsDone); }

private:
    StreamingJpegDecoder &m_decoder;
};

void StreamingJpegDecoder::decode()
{
    decodeRows();
    if (m_whenFinished)
        m_whenFinished();
}

void StreamingJpegDecoder::decodeRows()
{
    DecoderSink sink(*this);
    if (decodeJpegRows(*m_codec, sink))
        return;
    const bool everyBandDone = !m_bands.empty() && m_bandsDone == int(m_bands.size());
    if (everyBandDone)
        return; // the rows below the last band are not needed
    if (m_stopRequested)
        finishWithError(QString());
    else if (m_missingRowsNeeded)
        finishWithError(ImagingStrings::kIncompleteFile);
    else
        finishWithError(ImagingStrings::kDecodeFailed + QStringLiteral(" - ")
                        + QString::fromLocal8Bit(m_codec->message));
}

int StreamingJpegDecoder::firstBandHolding(int y) const
{
    // A batch of rows may run past the band being filled: each row finds its own band.
    int band = m_bandFilling;
    while (band < int(m_bands.size()) && m_bands[std::size_t(band)].bottom < y)
        ++band;
    if (band >= int(m_bands.size()) || y < m_bands[std::size_t(band)].top)
        return -1;
    return band;
}

int StreamingJpegDecoder::rowsWithoutWaiting(int first, int count) const
{
    if (m_bands.empty())
        return count;
    // Band b + 2 may have to wait for band b's readers, and they get band b only after the
    // batch that completes it: a batch that reached band b + 2 before band b is complete
    // would wait for itself. Such a batch ends before its first row of band b + 2; the
    // batch's first row never waits so, since every row above it is in.
    for (int i = 1; i < count; ++i) {
        const int band = firstBandHolding(first + i);
        if (band > m_bandAcquired && band - 2 >= m_bandFilling)
            return i;
    }
    return count;
}

uchar *StreamingJpegDecoder::placeOfRow(int y)
{
    if (m_bands.empty())
        return m_firstRow + qsizetype(y) * m_bytesPerLine;
    if (m_bandFilling >= int(m_bands.size()))
        return nullptr; // every band is in: decoding can stop
    const int band = firstBandHolding(y);
    if (band < 0)
        return m_scratchRow.bits();
    if (!acquireBuffer(band))
        return nullptr;
    return m_buffers[band % 2].scanLine(y - m_bands[std::size_t(band)].top);
}

bool StreamingJpegDecoder::acquireBuffer(int band)
{
    if (band <= m_bandAcquired)
        return true;
    // Band b + 2 takes the buffer of band b once every tile of band b is done with it.
    if (band >= 2) {
        std::unique_lock lock(m_mutex);
        m_rowsChanged.wait(lock, [this, band] { return m_stopRequested || m_readersLeft[std::size_t(band - 2)] <= 0; });
        if (m_stopRequested)
            return false;
    }
    m_bandAcquired = band;
    return true;
}

bool StreamingJpegDecoder::publishRows(int rowsDone)
{
    {
        const std::lock_guard lock(m_mutex);
        m_damage = PictureDamage::fromStoredRows(m_codec->damage.firstRow, m_codec->damage.dataRunsOut, m_size);
    }
    if (!m_bands.empty())
        return bandedRowsDone(m_rowsDone, rowsDone);
    {
        const std::lock_guard lock(m_mutex);
        m_rowsDone = rowsDone;
    }
    m_rowsChanged.notify_all();
    return !m_stopRequested;
}

bool StreamingJpegDecoder::bandedRowsDone(int first, int end)
{
    const qsizetype rowBytes = m_scratchRow.bytesPerLine();
    for (int y = first; y < end; ++y) {
        // One row may end two bands at once (19-20 and 20-20 when tiles are tiny).
        while (m_bandFilling < int(m_bands.size())) {
            const RowBand &filling = m_bands[std::size_t(m_bandFilling)];
            if (y < filling.top)
                break;
            // A row that two bands share went into the first one; the next one gets a copy.
            const int next = m_bandFilling + 1;
            if (next < int(m_bands.size()) && y >= m_bands[std::size_t(next)].top) {
                const RowBand &following = m_bands[std::size_t(next)];
                if (!acquireBuffer(next))
                    return false;
                std::memcpy(m_buffers[next % 2].scanLine(y - following.top),
                            m_buffers[m_bandFilling % 2].constScanLine(y - filling.top), size_t(rowBytes));
            }
            if (y != filling.bottom)
                break;
            // Grey rows past the end of the data must not become tiles.
            if (m_damage.missingWithin(QRect(0, filling.top, m_size.width(), filling.bottom - filling.top + 1))) {
                m_missingRowsNeeded = true;
                return false;
            }
            {
                const std::lock_guard lock(m_mutex);
                m_bandsDone = ++m_bandFilling;
            }
            m_rowsChanged.notify_all();
        }
    }
    {
        const std::lock_guard lock(m_mutex);
        m_rowsDone = end;
    }
    return !m_stopRequested && m_bandFilling < int(m_bands.size());
}

QImage StreamingJpegDecoder::waitForBand(int band)
{
    if (band < 0 || band >= int(m_bands.size()))
        return QImage();
    {
        std::unique_lock lock(m_mutex);
        m_rowsChanged.wait(lock, [this, band] { return m_failed || m_stopRequested || m_bandsDone > band; });
        if (m_bandsDone <= band)
            return QImage();
    }
    return bandView(band);
}

QImage StreamingJpegDecoder::bandView(int band) const
{
    const RowBand &rows = m_bands[std::size_t(band)];
    const QImage &buffer = m_buffers[band % 2];
    // Shares the buffer: the band's tiles are cut from it in place.
    QImage view(buffer.constBits(), buffer.width(), rows.bottom - rows.top + 1, buffer.bytesPerLine(),
                buffer.format());
    view.setDotsPerMeterX(m_shape.dotsPerMeterX());
    view.setDotsPerMeterY(m_shape.dotsPerMeterY());
    view.setColorSpace(m_shape.colorSpace());
    return view;
}

void StreamingJpegDecoder::releaseBand(int band)
{
    if (band < 0 || band >= int(m_bands.size()))
        return;
    {
        const std::lock_guard lock(m_mutex);
        --m_readersLeft[std::size_t(band)];
    }
    m_rowsChanged.notify_all();
}

void StreamingJpegDecoder::finishWithError(const QString &text)
{
    {
        const std::lock_guard lock(m_mutex);
        m_failed = true;
        m_errorText = text;
    }
    m_rowsChanged.notify_all();
}

bool StreamingJpegDecoder::isFinished() const
{
    const std::lock_guard lock(m_mutex);
    return m_failed || (m_image && m_rowsDone >= m_image->Height());
}

QImage StreamingJpegDecoder::reducedPicture(QSize atLeast, PictureDamage *damage) const
{
    constexpr int kEighths = 8;
    const auto reducedSide = [](int side, int eighths) { return (qint64(side) * eighths + kEighths - 1) / kEighths; };
    int eighths = 1;
    while (eighths < kEighths
           && (reducedSide(m_size.width(), eighths) < atLeast.width() || reducedSide(m_size.height(), eighths) < atLeast.height()))
        ++eighths;
    JpegCodec codec;
    codec.endMustBeReal = m_codec->endMustBeReal;
    if (!readJpegHeader(codec, m_bytes) || !setProgramPixels(codec, eighths))
        return QImage();
    QImage picture(int(codec.info.output_width), int(codec.info.output_height), QImage::Format_RGB32);
    if (picture.isNull())
        return QImage();
    struct PictureSink : JpegRowSink
    {
        QImage &picture;
        explicit PictureSink(QImage &target) : picture(target) {}
        uchar *place(int y) override { return picture.scanLine(y); }
    } sink(picture);
    if (!decodeJpegRows(codec, sink))
        return QImage();
    if (damage)
        *damage = PictureDamage::fromStoredRows(codec.damage.firstRow, codec.damage.dataRunsOut, m_size);
    return picture;
}

PictureDamage StreamingJpegDecoder::damage() const
{
    const std::lock_guard lock(m_mutex);
    return m_damage;
}

bool StreamingJpegDecoder::waitForRows(int rowCount)
{
    const int needed = std::min(rowCount, m_image->Height());
    std::unique_lock lock(m_mutex);
    m_rowsChanged.wait(lock, [this, needed] { return m_failed || m_rowsDone >= needed; });
    return m_rowsDone >= needed;
}

bool StreamingJpegDecoder::waitForRowsToCut(int rowCount)
{
    if (!waitForRows(rowCount))
        return false;
    // Rows past the end of the file's data are there, but grey: not for tiles.
    const std::lock_guard lock(m_mutex);
    if (!m_damage.missingWithin(QRect(0, 0, m_size.width(), rowCount)))
        return true;
    if (m_errorText.isEmpty())
        m_errorText = ImagingStrings::kIncompleteFile;
    return false;
}

QString StreamingJpegDecoder::errorText() const
{
    const std::lock_guard lock(m_mutex);
    return m_errorText;
}
