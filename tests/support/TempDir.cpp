#include "support/TempDir.h"

#include <QFile>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempDir::TempDir() = default;

QString TempDir::write(const QString &name, const QByteArray &bytes) const
{
    const QString path = filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QStringList TempDir::specialFiles() const
{
    const QString fifo = filePath("fifo");
    const QString zeros = filePath("zeros");
    if (::mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0 || !QFile::link("/dev/zero", zeros))
        return {};
    return {fifo, zeros};
}
