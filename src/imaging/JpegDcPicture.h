#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdio>

#include <jpeglib.h>

// The picture of a JPEG at an eighth of its size each way, one pixel for each 8 x 8 block of
// the picture, made from the first coefficient of every block alone. It is for showing, as
// libjpeg's own reduced decode is, and nearly the same; it is made on several threads at
// once, which libjpeg cannot do. A file with restart markers is shared out between the
// threads at those markers. In a file without them, each thread starts reading the coded
// data at its own place, guessing where a unit of blocks begins, and a guess is kept only
// from the first unit at which the thread that read the data before it arrives at the same
// bit with the same state. A wrong guess costs time, never a pixel.
//
// Takes baseline Huffman-coded JPEGs of one interleaved scan, in grey, YCbCr or RGB; for
// anything else, or data that does not decode, the image is null and the caller decodes
// another way. The decompressor must have read the header of the file's bytes, and nothing
// more.
QImage jpegDcPicture(const jpeg_decompress_struct &header, const QByteArray &file, int threads);
