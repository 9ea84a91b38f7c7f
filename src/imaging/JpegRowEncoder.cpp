#include "imaging/JpegRowEncoder.h"

#include "common/Units.h"

#include <QColorSpace>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Input = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kRgb32Input = JCS_EXT_XRGB;
#endif


bool isRowFormat(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_RGB888;
}

} // namespace

// libjpeg's fatal errors jump back to the setjmp of the member function that called into
// the library; those functions hold no object with a destructor.
// The coded bytes go straight into a QByteArray of the compressor's own: libjpeg's memory
// destination keeps the buffer it grows to itself until the compression finishes, so a
// compressor dropped midway (a cancelled save) could neither free nor find it.
struct JpegRowCompressor::State
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    jpeg_destination_mgr destination{};
    std::jmp_buf fatal{};
    QByteArray output;
    bool created = false;
    bool failed = false;

    ~State()
    {
        if (created)
            jpeg_destroy_compress(&info);
    }
};

namespace {

constexpr qsizetype kFirstOutputBytes = 64 * 1024;

JpegRowCompressor::State &stateOf(j_compress_ptr info)
{
    return *static_cast<JpegRowCompressor::State *>(info->client_data);
}

void onFatalError(j_common_ptr info)
{
    std::longjmp(static_cast<JpegRowCompressor::State *>(info->client_data)->fatal, 1);
}

void startOutput(j_compress_ptr info)
{
    JpegRowCompressor::State &state = stateOf(info);
    state.output.resize(kFirstOutputBytes);
    state.destination.next_output_byte = reinterpret_cast<JOCTET *>(state.output.data());
    state.destination.free_in_buffer = std::size_t(state.output.size());
}

// The output is full: it doubles, and libjpeg goes on where it stopped.
boolean growOutput(j_compress_ptr info)
{
    JpegRowCompressor::State &state = stateOf(info);
    const qsizetype used = state.output.size();
    state.output.resize(used * 2);
    state.destination.next_output_byte = reinterpret_cast<JOCTET *>(state.output.data()) + used;
    state.destination.free_in_buffer = std::size_t(state.output.size() - used);
    return TRUE;
}

void endOutput(j_compress_ptr info)
{
    JpegRowCompressor::State &state = stateOf(info);
    state.output.resize(state.output.size() - qsizetype(state.destination.free_in_buffer));
}

} // namespace

JpegRowCompressor::JpegRowCompressor(int width, int height, QImage::Format format, int dotsPerMeterX,
                                     int dotsPerMeterY, const QByteArray &profile, int quality)
    : m_state(std::make_unique<State>())
{
    State &c = *m_state;
    c.failed = width <= 0 || height <= 0 || !isRowFormat(format);
    if (c.failed)
        return;
    c.info.err = jpeg_std_error(&c.errors);
    c.errors.error_exit = onFatalError;
    c.info.client_data = &c;
    if (setjmp(c.fatal)) {
        c.failed = true;
        return;
    }
    jpeg_create_compress(&c.info);
    c.created = true;
    c.destination.init_destination = startOutput;
    c.destination.empty_output_buffer = growOutput;
    c.destination.term_destination = endOutput;
    c.info.dest = &c.destination;
    c.info.image_width = JDIMENSION(width);
    c.info.image_height = JDIMENSION(height);
    const bool rgb24 = format == QImage::Format_RGB888;
    c.info.input_components = rgb24 ? 3 : 4;
    c.info.in_color_space = rgb24 ? JCS_RGB : kRgb32Input;
    jpeg_set_defaults(&c.info);
    // The resolution as Qt's writer stores it: whole dots per inch, at least 1.
    c.info.density_unit = 1;
    c.info.X_density = UINT16(qMax(1, qRound(dotsPerMeterX * kMetresPerInch)));
    c.info.Y_density = UINT16(qMax(1, qRound(dotsPerMeterY * kMetresPerInch)));
    jpeg_set_quality(&c.info, quality, TRUE);
    jpeg_start_compress(&c.info, TRUE);
    if (!profile.isEmpty())
        jpeg_write_icc_profile(&c.info, reinterpret_cast<const JOCTET *>(profile.constData()),
                               unsigned(profile.size()));
}

JpegRowCompressor::~JpegRowCompressor() = default;

void JpegRowCompressor::writeRows(const uchar *first, qsizetype bytesPerLine, int count)
{
    State &c = *m_state;
    if (c.failed)
        return;
    if (setjmp(c.fatal)) {
        c.failed = true;
        return;
    }
    for (int i = 0; i < count && c.info.next_scanline < c.info.image_height; ++i) {
        // libjpeg only reads the row.
        auto *row = const_cast<JSAMPROW>(first + qsizetype(i) * bytesPerLine);
        jpeg_write_scanlines(&c.info, &row, 1);
    }
}

std::optional<QByteArray> JpegRowCompressor::finish()
{
    State &c = *m_state;
    if (c.failed || c.info.next_scanline < c.info.image_height)
        return std::nullopt;
    if (setjmp(c.fatal))
        return std::nullopt;
    jpeg_finish_compress(&c.info);
    return std::move(c.output);
}

std::optional<QByteArray> encodeJpegRows(const QImage &image, int quality)
{
    if (image.isNull() || !isRowFormat(image.format()))
        return std::nullopt;
    JpegRowCompressor compressor(image.width(), image.height(), image.format(), image.dotsPerMeterX(),
                                 image.dotsPerMeterY(), image.colorSpace().iccProfile(), quality);
    compressor.writeRows(image.constBits(), image.bytesPerLine(), image.height());
    return compressor.finish();
}
