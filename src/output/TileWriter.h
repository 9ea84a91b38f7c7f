#pragma once

#include "imaging/ImageFileType.h"
#include "output/FileSystemAccess.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// A tile is encoded once: the room check measures these bytes and exactly these bytes are
// written. Keeping encoding apart from writing lets tiles be encoded in parallel while
// the files are still written in tile order.
std::optional<QByteArray> encodeTile(const QImage &tile, ImageFileType fileType);

// True when the encoded tile fits into the free space of the folder's volume; also true
// when that space cannot be read, so an unknown value never blocks a save.
bool HasRoomForTile(const FileSystemAccess &fileSystem, const QString &folder, const QByteArray &encodedTile);

// Writes the encoded tile, replacing a file of the same name; false on any failure, which
// leaves no partial file under the name.
bool WriteTile(FileSystemAccess &fileSystem, const QString &path, const QByteArray &encodedTile);
