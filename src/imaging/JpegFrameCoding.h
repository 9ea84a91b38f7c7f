#pragma once

#include <QSize>

#include <array>
#include <optional>

#include <cstdio>

#include <jpeglib.h>

// What a compressor needs to code a JPEG's blocks again as they are: the frame's colour
// space, components, sampling and quantization tables as the decoder latched them. Taken
// once from the decoder, so that compressors on other threads never read its state while
// it goes on reading markers, which a hostile file may use to rewrite its header fields.
struct JpegFrameCoding
{
    struct Component
    {
        int id = 0;
        int across = 1; // horizontal sampling factor
        int down = 1;   // vertical sampling factor
        int table = 0;  // quantization table slot
    };

    J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
    int componentCount = 0;
    std::array<Component, MAX_COMPONENTS> components{};
    std::array<std::optional<std::array<UINT16, DCTSIZE2>>, NUM_QUANT_TBLS> tables{};
    QSize picture;

    // The size of an MCU in pixels.
    QSize mcu() const;
};

// The size of the decoder's MCU in pixels.
QSize jpegMcuSize(const jpeg_decompress_struct &info);

// The frame of a decoder whose scans have latched their quantization tables (reading
// coefficients has begun); nothing when a component has none, or two components share a
// slot with different tables (the file redefined it between scans).
std::optional<JpegFrameCoding> takeFrameCoding(const jpeg_decompress_struct &info);

// Whether the decoder's frame is still the one taken.
bool isSameFrame(const JpegFrameCoding &coding, const jpeg_decompress_struct &info);

// Sets up a compressor, before jpeg_write_coefficients, to code blocks of the frame as a
// picture of the given size. libjpeg's errors jump to the compressor's own handler.
void setFrameCoding(const JpegFrameCoding &coding, jpeg_compress_struct &compressor, QSize picture);
