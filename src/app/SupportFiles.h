#pragma once

#include <QString>
#include <QStringList>

// Finding the program's support files and helper programs on this machine.

// The folders searched for the help file, in order: app_dir (when set), the program's
// folder, the installed data folder beside it, and the source tree's docs folder next to
// a developer's build folder.
QStringList helpFileFolders(const QString &appDir, const QString &programDir);

// The first folder of the list that holds the help file, as a full file path; empty when
// none does.
QString FindHelpFile(const QStringList &folders);

// The system information programs tried, in order.
QStringList systemInfoProgramNames();

// The full path of the first of the names found on the search path (PATH when the list
// is empty); empty when none is there.
QString findSystemInfoProgram(const QStringList &names, const QStringList &searchPaths = {});
