#include "imaging/SourceFileStamp.h"

#include <QFileInfo>

std::optional<SourceFileStamp> SourceFileStamp::of(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return std::nullopt;
    SourceFileStamp stamp;
    stamp.m_path = file.absoluteFilePath();
    stamp.m_size = file.size();
    stamp.m_modified = file.fileTime(QFileDevice::FileModificationTime);
    return stamp;
}

bool SourceFileStamp::stillMatches() const
{
    const std::optional<SourceFileStamp> now = of(m_path);
    return now && now->m_size == m_size && now->m_modified == m_modified;
}
