#pragma once

#include <QByteArrayView>

#include <vector>

// Checks that a file holds all the pixel data its header promises. Qt's JPEG and BMP
// decoders accept a file cut short and fill the missing rows with grey or black while
// reporting success; a tile cut from such an image would print those rows, so a
// truncated file is refused before it is decoded.

// What a walk over a JPEG's markers finds, without decoding anything.
struct JpegStructure
{
    bool complete = false;    // runs from its start marker through every segment to its end marker
    int scans = 0;            // start-of-scan segments
    bool progressive = false; // a progressive frame, which the decoder buffers whole
    struct Sampling
    {
        int horizontal = 1;
        int vertical = 1;
    };
    std::vector<Sampling> sampling; // one per component of the frame
};

JpegStructure inspectJpeg(QByteArrayView data);

// True when JPEG data runs from its start marker through every segment and scan to its
// end-of-image marker.
bool jpegDataIsComplete(QByteArrayView data);

// True when an uncompressed BMP holds every pixel row its header declares. Run-length
// encoded and unusual BMPs are left to the decoder, which checks those itself.
bool bmpDataIsComplete(QByteArrayView data);
