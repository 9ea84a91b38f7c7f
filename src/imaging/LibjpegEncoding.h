#pragma once

#include <QByteArray>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

// One libjpeg compressor whose coded bytes go straight into a QByteArray of its own:
// libjpeg's memory destination keeps the buffer it grows to itself until the compression
// finishes, so a compressor dropped midway (a cancelled save, a failed crop) could neither
// free nor find it. libjpeg's fatal errors jump back to the setjmp of the function that
// called into the library, which must hold no object with a destructor made after it.
struct JpegCompressor
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    jpeg_destination_mgr destination{};
    std::jmp_buf fatal{};
    QByteArray output;
    bool created = false;
    bool failed = false;

    JpegCompressor() = default;
    JpegCompressor(const JpegCompressor &) = delete;
    JpegCompressor &operator=(const JpegCompressor &) = delete;
    ~JpegCompressor();
};

// Creates the compressor, its error handling and its destination; false when libjpeg fails.
bool createJpegCompressor(JpegCompressor &compressor);
