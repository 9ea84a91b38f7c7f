#pragma once

#include <QString>
#include <QStringList>

// The mounted volumes stand for the drives of the image browser: each is named by the
// folder it is mounted on.

// Root folders of the mounted, ready volumes, "/" first and the rest sorted.
QStringList mountedDriveRoots();

// The root folder of the volume that holds a path ("/" when it cannot be told).
QString driveOfPath(const QString &path);

// True when the folder exists and its entries can be read.
bool isAccessibleFolder(const QString &path);
