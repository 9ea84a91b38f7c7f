#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The file system as the save run needs it. Tests put a fake behind it to simulate a
// full disk or a failing write.
class FileSystemAccess
{
public:
    virtual ~FileSystemAccess() = default;

    virtual bool folderExists(const QString &path) const = 0;
    // Creates only the last level of the path: a missing parent is a failure.
    virtual bool createFolder(const QString &path) = 0;
    // Bytes free for writing in the folder; nothing when that cannot be read.
    virtual std::optional<qint64> freeBytes(const QString &folder) const = 0;
    // Writes the whole file or nothing: a failed write leaves no partial file under the
    // name, and an earlier file of that name stays as it was.
    virtual bool writeFile(const QString &path, const QByteArray &bytes) = 0;
};

// The local disks.
class LocalFileSystem final : public FileSystemAccess
{
public:
    bool folderExists(const QString &path) const override;
    bool createFolder(const QString &path) override;
    std::optional<qint64> freeBytes(const QString &folder) const override;
    bool writeFile(const QString &path, const QByteArray &bytes) override;
};
