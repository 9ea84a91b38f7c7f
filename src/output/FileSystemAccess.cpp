#include "output/FileSystemAccess.h"

#include "imaging/ImageEncoder.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

bool LocalFileSystem::folderExists(const QString &path) const
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool LocalFileSystem::createFolder(const QString &path)
{
    return !path.isEmpty() && QDir().mkdir(path);
}

std::optional<qint64> LocalFileSystem::freeBytes(const QString &folder) const
{
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return std::nullopt;
    const qint64 available = storage.bytesAvailable();
    if (available < 0)
        return std::nullopt;
    return available;
}

bool LocalFileSystem::writeFile(const QString &path, const QByteArray &bytes)
{
    return writeImageFile(path, bytes).ok();
}
