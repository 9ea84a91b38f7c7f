#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// Layouts whose computed last column or row ends one pixel past the image: the report and
// the Save button accept them, so they must save, each tile at its rectangle's size.
struct EdgeOvershootLayout
{
    const char *name;
    QSize image;
    QString tilesOption;    // quiltera-cli --tiles
    QString numTilesValue;  // the stored prefs_numTiles
    QString paperRecord;    // the stored paperRegLine
    QStringList paperOptions;
    int zoom = 0;
    int hPlacement = 100;
    int lastTileNumber = 0;
    QRect lastTile; // the pixels the last tile file must hold
};

inline std::vector<EdgeOvershootLayout> edgeOvershootLayouts()
{
    return {
        {"LetterZoom2FlushRight", QSize(6000, 4000), "4x3", "w03h02", "|0|Letter 8.5\" x 11\"|8.5|11|.5|.5|.5|.5|.5|.5|.5|.5|",
         {"--paper", "Letter 8.5\" x 11\""}, 2, 200, 12, QRect(5019, 2654, 981, 1307)},
        {"CustomPaperCentred", QSize(1002, 702), "4x4", "w03h03", "|0|Custom (inches)|2.505|1.755|0|0|0|0|0|0|0|0|",
         {"--custom-paper", "2.505x1.755", "--margins", "0,0,0,0"}, 0, 100, 16, QRect(751, 526, 251, 175)},
    };
}

// Pixels that differ from each neighbour and from row to row, so a tile shifted or cut by
// one pixel does not compare equal.
inline QImage edgeOvershootPicture(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] = qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF);
    }
    return image;
}
