#include "browser/Drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

QStringList mountedDriveRoots()
{
    QStringList roots;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    }
    std::sort(roots.begin(), roots.end());
    const QString root = QDir::rootPath();
    roots.removeAll(root);
    roots.prepend(root);
    return roots;
}

QString driveOfPath(const QString &path)
{
    const QStorageInfo volume(path);
    if (!volume.isValid() || volume.rootPath().isEmpty())
        return QDir::rootPath();
    return volume.rootPath();
}

bool isAccessibleFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        return false;
    QDir dir(path);
    return dir.exists();
}
