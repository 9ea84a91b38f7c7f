#pragma once

#include <QByteArray>

#include <optional>

// The file formats tiles and test targets are written in, by the program's own type codes.
enum class ImageFileType : int {
    Jpeg = 1,
    Tiff = 3,
    Bmp = 6,
};

// The file type of a type code; nothing for any other code.
std::optional<ImageFileType> imageFileTypeFromCode(int code);

// The Qt image I/O format name of a file type ("jpeg", "tiff", "bmp").
QByteArray qtFormatName(ImageFileType type);
