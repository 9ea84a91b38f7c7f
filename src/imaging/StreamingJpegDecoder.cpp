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
#include <QFile>

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
    decoder->m_path = path;
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
    const std::unique_ptr<ImageObject> traits = createImageObject();
    if (!traits || !traits->NewImage(1, 1, 0))
        return nullptr;
    takeResolution(decoder->m_resolution, *traits);
    traits->SetColourProfile(decoder->m_colourProfile);
    decoder->m_traits = traits->image();
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

// The places of the rows in the whole picture, which waitForRows hands on as they come.
class StreamingJpegDecoder::WholePictureRows final : public DecodedRowReceiver
{
public:
    WholePictureRows(StreamingJpegDecoder &decoder, const PixelArrayView &pixels)
        : m_decoder(decoder), m_firstRow(pixels.row(0)), m_bytesPerLine(pixels.bytesPerLine())
    {
    }
    uchar *place(int y) override { return m_firstRow + qsizetype(y) * m_bytesPerLine; }
    bool rowsDone(int end, const PictureDamage &) override { return m_decoder.wholeRowsDone(end); }
    void decodingFailed(const QString &) override {}

private:
    StreamingJpegDecoder &m_decoder;
    uchar *const m_firstRow;
    const qsizetype m_bytesPerLine;
};

// libjpeg's rows go to the receiver; the decoder keeps the damage found and learns whether
// the receiver ended the decode, or a stop was asked for.
class StreamingJpegDecoder::ReceiverStops final : public JpegRowSink
{
public:
    ReceiverStops(StreamingJpegDecoder &decoder, DecodedRowReceiver &receiver)
        : m_decoder(decoder), m_receiver(receiver)
    {
    }
    uchar *place(int y) override
    {
        uchar *row = m_receiver.place(y);
        m_receiverStopped = m_receiverStopped || !row;
        return row;
    }
    int rowsInBatch(int first, int count) override { return m_receiver.rowsInBatch(first, count); }
    bool rowsDone(int rowsDone) override
    {
        const JpegCodec &codec = *m_decoder.m_codec;
        const PictureDamage damage =
            PictureDamage::fromStoredRows(codec.damage.firstRow, codec.damage.dataRunsOut, m_decoder.m_size);
        {
            const std::lock_guard lock(m_decoder.m_mutex);
            m_decoder.m_damage = damage;
        }
        if (!m_receiver.rowsDone(rowsDone, damage)) {
            m_receiverStopped = true;
            return false;
        }
        return !m_decoder.m_stopRequested;
    }
    bool receiverStopped() const { return m_receiverStopped; }

private:
    StreamingJpegDecoder &m_decoder;
    DecodedRowReceiver &m_receiver;
    bool m_receiverStopped = false;
};

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
    m_wholeRows = std::make_unique<WholePictureRows>(*this, m_image->PixelArray());
    return startDecoding(*m_wholeRows);
}

bool StreamingJpegDecoder::decodeRowsInto(DecodedRowReceiver &receiver, QImage::Format pixels)
{
    if (m_thread.joinable() || (pixels != QImage::Format_RGB32 && pixels != QImage::Format_RGB888))
        return false;
    // The receiver holds rows of a picture too large, or kept from being held, whole; the
    // file's bytes (a quarter of its pixels for a photograph) need not be held beside them.
    if (!decodeFromFile()) {
        finishWithError(ImagingStrings::kFileUnreadable);
        return false;
    }
    if (pixels == QImage::Format_RGB888)
        m_codec->info.out_color_space = JCS_RGB; // read by jpeg_start_decompress on the thread
    return startDecoding(receiver);
}

bool StreamingJpegDecoder::readFromFileOnly()
{
    return !m_thread.joinable() && decodeFromFile();
}

bool StreamingJpegDecoder::decodeFromFile()
{
    m_file = openJpegFile(m_path);
    auto codec = std::make_unique<JpegCodec>();
    codec->endMustBeReal = m_codec->endMustBeReal;
    if (!m_file || !readJpegHeader(*codec, m_file.get()) || !setProgramPixels(*codec)
        || QSize(int(codec->info.output_width), int(codec->info.output_height)) != m_size)
        return false;
    m_codec = std::move(codec);
    m_bytes = QByteArray();
    return true;
}

bool StreamingJpegDecoder::startDecoding(DecodedRowReceiver &receiver)
{
    m_receiver = &receiver;
    m_thread = std::thread([this] { decode(); });
    return true;
}

ImagingResult StreamingJpegDecoder::roomForRows(qint64 heldBytes) const
{
    const qint64 wholePixels = qint64(m_size.width()) * m_size.height() * 4;
    const qint64 decoderBytes =
        m_structure.progressive || m_structure.scans > 1 ? DecodeBudget::peakBytes(m_header, &m_structure) - wholePixels : 0;
    return DecodeBudget::checkRoomFor(heldBytes + decoderBytes);
}

void StreamingJpegDecoder::requestStop()
{
    {
        // Under the lock, so that a thread waiting for rows sees it.
        const std::lock_guard lock(m_mutex);
        m_stopRequested = true;
    }
    m_rowsChanged.notify_all();
}

void StreamingJpegDecoder::stopDecoding()
{
    requestStop();
    if (m_thread.joinable())
        m_thread.join();
}

StreamingJpegDecoder::~StreamingJpegDecoder()
{
    stopDecoding();
}

void StreamingJpegDecoder::decode()
{
    ReceiverStops sink(*this, *m_receiver);
    if (!decodeJpegRows(*m_codec, sink) && !sink.receiverStopped()) {
        const QString why = m_stopRequested ? QString()
                                            : ImagingStrings::kDecodeFailed + QStringLiteral(" - ")
                + QString::fromLocal8Bit(m_codec->message);
        finishWithError(why);
        m_receiver->decodingFailed(why);
    }
    if (m_whenFinished)
        m_whenFinished();
}

bool StreamingJpegDecoder::wholeRowsDone(int rowsDone)
{
    {
        const std::lock_guard lock(m_mutex);
        m_rowsDone = rowsDone;
    }
    m_rowsChanged.notify_all();
    return true;
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

QImage StreamingJpegDecoder::reducedPicture(QSize atLeast, PictureDamage *damage, const ReadWatch &watch) const
{
    constexpr int kEighths = 8;
    const auto reducedSide = [](int side, int eighths) { return (qint64(side) * eighths + kEighths - 1) / kEighths; };
    int eighths = 1;
    while (eighths < kEighths
           && (reducedSide(m_size.width(), eighths) < atLeast.width() || reducedSide(m_size.height(), eighths) < atLeast.height()))
        ++eighths;
    JpegCodec codec;
    codec.endMustBeReal = m_codec->endMustBeReal;
    // Once rows come from the file itself, this picture is read from the file as it goes,
    // never the whole of it into memory.
    const JpegFile file = m_bytes.isEmpty() ? openJpegFile(m_path) : JpegFile(nullptr, &std::fclose);
    const bool read = file ? readJpegHeader(codec, file.get()) : !m_bytes.isEmpty() && readJpegHeader(codec, m_bytes);
    if (!read || !setProgramPixels(codec, eighths))
        return QImage();
    QImage picture(int(codec.info.output_width), int(codec.info.output_height), QImage::Format_RGB32);
    if (picture.isNull())
        return QImage();
    struct PictureSink : JpegRowSink
    {
        QImage &picture;
        const ReadWatch &watch;
        int percent = 0;
        PictureSink(QImage &target, const ReadWatch &watching) : picture(target), watch(watching) {}
        uchar *place(int y) override { return picture.scanLine(y); }
        bool rowsDone(int rowsDone) override
        {
            const int now = int(qint64(rowsDone) * 100 / picture.height());
            if (watch.progress && now > percent)
                watch.progress(now);
            percent = std::max(percent, now);
            return watch.stop == nullptr || !watch.stop->load();
        }
    } sink(picture, watch);
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
