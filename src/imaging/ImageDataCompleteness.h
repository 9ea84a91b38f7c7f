#pragma once

#include <QByteArrayView>

// Checks that a file holds all the pixel data its header promises. Qt's JPEG and BMP
// decoders accept a file cut short and fill the missing rows with grey or black while
// reporting success; a tile cut from such an image would print those rows, so a
// truncated file is refused before it is decoded.

// True when JPEG data runs from its start marker through every segment and scan to its
// end-of-image marker.
bool jpegDataIsComplete(QByteArrayView data);

// True when an uncompressed BMP holds every pixel row its header declares. Run-length
// encoded and unusual BMPs are left to the decoder, which checks those itself.
bool bmpDataIsComplete(QByteArrayView data);
