#include "imaging/StreamingJpegDecoder.h"

#include "common/Units.h"
#include "common/NativeFiles.h"
#include "imaging/DecodeBudget.h"
#include "imaging/ImageDataCompleteness.h"
#include "imaging/ImageFileReader.h"
#include "imaging/ImageLimits.h"
#include "imaging/ImageObjectFactory.h"
#include "resources/ImagingStrings.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back
// to the setjmp of the function that called into the library, whose locals are all plain
// data so that the jump skips no destructor.
struct StreamingJpegDecoder::Codec
{
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf fatal{};
    char message[JMSG_LENGTH_MAX] = {};
    bool created = false;

    ~Codec()
    {
        if (created)
            jpeg_destroy_decompress(&info);
    }
};

namespace {

using Codec = StreamingJpegDecoder::Codec;

// Rows are handed to libjpeg in batches of this many; a larger batch gives the library
// more room for its own row groups but delays the rows published to waiting readers.
constexpr int kRowsPerBatch = 16;

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Output = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kRgb32Output = JCS_EXT_XRGB;
#endif

void onFatalError(j_common_ptr info)
{
    auto *codec = reinterpret_cast<Codec *>(info->client_data);
    (*info->err->format_message)(info, codec->message);
    std::longjmp(codec->fatal, 1);
}

// Warnings (corrupt entropy data the library steps over) stay quiet: Qt's decoder accepts
// such files too, and the pixels must match it.
void onMessage(j_common_ptr) {}

bool readHeader(Codec &codec, const QByteArray &bytes)
{
    codec.info.err = jpeg_std_error(&codec.errors);
    codec.errors.error_exit = onFatalError;
    codec.errors.output_message = onMessage;
    codec.info.client_data = &codec;
    if (setjmp(codec.fatal))
        return false;
    jpeg_create_decompress(&codec.info);
    codec.created = true;
    jpeg_mem_src(&codec.info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    // The colour profile travels in APP2 markers, which libjpeg drops unless asked to keep them.
    jpeg_save_markers(&codec.info, JPEG_APP0 + 2, 0xFFFF);
    if (jpeg_read_header(&codec.info, TRUE) != JPEG_HEADER_OK)
        return false;
    // CMYK and YCCK need Qt's own inversion rules: those files take the ordinary path.
    const J_COLOR_SPACE space = codec.info.jpeg_color_space;
    if (space != JCS_GRAYSCALE && space != JCS_YCbCr && space != JCS_RGB)
        return false;
    // The settings Qt's decoder uses at its default quality.
    codec.info.out_color_space = kRgb32Output;
    codec.info.dct_method = JDCT_ISLOW;
    codec.info.do_fancy_upsampling = TRUE;
    codec.info.scale_num = 1;
    codec.info.scale_denom = 1;
    jpeg_calc_output_dimensions(&codec.info);
    return codec.info.output_components == 4;
}

using RowsDone = bool (*)(void *context, int rowsDone);

// Decodes every row into the image whose row y starts at firstRow + y * bytesPerLine,
// reporting progress after each batch. False on a fatal error or when asked to stop.
bool decodeRows(Codec &codec, uchar *firstRow, qsizetype bytesPerLine, RowsDone rowsDone, void *context)
{
    if (setjmp(codec.fatal))
        return false;
    jpeg_start_decompress(&codec.info);
    JSAMPROW rows[kRowsPerBatch];
    while (codec.info.output_scanline < codec.info.output_height) {
        const JDIMENSION next = codec.info.output_scanline;
        const JDIMENSION batch = std::min<JDIMENSION>(kRowsPerBatch, codec.info.output_height - next);
        for (JDIMENSION i = 0; i < batch; ++i)
            rows[i] = firstRow + qsizetype(next + i) * bytesPerLine;
        if (jpeg_read_scanlines(&codec.info, rows, batch) == 0)
            return false;
        if (!rowsDone(context, int(codec.info.output_scanline)))
            return false;
    }
    jpeg_finish_decompress(&codec.info);
    return true;
}

// The embedded colour profile, reassembled from its markers as Qt's decoder does; empty
// when the file has none.
QByteArray colourProfileOf(Codec &codec)
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

// The resolution Qt reads from the JFIF header, in whole pixels per inch.
void takeResolution(const jpeg_decompress_struct &info, ImageObject &image)
{
    const auto perInch = [&info](UINT16 density) -> std::int32_t {
        if (info.density_unit == 1)
            return density;
        if (info.density_unit == 2)
            return std::int32_t(density * kCentimetresPerInch + 0.5);
        return 0;
    };
    // A density the program cannot hold keeps the default: tiles carry their own anyway.
    if (const std::int32_t x = perInch(info.X_density); x > 0)
        static_cast<void>(image.SetResolution(ImageObject::kHorizontalAxis, x));
    if (const std::int32_t y = perInch(info.Y_density); y > 0)
        static_cast<void>(image.SetResolution(ImageObject::kVerticalAxis, y));
}

} // namespace

StreamingJpegDecoder::StreamingJpegDecoder() : m_codec(std::make_unique<Codec>()) {}

std::unique_ptr<StreamingJpegDecoder> StreamingJpegDecoder::start(const QString &path)
{
    // Read whole before decoding starts, never mapped: a file that shrinks under the
    // reader only makes the read fail.
    std::optional<QByteArray> content = readRegularFile(path, ImageLimits::kMaxFileBytes);
    ImageFileInfo header;
    // A turned or mirrored photo is decoded whole and then turned, on the ordinary path.
    if (!content || !readImageInfo(*content, header) || header.format != QByteArrayLiteral("jpeg")
        || header.orientation != QImageIOHandler::TransformationNone)
        return nullptr;

    std::unique_ptr<StreamingJpegDecoder> decoder(new StreamingJpegDecoder);
    const JpegStructure structure = inspectJpeg(*content);
    if (!structure.complete || !DecodeBudget::check(header, &structure))
        return nullptr;
    decoder->m_bytes = std::move(*content);

    Codec &codec = *decoder->m_codec;
    if (!readHeader(codec, decoder->m_bytes))
        return nullptr;
    const qint64 width = codec.info.output_width;
    const qint64 height = codec.info.output_height;
    if (width != header.width || height != header.height || !ImageLimits::isAllowedImageSize(width, height))
        return nullptr;

    decoder->m_image = createImageObject();
    if (!decoder->m_image || !decoder->m_image->NewImage(std::int32_t(width), std::int32_t(height), 0))
        return nullptr;
    takeResolution(codec.info, *decoder->m_image);
    decoder->m_image->SetColourProfile(colourProfileOf(codec));
    // Taken while no one else shares the pixels, so writing through it never makes Qt
    // copy them; every later copy of the image sees the rows as they arrive.
    const PixelArrayView pixels = decoder->m_image->PixelArray();
    decoder->m_firstRow = pixels.row(0);
    decoder->m_bytesPerLine = pixels.bytesPerLine();

    decoder->m_thread = std::thread([raw = decoder.get()] { raw->decode(); });
    return decoder;
}

StreamingJpegDecoder::~StreamingJpegDecoder()
{
    m_stopRequested = true;
    if (m_thread.joinable())
        m_thread.join();
}

void StreamingJpegDecoder::decode()
{
    const RowsDone report = [](void *context, int rowsDone) {
        return static_cast<StreamingJpegDecoder *>(context)->publishRows(rowsDone);
    };
    if (decodeRows(*m_codec, m_firstRow, m_bytesPerLine, report, this))
        return;
    if (m_stopRequested)
        finishWithError(QString());
    else
        finishWithError(ImagingStrings::kDecodeFailed + QStringLiteral(" - ")
                        + QString::fromLocal8Bit(m_codec->message));
}

bool StreamingJpegDecoder::publishRows(int rowsDone)
{
    {
        const std::lock_guard lock(m_mutex);
        m_rowsDone = rowsDone;
    }
    m_rowsChanged.notify_all();
    return !m_stopRequested;
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

bool StreamingJpegDecoder::waitForRows(int rowCount)
{
    const int needed = std::min(rowCount, m_image->Height());
    std::unique_lock lock(m_mutex);
    m_rowsChanged.wait(lock, [this, needed] { return m_failed || m_rowsDone >= needed; });
    return m_rowsDone >= needed;
}

QString StreamingJpegDecoder::errorText() const
{
    const std::lock_guard lock(m_mutex);
    return m_errorText;
}
