#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <libheif/heif.h>

#include <memory>

namespace test_heif {

// Writes the picture as a HEIC file with libheif's HEVC encoder, as a phone does: the
// pixels stored as they are, the file asking for the turn (and carrying the profile, when
// given). False when it cannot be written.
inline bool writeHeic(const QImage &picture, const QString &path,
                      heif_orientation orientation = heif_orientation_normal, const QByteArray &iccProfile = {})
{
    const std::unique_ptr<heif_context, void (*)(heif_context *)> context(heif_context_alloc(), &heif_context_free);
    heif_image *raw = nullptr;
    if (heif_image_create(picture.width(), picture.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &raw)
            .code != heif_error_Ok)
        return false;
    const std::unique_ptr<heif_image, void (*)(const heif_image *)> image(raw, &heif_image_release);
    if (heif_image_add_plane(raw, heif_channel_interleaved, picture.width(), picture.height(), 8).code != heif_error_Ok)
        return false;
    int stride = 0;
    uint8_t *rows = heif_image_get_plane(raw, heif_channel_interleaved, &stride);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), size_t(rgb.width()) * 3, rows + qsizetype(y) * stride);
    if (!iccProfile.isEmpty())
        heif_image_set_raw_color_profile(raw, "prof", iccProfile.constData(), size_t(iccProfile.size()));
    heif_encoder *encoder = nullptr;
    if (heif_context_get_encoder_for_format(context.get(), heif_compression_HEVC, &encoder).code != heif_error_Ok)
        return false;
    const std::unique_ptr<heif_encoder, void (*)(heif_encoder *)> owned(encoder, &heif_encoder_release);
    heif_encoder_set_lossy_quality(encoder, 95);
    const std::unique_ptr<heif_encoding_options, void (*)(heif_encoding_options *)> options(
        heif_encoding_options_alloc(), &heif_encoding_options_free);
    options->image_orientation = orientation;
    return heif_context_encode_image(context.get(), raw, encoder, options.get(), nullptr).code == heif_error_Ok
        && heif_context_write_to_file(context.get(), path.toLocal8Bit().constData()).code == heif_error_Ok;
}

} // namespace test_heif
