#pragma once

#include <QString>
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

private:
    QTemporaryDir m_dir;
};
