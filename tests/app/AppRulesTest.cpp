#include "app/AppInfo.h"
#include "app/ImageLoadRules.h"
#include "app/PlacementReadout.h"
#include "app/SupportFiles.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(ImageLoadRules, FitKeepsTheAspectRatioAndTouchesTheCanvas)
{
    const CanvasFit wide = fitImageToCanvas(4000, 1000, 400, 300);
    EXPECT_EQ(wide.width, 400);
    EXPECT_EQ(wide.height, 100);
    EXPECT_DOUBLE_EQ(wide.scale, 0.1);

    const CanvasFit tall = fitImageToCanvas(1000, 4000, 400, 300);
    EXPECT_EQ(tall.width, 75);
    EXPECT_EQ(tall.height, 300);
    EXPECT_DOUBLE_EQ(tall.scale, 0.075);

    // Halves go to the even neighbour: 301 / 2 = 150.5 gives 150, 303 / 2 = 151.5 gives 152.
    EXPECT_EQ(fitImageToCanvas(100, 200, 1000, 301).width, 150);
    EXPECT_EQ(fitImageToCanvas(100, 200, 1000, 303).width, 152);
    EXPECT_EQ(fitImageToCanvas(200, 100, 301, 1000).height, 150);
}

TEST(ImageLoadRules, AVeryThinImageStillGetsADisplayCopy)
{
    const CanvasFit fit = fitImageToCanvas(25, 100000, 400, 300);
    EXPECT_EQ(fit.width, 1);
    EXPECT_EQ(fit.height, 300);
    EXPECT_GT(fit.scale, 0.0);
}

TEST(ImageLoadRules, RotationListEntries)
{
    EXPECT_EQ(rotationForListIndex(0), 0);
    EXPECT_EQ(rotationForListIndex(1), 90);
    EXPECT_EQ(rotationForListIndex(2), 270);
    EXPECT_EQ(rotationForListIndex(3), 180);
    EXPECT_EQ(rotationForListIndex(-1), 0);
}

TEST(PlacementReadout, DirectionsAndFullExtent)
{
    EXPECT_EQ(placementReadout(PlacementAxis::Horizontal, 200, 400, 100).text, "(center)");
    EXPECT_EQ(placementReadout(PlacementAxis::Horizontal, 200, 400, 125).text, "(right 25%)");
    EXPECT_EQ(placementReadout(PlacementAxis::Horizontal, 200, 400, 0).text, "(left 100%)");
    EXPECT_EQ(placementReadout(PlacementAxis::Vertical, 200, 400, 130).text, "(down 30%)");
    EXPECT_EQ(placementReadout(PlacementAxis::Vertical, 200, 400, 90).text, "(up 10%)");

    const PlacementReadout fullWidth = placementReadout(PlacementAxis::Horizontal, 400, 400, 170);
    EXPECT_EQ(fullWidth.text, "(full width)");
    EXPECT_EQ(fullWidth.placement, 100);
    const PlacementReadout fullHeight = placementReadout(PlacementAxis::Vertical, 401, 400, 20);
    EXPECT_EQ(fullHeight.text, "(full height)");
    EXPECT_EQ(fullHeight.placement, 100);
    EXPECT_EQ(placementReadout(PlacementAxis::Vertical, 200, 400, 20).placement, 20);
}

TEST(AppInfo, VersionAndCaptions)
{
    EXPECT_EQ(versionText(1, 2, 0), "1.20");
    EXPECT_EQ(versionText(2, 10, 3), "2.103");
    EXPECT_EQ(BuildAppCaption(), "Quiltera");
    EXPECT_EQ(BuildAppCaption(true), "Quiltera v" + GetAppVersionString());
    EXPECT_EQ(GetCompanyName(), "Vendrick Software, LLC");
    EXPECT_TRUE(GetAppCopyrightString().contains(GetCompanyName()));
}

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
