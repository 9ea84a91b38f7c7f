#pragma once

#include <QtGlobal>

#include <memory>
#include <vector>

#include <jpeglib.h>

struct JpegCodec;

// The coded blocks a libjpeg decompressor reads for transcoding (jpeg_read_coefficients),
// held row by row as they are read instead of in the library's whole-picture arrays, so
// that a caller working down the picture can let go of rows it is done with while the
// rest of the file is still read. Rows let go of are kept for the rows read next: fresh
// memory costs a page fault every 4 KB.
class JpegBlockRows
{
public:
    // Takes over the codec's coefficient arrays; after jpeg_read_header, before
    // jpeg_read_coefficients. The codec must not outlive this.
    explicit JpegBlockRows(JpegCodec &codec);
    ~JpegBlockRows();
    JpegBlockRows(const JpegBlockRows &) = delete;
    JpegBlockRows &operator=(const JpegBlockRows &) = delete;

    // The blocks of one row of a component (index in the frame), row counted in blocks;
    // valid until the row is let go of.
    JBLOCKROW row(int component, JDIMENSION blockRow) const;
    // Lets go of every row above the given row of MCUs.
    void releaseAbove(JDIMENSION mcuRow);
    // The bytes one row of MCUs takes, all components together.
    qint64 mcuRowBytes() const;

    struct Component; // one component's rows

private:
    friend struct JpegBlockRowsHooks;
    JpegCodec &m_codec;
    void (*m_libraryRealize)(j_common_ptr) = nullptr;
    std::vector<std::unique_ptr<Component>> m_components;
};
