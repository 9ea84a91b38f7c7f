#include "app/SupportFiles.h"

#include "resources/AppStrings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QStringList helpFileFolders(const QString &appDir, const QString &programDir)
{
    QStringList folders;
    if (!appDir.isEmpty())
        folders.append(appDir);
    if (!programDir.isEmpty()) {
        folders.append(programDir);
        folders.append(QDir::cleanPath(programDir + QStringLiteral("/../share/quiltera")));
        folders.append(QDir::cleanPath(programDir + QStringLiteral("/../docs")));
    }
    return folders;
}

QString FindHelpFile(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(AppStrings::kHelpFileName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QStringList systemInfoProgramNames()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("xfce4-taskmanager")};
}

QString findSystemInfoProgram(const QStringList &names, const QStringList &searchPaths)
{
    for (const QString &name : names) {
        const QString path = QStandardPaths::findExecutable(name, searchPaths);
        if (!path.isEmpty())
            return path;
    }
    return {};
}
