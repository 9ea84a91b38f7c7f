#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

// What libjpeg stepped over while decoding: coded data that was missing or corrupt, whose
// rows it filled in (grey where the data ran out).
struct JpegDataDamage
{
    int firstRow = -1;        // the first row of the picture as stored that could not be read
    bool dataRunsOut = false; // the data ends early: every row from firstRow on is grey

    bool found() const { return firstRow >= 0; }
};

// One libjpeg decompressor over a file's bytes. libjpeg reports a fatal error by calling
// error_exit, which must not return: it jumps back to the setjmp of the function that
// called into the library, whose locals are all plain data so that the jump skips no
// destructor.
struct JpegCodec
{
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf fatal{};
    char message[JMSG_LENGTH_MAX] = {};
    bool created = false;
    // Data that ends before the picture does is fatal rather than filled in grey: set for a
    // picture too large to hold whole, which no other path would load.
    bool endMustBeReal = false;
    JpegDataDamage damage;
    // Whatever a caller hooks into the library (such as its memory manager) finds itself by.
    void *user = nullptr;

    JpegCodec() = default;
    JpegCodec(const JpegCodec &) = delete;
    JpegCodec &operator=(const JpegCodec &) = delete;
    ~JpegCodec();
};

// Reads the header of the file's bytes, which must outlive the codec. False when it does
// not read.
bool readJpegHeader(JpegCodec &codec, const QByteArray &bytes);
// The same from an open file, read from where it stands as the rows are decoded; the file
// must stay open as long as the codec.
bool readJpegHeader(JpegCodec &codec, std::FILE *file);

// A file opened for libjpeg to read as it decodes, with a read buffer fit for it; null
// when the path is not a regular file that opens. The name's own bytes are used.
using JpegFile = std::unique_ptr<std::FILE, int (*)(std::FILE *)>;
JpegFile openJpegFile(const QString &path);
// Asks for the program's pixels, decoded with the settings of Qt's decoder: 32-bit RGB from
// a grey, YCbCr or RGB file (false for others, such as CMYK, which Qt inverts by rules of
// its own), at scaleEighths / 8 of the size.
bool setProgramPixels(JpegCodec &codec, int scaleEighths = 8);

// Where decoded rows go, and what is told after each batch.
class JpegRowSink
{
public:
    virtual ~JpegRowSink() = default;
    // Where row y goes; null stops decoding.
    virtual uchar *place(int y) = 0;
    // How many of the count rows from first may be decoded in one batch (at least one):
    // a sink may end a batch early where placing a row would wait for rows of the batch.
    virtual int rowsInBatch(int /*first*/, int count) { return count; }
    // Called after each batch; false stops decoding.
    virtual bool rowsDone(int /*rowsDone*/) { return true; }
};

// Decodes every row into the places the sink gives, reporting progress after each batch.
// False on a fatal error, or when the sink asks to stop.
bool decodeJpegRows(JpegCodec &codec, JpegRowSink &sink);

// The damage of a JPEG's coded data, found by decoding it at an eighth of its size (every
// coded bit is read, little is drawn), for pictures decoded by a decoder that does not
// tell. None when the file does not decode at all.
JpegDataDamage findJpegDataDamage(const QByteArray &bytes);
