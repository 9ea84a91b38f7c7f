#include "output/TileWriter.h"

#include "imaging/ImageEncoder.h"

std::optional<QByteArray> encodeTile(const QImage &tile, ImageFileType fileType)
{
    QByteArray bytes;
    if (!encodeImage(tile, fileType, bytes))
        return std::nullopt;
    return bytes;
}

bool HasRoomForTile(const FileSystemAccess &fileSystem, const QString &folder, const QByteArray &encodedTile)
{
    const std::optional<qint64> free = fileSystem.freeBytes(folder);
    return !free || *free >= encodedTile.size();
}

bool WriteTile(FileSystemAccess &fileSystem, const QString &path, const QByteArray &encodedTile)
{
    return fileSystem.writeFile(path, encodedTile);
}
