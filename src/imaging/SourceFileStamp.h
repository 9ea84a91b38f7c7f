#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// A file as it was when its picture was read: its path, size and time of last change.
// The tiles of a picture already in memory may be cut from the file again only while it
// is still the same file; one saved over in the meantime would give another picture.
class SourceFileStamp
{
public:
    // Nothing when the file cannot be read now.
    static std::optional<SourceFileStamp> of(const QString &path);

    const QString &path() const { return m_path; }
    // True when the file is there with the same size and time of last change.
    bool stillMatches() const;

private:
    QString m_path;
    qint64 m_size = 0;
    QDateTime m_modified;
};
