#include "app/FileListFilter.h"

#include "common/NativeFiles.h"
#include "imaging/ImageFileRules.h"

#include <QFileInfo>

namespace {

QString ending(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toLower();
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
        return ImageFileRules::hasLoadableImageEnding(fileName);
    case FileTypeFilter::JpegOnly:
        return end == u"jpg" || end == u"jpeg";
    case FileTypeFilter::TiffOnly:
        return end == u"tif" || end == u"tiff";
    case FileTypeFilter::BmpOnly:
        return end == u"bmp";
    case FileTypeFilter::PngOnly:
        return end == u"png";
    case FileTypeFilter::WebpOnly:
        return end == u"webp";
    case FileTypeFilter::HeifOnly:
        return end == u"heic" || end == u"heif" || end == u"avif";
    case FileTypeFilter::PdfOnly:
        return end == u"pdf";
    case FileTypeFilter::SvgOnly:
        return end == u"svg" || end == u"svgz";
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
