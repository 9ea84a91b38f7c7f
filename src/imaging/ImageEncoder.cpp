#include "imaging/ImageEncoder.h"

#include "common/AtomicFile.h"
#include "imaging/JpegRowEncoder.h"
#include "resources/ImagingStrings.h"

#include <QBuffer>
#include <QImageWriter>

ImagingResult encodeImage(const QImage &image, ImageFileType type, QByteArray &bytes)
{
    if (image.isNull())
        return ImagingResult::failure(ImagingStrings::kNoImage);
    // Tiles are 32-bit or 24-bit RGB: libjpeg-turbo reads their rows in place, where Qt's
    // writer would convert each row first. The file is the same.
    if (type == ImageFileType::Jpeg
        && (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_RGB888)) {
        std::optional<QByteArray> encoded = encodeJpegRows(image, kJpegTileQuality);
        if (!encoded)
            return ImagingResult::failure(ImagingStrings::kEncodeFailed);
        bytes = std::move(*encoded);
        return ImagingResult::success();
    }
    QByteArray encoded;
    QBuffer device(&encoded);
    device.open(QIODevice::WriteOnly);
    QImageWriter writer(&device, qtFormatName(type));
    if (type == ImageFileType::Jpeg)
        writer.setQuality(kJpegTileQuality);
    if (!writer.write(image))
        return ImagingResult::failure(ImagingStrings::kEncodeFailed + QStringLiteral(" - ") + writer.errorString());
    bytes = std::move(encoded);
    return ImagingResult::success();
}

ImagingResult writeImageFile(const QString &path, const QByteArray &bytes)
{
    QString reason;
    if (!writeFileAtomically(path, bytes, reason))
        return ImagingResult::failure(ImagingStrings::kWriteFailed + QStringLiteral(" - ") + reason);
    return ImagingResult::success();
}
