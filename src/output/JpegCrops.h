#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

// A JPEG's own coded data cut out without decoding: for each area of the picture asked
// for, the smallest region of whole coded blocks (MCUs) around it, as a JPEG of its own
// with the source's tables and coefficients. The PDF poster places such a region on a sheet so that
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

// Cuts every area (within the picture) in one pass over the coded data, which is read
// once: a crop is coded as soon as the rows it needs are read, and rows no crop still
// needs are let go of. Nothing when the JPEG cannot be cut so: not an 8-bit colour or grey
// JPEG of the picture's size that libjpeg reads without a warning (damaged data), or the
// coded blocks held at once would take more than 400 MB or the memory free now (a
// progressive JPEG's are all held, as its rows come in scan after scan).
std::optional<std::vector<JpegCrop>> cutJpegAreas(const QByteArray &jpeg, const std::vector<QRect> &areas,
                                                  QSize picture);
// The same, read from the file as it goes.
std::optional<std::vector<JpegCrop>> cutJpegFileAreas(const QString &path, const std::vector<QRect> &areas,
                                                      QSize picture);
