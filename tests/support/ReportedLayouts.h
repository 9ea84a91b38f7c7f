#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// Layouts that once went wrong for users, each saved the same way from the window and the
// command line: rows of tiles a few pixels tall with edge compensation (the banded save
// used to wait for itself), and turned, compensated tiles whose last row ends one pixel
// past the image (its tiles used to come out two pixels short).
struct ReportedLayout
{
    const char *name;
    QSize image;
    const char *imageFormat; // "jpeg" or "bmp"
    QString tilesOption;     // quiltera-cli --tiles
    QString numTilesValue;   // the stored prefs_numTiles
    QString paperRecord;     // the stored paperRegLine
    QStringList paperOptions;
    QByteArray profileLine; // the only profile, used for edge compensation
    int zoom = 0;
    bool rotateTiles = false;
    int vPlacement = 100; // 100 or 200: the window's test drags the grid to the bottom for 200
    QString format;       // quiltera-cli --format
    int tileCount = 0;

    QString imageFileName() const
    {
        return QString::fromLatin1(name) + (QByteArray(imageFormat) == "jpeg" ? ".jpg" : ".bmp");
    }
};

inline std::vector<ReportedLayout> reportedLayouts()
{
    return {
        {"TinyRowsCompensated", QSize(1356, 333), "jpeg", "6x3", "w05h02",
         "|0|Custom (inches)|3.452|1.417|0|0|0|0|.177|.139|.142|.05|",
         {"--custom-paper", "3.452x1.417", "--margins", ".177,.139,.142,.05"}, "mine\t16,10,15,14,\r\n", 368, false,
         100, "bmp", 18},
        {"TurnedCompensatedLastRowPastTheImage", QSize(700, 900), "bmp", "3x2", "w02h01",
         "|0|Custom (inches)|8.274|7.377|0|0|0|0|.045|.188|.277|.041|",
         {"--custom-paper", "8.274x7.377", "--margins", ".045,.188,.277,.041"}, "mine\t16,07,08,07,\r\n", 0, true, 200,
         "jpg", 6},
    };
}
