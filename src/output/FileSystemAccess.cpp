#include "output/FileSystemAccess.h"

#include "common/AtomicFile.h"
#include "common/NativeFiles.h"

bool LocalFileSystem::folderExists(const QString &path) const
{
    return !path.isEmpty() && nativeFileStatus(path).folder;
}

bool LocalFileSystem::createFolder(const QString &path)
{
    return createNativeFolder(path);
}

std::optional<qint64> LocalFileSystem::freeBytes(const QString &folder) const
{
    return nativeFreeBytes(folder);
}

bool LocalFileSystem::writeFile(const QString &path, const QByteArray &bytes)
{
    QString reason;
    return writeFileAtomically(path, bytes, reason);
}
