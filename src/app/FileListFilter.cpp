#include "app/FileListFilter.h"

#include "common/NativeFiles.h"


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
    if (folderPath.isEmpty())
        return std::nullopt;
    // Listed by the names the files really have, UTF-8 or not, so each one can be opened.
    const std::optional<QStringList> entries = listNativeFolder(folderPath, true);
    if (!entries)
        return std::nullopt;
    QStringList listed;
    for (const QString &name : *entries) {
        if (name.size() > 4 && IsListedImageFile(name, filter))
            listed.append(name);
    }
    return listed;
}
