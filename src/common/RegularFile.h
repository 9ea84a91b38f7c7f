#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads the whole of a regular file into memory with plain reads, never a mapping: a file
// that shrinks or fails while it is read (a copy over it, a sync client, a network share,
// a pulled USB stick) only makes the read fail, where a mapping would kill the program.
// A FIFO, a device or a link to one is not opened at all, so it can neither block nor
// stream without end, and a file larger than maxBytes is not read.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);

// True when the path names a regular file (a link is followed).
bool isRegularFile(const QString &path);
