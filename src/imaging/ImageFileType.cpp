#include "imaging/ImageFileType.h"

std::optional<ImageFileType> imageFileTypeFromCode(int code)
{
    switch (code) {
    case int(ImageFileType::Jpeg):
        return ImageFileType::Jpeg;
    case int(ImageFileType::Tiff):
        return ImageFileType::Tiff;
    case int(ImageFileType::Bmp):
        return ImageFileType::Bmp;
    default:
        return std::nullopt;
    }
}

QByteArray qtFormatName(ImageFileType type)
{
    switch (type) {
    case ImageFileType::Jpeg:
        return QByteArrayLiteral("jpeg");
    case ImageFileType::Tiff:
        return QByteArrayLiteral("tiff");
    case ImageFileType::Bmp:
        return QByteArrayLiteral("bmp");
    }
    return QByteArray();
}
