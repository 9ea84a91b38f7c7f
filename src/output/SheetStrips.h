#pragma once

#include <QImage>

// The pictures of a PDF sheet's glue strips, turned as its tile is: the first pixels of the
// neighbours that meet its page's right and bottom edges; null where it has none.
struct SheetStrips
{
    QImage right;
    QImage bottom;
};
