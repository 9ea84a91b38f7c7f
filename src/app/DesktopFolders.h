#pragma once

#include <QString>

// The Desktop and My Documents shortcuts of the image browser. Both are looked up once at
// start-up; the shortcut buttons work only when both folders were found and exist.
struct SpecialFolders
{
    QString desktop;
    QString documents;
    bool found = false;
};

// Checks two candidate paths: each must be a full path to an existing folder.
SpecialFolders resolveSpecialFolders(const QString &desktopPath, const QString &documentsPath);

// The user's Desktop and Documents folders as the desktop environment names them.
SpecialFolders InitSpecialFolders();
