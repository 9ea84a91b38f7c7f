#include "app/DesktopFolders.h"

#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(DesktopFolders, BothFoldersMustExist)
{
    TempDir dir;
    QDir(dir.path()).mkdir("Desktop");
    QDir(dir.path()).mkdir("Documents");
    const SpecialFolders found = resolveSpecialFolders(dir.filePath("Desktop"), dir.filePath("Documents"));
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.desktop, dir.filePath("Desktop"));
    EXPECT_EQ(found.documents, dir.filePath("Documents"));

    EXPECT_FALSE(resolveSpecialFolders(dir.filePath("Desktop"), dir.filePath("Missing")).found);
    EXPECT_FALSE(resolveSpecialFolders(dir.filePath("Missing"), dir.filePath("Documents")).found);
    EXPECT_FALSE(resolveSpecialFolders(QString(), dir.filePath("Documents")).found);
    EXPECT_FALSE(resolveSpecialFolders("Desktop", "Documents").found); // not full paths
}
