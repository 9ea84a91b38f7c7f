#include "app/AppInfo.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(AppInfo, VersionAndCaptions)
{
    EXPECT_EQ(versionText(1, 2, 0), "1.20");
    EXPECT_EQ(versionText(2, 10, 3), "2.103");
    EXPECT_EQ(BuildAppCaption(), "Quiltera");
    EXPECT_EQ(BuildAppCaption(true), "Quiltera v" + GetAppVersionString());
    EXPECT_EQ(GetCompanyName(), "Vendrick Software, LLC");
    EXPECT_TRUE(GetAppCopyrightString().contains(GetCompanyName()));
}
