#include "app/SupportFiles.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(SupportFiles, HelpFileIsTakenFromTheFirstFolderThatHoldsIt)
{
    TempDir appDir;
    TempDir programDir;
    const QStringList folders = helpFileFolders(appDir.path(), programDir.path());
    EXPECT_EQ(folders.first(), appDir.path());
    EXPECT_TRUE(folders.contains(QDir::cleanPath(programDir.path() + "/../share/quiltera")));
    EXPECT_EQ(FindHelpFile(folders), QString());

    programDir.write("quiltera.html", "<html></html>");
    EXPECT_EQ(FindHelpFile(folders), programDir.filePath("quiltera.html"));
    appDir.write("quiltera.html", "<html></html>");
    EXPECT_EQ(FindHelpFile(folders), appDir.filePath("quiltera.html"));
    EXPECT_EQ(helpFileFolders(QString(), programDir.path()).first(), programDir.path());
}

TEST(SupportFiles, SystemInfoProgramIsTheFirstFoundOnTheSearchPath)
{
    TempDir bin;
    const QStringList names{"first-info", "second-info"};
    EXPECT_EQ(findSystemInfoProgram(names, {bin.path()}), QString());

    const QString second = bin.write("second-info", "#!/bin/sh\n");
    QFile::setPermissions(second, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(findSystemInfoProgram(names, {bin.path()}), second);

    const QString first = bin.write("first-info", "#!/bin/sh\n");
    QFile::setPermissions(first, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(findSystemInfoProgram(names, {bin.path()}), first);
}
