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

// Makes bytes the whole content of the file at path, replacing any file of that name: the
// bytes go to a new file beside it that takes the name only once complete and synced, so
// a failed write (a full disk, say) never leaves a half-written file under the name. On
// failure, errorText says why.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString &errorText);

// For a file that is written in pieces and must appear whole or not at all: a new empty
// file beside path (its real bytes returned; empty on failure), which commitTemporaryFile
// syncs and renames to path, and removeTemporaryFile deletes.
QByteArray createTemporaryFileBeside(const QString &path);
bool commitTemporaryFile(const QByteArray &temporary, const QString &path, QString &errorText);
void removeTemporaryFile(const QByteArray &temporary);

// Creates the last level of the path; its parent must exist.
bool createNativeFolder(const QString &path);

// Bytes free for an unprivileged writer on the volume of the folder.
std::optional<qint64> nativeFreeBytes(const QString &folder);

// The names of the folder's entries that are regular files (filesOnly) or folders, links
// followed, hidden ones left out, sorted without regard to case; nothing when the folder
// cannot be read.
std::optional<QStringList> listNativeFolder(const QString &folder, bool filesOnly);
