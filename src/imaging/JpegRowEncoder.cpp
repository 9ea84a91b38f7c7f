#include "imaging/JpegRowEncoder.h"

#include <QColorSpace>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Input = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kRgb32Input = JCS_EXT_XRGB;
#endif

constexpr double kMetresPerInch = 0.0254;

// libjpeg's fatal errors jump back here; the function's locals are plain data.
struct Compressor
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf fatal{};
    unsigned char *output = nullptr;
    unsigned long outputSize = 0;
    bool created = false;

    ~Compressor()
    {
        if (created)
            jpeg_destroy_compress(&info);
        std::free(output);
    }
};

void onFatalError(j_common_ptr info)
{
    std::longjmp(static_cast<Compressor *>(info->client_data)->fatal, 1);
}

bool compress(Compressor &c, const QImage &image, int quality, const QByteArray &profile)
{
    c.info.err = jpeg_std_error(&c.errors);
    c.errors.error_exit = onFatalError;
    c.info.client_data = &c;
    if (setjmp(c.fatal))
        return false;
    jpeg_create_compress(&c.info);
    c.created = true;
    jpeg_mem_dest(&c.info, &c.output, &c.outputSize);
    c.info.image_width = JDIMENSION(image.width());
    c.info.image_height = JDIMENSION(image.height());
    const bool rgb24 = image.format() == QImage::Format_RGB888;
    c.info.input_components = rgb24 ? 3 : 4;
    c.info.in_color_space = rgb24 ? JCS_RGB : kRgb32Input;
    jpeg_set_defaults(&c.info);
    // The resolution as Qt's writer stores it: whole dots per inch, at least 1.
    c.info.density_unit = 1;
    c.info.X_density = UINT16(qMax(1, qRound(image.dotsPerMeterX() * kMetresPerInch)));
    c.info.Y_density = UINT16(qMax(1, qRound(image.dotsPerMeterY() * kMetresPerInch)));
    jpeg_set_quality(&c.info, quality, TRUE);
    jpeg_start_compress(&c.info, TRUE);
    if (!profile.isEmpty())
        jpeg_write_icc_profile(&c.info, reinterpret_cast<const JOCTET *>(profile.constData()),
                               unsigned(profile.size()));
    while (c.info.next_scanline < c.info.image_height) {
        // libjpeg only reads the row.
        auto *row = const_cast<JSAMPROW>(image.constScanLine(int(c.info.next_scanline)));
        jpeg_write_scanlines(&c.info, &row, 1);
    }
    jpeg_finish_compress(&c.info);
    return true;
}

} // namespace

std::optional<QByteArray> encodeJpegRows(const QImage &image, int quality)
{
    if (image.isNull() || (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_RGB888))
        return std::nullopt;
    Compressor c;
    if (!compress(c, image, quality, image.colorSpace().iccProfile()))
        return std::nullopt;
    return QByteArray(reinterpret_cast<const char *>(c.output), qsizetype(c.outputSize));
}
