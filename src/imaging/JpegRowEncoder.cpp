#include "imaging/JpegRowEncoder.h"

#include "common/Units.h"
#include "imaging/LibjpegEncoding.h"

#include <QColorSpace>

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

JpegRowCompressor::JpegRowCompressor(int width, int height, QImage::Format format, int dotsPerMeterX,
                                     int dotsPerMeterY, const QByteArray &profile, int quality)
    : m_state(std::make_unique<JpegCompressor>())
{
    JpegCompressor &c = *m_state;
    c.failed = width <= 0 || height <= 0 || !isRowFormat(format) || !createJpegCompressor(c);
    if (c.failed)
        return;
    if (setjmp(c.fatal)) {
        c.failed = true;
        return;
    }
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
    JpegCompressor &c = *m_state;
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
    JpegCompressor &c = *m_state;
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
