#pragma once

#include <QByteArray>
#include <QImageIOHandler>

#include <cstdint>

// What a picture file's header says about it.
struct ImageFileInfo
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    QByteArray format; // "bmp", "jpeg", "tiff", "png", "webp" or "heif"
    // The turn or mirror the file asks for; width and height are those of the picture
    // once it is applied.
    QImageIOHandler::Transformations orientation = QImageIOHandler::TransformationNone;
};
