#include "app/DesktopFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool isUsableFolder(const QString &path)
{
    return !path.isEmpty() && QDir::isAbsolutePath(path) && QFileInfo(path).isDir();
}

} // namespace

SpecialFolders resolveSpecialFolders(const QString &desktopPath, const QString &documentsPath)
{
    SpecialFolders folders;
    if (!isUsableFolder(desktopPath))
        return folders;
    folders.desktop = QDir::cleanPath(desktopPath);
    if (!isUsableFolder(documentsPath))
        return folders;
    folders.documents = QDir::cleanPath(documentsPath);
    folders.found = true;
    return folders;
}

SpecialFolders InitSpecialFolders()
{
    return resolveSpecialFolders(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
                                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}
