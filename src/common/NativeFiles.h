#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Files by the names the system really has. A name on Linux is bytes; most are UTF-8, but
// a name from an old disk, a camera card or another system may not be, and Qt's own file
// classes turn such bytes into U+FFFD, after which the file can be neither found nor
// made. These functions carry names through unchanged.

// Bytes to text without loss: a byte that is not part of valid UTF-8 becomes the lone
// surrogate U+DC80 + (byte - 0x80), which encodeNativePath turns back into that byte.
QString decodeNativePath(const QByteArray &bytes);
QByteArray encodeNativePath(const QString &path);

// Reads the whole of a regular file into memory with plain reads, never a mapping: a file
// that shrinks or fails while it is read (a copy over it, a sync client, a network share,
// a pulled USB stick) only makes the read fail, where a mapping would kill the program.
// A FIFO, a device or a link to one is not opened at all, so it can neither block nor
// stream without end, and a file larger than maxBytes is not read.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);

// What a path names (a link is followed).
struct NativeFileStatus
{
    bool exists = false;
    bool regularFile = false;
    bool folder = false;
    bool readable = false;
    qint64 size = 0;
};
NativeFileStatus nativeFileStatus(const QString &path);

bool isRegularFile(const QString &path);

// Creates the last level of the path; its parent must exist.
bool createNativeFolder(const QString &path);

// Bytes free for an unprivileged writer on the volume of the folder.
std::optional<qint64> nativeFreeBytes(const QString &folder);

// The names of the folder's entries that are regular files (filesOnly) or folders, links
// followed, hidden ones left out, sorted without regard to case; nothing when the folder
// cannot be read.
std::optional<QStringList> listNativeFolder(const QString &folder, bool filesOnly);
