#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A scratch folder for one test, removed when the test ends.
class TempDir
{
public:
    TempDir();
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // Writes raw bytes to a file inside the folder and returns its full path.
    QString write(const QString &name, const QByteArray &bytes) const;
    // Paths that are not regular files, as a hostile or broken setup leaves them: a FIFO
    // and a link to /dev/zero. Empty when the system refused to make them.
    QStringList specialFiles() const;

private:
    QTemporaryDir m_dir;
};
