#include "imaging/LibjpegEncoding.h"

namespace {

constexpr qsizetype kFirstOutputBytes = 64 * 1024;

JpegCompressor &compressorOf(j_common_ptr info)
{
    return *static_cast<JpegCompressor *>(info->client_data);
}

void onFatalError(j_common_ptr info)
{
    std::longjmp(compressorOf(info).fatal, 1);
}

void startOutput(j_compress_ptr info)
{
    JpegCompressor &c = compressorOf(reinterpret_cast<j_common_ptr>(info));
    c.output.resize(kFirstOutputBytes);
    c.destination.next_output_byte = reinterpret_cast<JOCTET *>(c.output.data());
    c.destination.free_in_buffer = std::size_t(c.output.size());
}

// The output is full: it doubles, and libjpeg goes on where it stopped.
boolean growOutput(j_compress_ptr info)
{
    JpegCompressor &c = compressorOf(reinterpret_cast<j_common_ptr>(info));
    const qsizetype used = c.output.size();
    c.output.resize(used * 2);
    c.destination.next_output_byte = reinterpret_cast<JOCTET *>(c.output.data()) + used;
    c.destination.free_in_buffer = std::size_t(c.output.size() - used);
    return TRUE;
}

void endOutput(j_compress_ptr info)
{
    JpegCompressor &c = compressorOf(reinterpret_cast<j_common_ptr>(info));
    c.output.resize(c.output.size() - qsizetype(c.destination.free_in_buffer));
}

} // namespace

JpegCompressor::~JpegCompressor()
{
    if (created)
        jpeg_destroy_compress(&info);
}

bool createJpegCompressor(JpegCompressor &c)
{
    c.info.err = jpeg_std_error(&c.errors);
    c.errors.error_exit = onFatalError;
    c.info.client_data = &c;
    if (setjmp(c.fatal))
        return false;
    jpeg_create_compress(&c.info);
    c.created = true;
    c.destination.init_destination = startOutput;
    c.destination.empty_output_buffer = growOutput;
    c.destination.term_destination = endOutput;
    c.info.dest = &c.destination;
    return true;
}
