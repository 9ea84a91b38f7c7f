#include "app/FileListFilter.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString ending(const QString &fileName)
{
    return fileName.right(3).toUpper();
}

} // namespace

FileTypeFilter fileTypeFilterFromIndex(int index)
{
    if (index < 0 || index >= kFileTypeFilterCount)
        return FileTypeFilter::ImageFiles;
    return static_cast<FileTypeFilter>(index);
}

bool IsListedImageFile(const QString &fileName, FileTypeFilter filter)
{
    const QString end = ending(fileName);
    switch (filter) {
    case FileTypeFilter::ImageFiles:
        return end == u"JPG" || end == u"TIF" || end == u"BMP";
    case FileTypeFilter::JpegOnly:
        return end == u"JPG";
    case FileTypeFilter::TiffOnly:
        return end == u"TIF";
    case FileTypeFilter::BmpOnly:
        return end == u"BMP";
    case FileTypeFilter::AllFiles:
        return true;
    }
    return false;
}

std::optional<QStringList> listFolderFiles(const QString &folderPath, FileTypeFilter filter)
{
    const QFileInfo folder(folderPath);
    if (folderPath.isEmpty() || !folder.isDir() || !folder.isReadable())
        return std::nullopt;
    const QDir dir(folderPath);
    const QStringList entries =
        dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList listed;
    for (const QString &name : entries) {
        if (name.size() > 4 && IsListedImageFile(name, filter))
            listed.append(name);
    }
    return listed;
}
