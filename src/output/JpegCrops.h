#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

// A JPEG's own coded data cut out without decoding (libjpeg-turbo's lossless transform):
// for each area of the picture asked for, the smallest region of whole coded blocks (MCUs)
// around it, as a JPEG of its own. The PDF poster places such a region on a sheet so that
// the photo prints as the camera coded it, not coded again.
struct JpegCrop
{
    QByteArray jpeg;
    QRect region; // in the picture's pixels: the area asked for, widened to whole blocks
};

// The region of whole blocks of mcu pixels around area, within a picture of the given size.
// Blocks start on multiples of the block size; a region may end anywhere at the picture's
// right or bottom edge.
QRect wholeBlocksAround(const QRect &area, QSize mcu, QSize picture);

// Cuts every area (within the picture) in one pass over the coded data. Nothing when the
// JPEG cannot be cut so: not a colour or grey JPEG of the picture's size that TurboJPEG
// reads without a warning (damaged data), or its coded blocks, which the cut holds whole
// in memory, would take more than 200 MB or the memory free now.
std::optional<std::vector<JpegCrop>> cutJpegAreas(const QByteArray &jpeg, const std::vector<QRect> &areas,
                                                  QSize picture);
