#include "output/SaveEntryCheck.h"
#include "output/TileNaming.h"
#include "resources/LayoutStrings.h"
#include "resources/OutputStrings.h"

#include <gtest/gtest.h>

namespace {

const int kJpeg = int(ImageFileType::Jpeg);

TEST(TileNamingMakeTileFileName, JoinsFolderBaseNamePaddedNumberAndExtension)
{
    const TileFileName name = MakeTileFileName("/home/pics", "beach_poster_images", "beach_", kJpeg, 1);
    EXPECT_EQ(name.status, 1);
    EXPECT_EQ(name.path, "/home/pics/beach_poster_images/beach_001.jpg");
    EXPECT_TRUE(name.errorText.isEmpty());

    EXPECT_EQ(MakeTileFileName("/home/pics", "p", "b_", int(ImageFileType::Tiff), 42).path, "/home/pics/p/b_042.tif");
    EXPECT_EQ(MakeTileFileName("/home/pics", "p", "b_", int(ImageFileType::Bmp), 625).path, "/home/pics/p/b_625.bmp");
    EXPECT_EQ(MakeTileFileName("/home/pics", "p", "b_", kJpeg, 1000).path, "/home/pics/p/b_1000.jpg");
}

TEST(TileNamingMakeTileFileName, AddsSeparatorsOnlyWhereMissing)
{
    EXPECT_EQ(MakeTileFileName("/home/pics/", "p", "b_", kJpeg, 1).path, "/home/pics/p/b_001.jpg");
    EXPECT_EQ(MakeTileFileName("/", "p", "b_", kJpeg, 1).path, "/p/b_001.jpg");
    // No new folder: the files go straight into the parent.
    EXPECT_EQ(MakeTileFileName("/home/pics", "", "b_", kJpeg, 7).path, "/home/pics/b_007.jpg");
    // No base name: the number alone names the file.
    EXPECT_EQ(MakeTileFileName("/home/pics", "p", "", kJpeg, 2).path, "/home/pics/p/002.jpg");
}

TEST(TileNamingMakeTileFileName, FailsWithReason)
{
    const TileFileName noType = MakeTileFileName("/home", "p", "b_", kNoFileTypeCode, 1);
    EXPECT_EQ(noType.status, -1);
    EXPECT_EQ(noType.errorText, OutputStrings::kFileExtensionNotSelected);
    EXPECT_EQ(MakeTileFileName("/home", "p", "b_", 2, 1).errorText, OutputStrings::kFileExtensionNotSelected);

    const TileFileName noParent = MakeTileFileName("", "p", "b_", kJpeg, 1);
    EXPECT_EQ(noParent.status, -1);
    EXPECT_EQ(noParent.errorText, OutputStrings::kSelectFolderLocation);
}

TEST(TileNamingMakeTileFileName, RefusesBaseNamesThatLeaveTheFolder)
{
    for (const QString base : {"../up_", "sub/b_", "a\\b_", "/abs", ".."}) {
        const TileFileName name = MakeTileFileName("/home/pics", "p", base, kJpeg, 1);
        EXPECT_EQ(name.status, -1) << base.toStdString();
        EXPECT_EQ(name.errorText, OutputStrings::kInvalidBaseFileName);
        EXPECT_TRUE(name.path.isEmpty());
    }
    // Dots inside a name are harmless.
    EXPECT_EQ(MakeTileFileName("/home/pics", "p", "..b", kJpeg, 1).status, 1);
}

TEST(TileNamingDestinationFolder, PathAndLabel)
{
    EXPECT_EQ(destinationFolderPath("/home/pics/", "new"), "/home/pics/new");
    EXPECT_EQ(saveFolderLabelText("/home/pics", "new"), "/home/pics/new/");
    EXPECT_EQ(saveFolderLabelText("/home/pics/", ""), "/home/pics/");
}

TEST(TileNamingSplitPathLabel, BreaksAfterSeparatorOnceLineIsLongEnough)
{
    // A "/" at position 58 of a 60-character path: the run exceeds 55 there.
    const QString path = "/" + QString(56, 'a') + "/bc";
    ASSERT_EQ(path.size(), 60);
    EXPECT_EQ(SplitPathLabel(path, 55, 78), "/" + QString(56, 'a') + "/\r\nbc");

    // Every "/" within the first 35 characters: one line.
    const QString shortPath = "/abc/def/" + QString(31, 'x');
    ASSERT_EQ(shortPath.size(), 40);
    EXPECT_EQ(SplitPathLabel(shortPath, 35, 55), shortPath);
}

TEST(TileNamingSplitPathLabel, ForcesBreakAtWindowEndWithoutBlanks)
{
    // 90 characters whose last "/" lies before position 56: broken after the 78th only.
    const QString path = "/" + QString(40, 'a') + "/" + QString(48, 'b');
    ASSERT_EQ(path.size(), 90);
    EXPECT_EQ(SplitPathLabel(path, 55, 78), path.left(78) + "\r\n" + path.mid(78));

    const QString seventy = "/" + QString(69, 'c');
    EXPECT_EQ(SplitPathLabel(seventy, 35, 55), seventy.left(55) + "\r\n" + seventy.mid(55));
}

TEST(TileNamingSplitPathLabel, BlanksRestartTheRun)
{
    const QString path = "/" + QString(50, 'a') + " " + QString(30, 'b');
    EXPECT_EQ(SplitPathLabel(path, 55, 78), path);
    EXPECT_EQ(SplitPathLabel("", 55, 78), "");
}

TEST(TileNamingSuggestSaveNames, SuggestsFromTheImageName)
{
    const SaveEntry entry = suggestSaveNames("IMG_0042.JPG");
    ASSERT_TRUE(entry.suggestion);
    EXPECT_EQ(entry.suggestion->baseFileName, "IMG_0042_");
    EXPECT_EQ(entry.suggestion->newFolderName, "IMG_0042_poster_images");
    EXPECT_EQ(entry.suggestion->fileType, ImageFileType::Jpeg);

    EXPECT_EQ(suggestSaveNames("a.bmp").suggestion->fileType, ImageFileType::Bmp);
    EXPECT_EQ(suggestSaveNames("scan.TiF").suggestion->fileType, ImageFileType::Tiff);
}

TEST(TileNamingSuggestSaveNames, RefusesShortNamesAndOtherTypes)
{
    for (const QString name : {"scan.jpeg", "a.png", "photo.tiff"}) {
        const SaveEntry entry = suggestSaveNames(name);
        EXPECT_FALSE(entry.suggestion) << name.toStdString();
        EXPECT_EQ(entry.refusal.text, "Unable to save - invalid image file type");
        EXPECT_EQ(entry.refusal.title, "Error");
    }
    for (const QString name : {"x.jp", ".jpg", ""}) {
        const SaveEntry entry = suggestSaveNames(name);
        EXPECT_FALSE(entry.suggestion) << name.toStdString();
        EXPECT_EQ(entry.refusal.text, "Invalid file chosen.  Can not continue.");
        EXPECT_EQ(entry.refusal.title, "Problem");
    }
}

TEST(SaveEntryCheck, ChecksLayoutBeforeTheName)
{
    LayoutState layout;
    layout.bImgSelected = true;
    layout.lImgWidth = 3000;
    layout.lImgHeight = 2000;
    EXPECT_TRUE(checkSaveEntry(layout, "IMG_0042.JPG").suggestion);

    LayoutState tooSmall = layout;
    tooSmall.dTileWidth = 0.5;
    const SaveEntry sizeRefusal = checkSaveEntry(tooSmall, "IMG_0042.JPG");
    EXPECT_FALSE(sizeRefusal.suggestion);
    EXPECT_EQ(sizeRefusal.refusal.title, LayoutStrings::kInvalidTileSizeTitle);

    LayoutState noPixels = layout;
    noPixels.lImgHeight = 0;
    const SaveEntry tileRefusal = checkSaveEntry(noPixels, "IMG_0042.JPG");
    EXPECT_FALSE(tileRefusal.suggestion);
    EXPECT_EQ(tileRefusal.refusal.text, "Invalid image/tile information.  Can not continue.");
    EXPECT_EQ(tileRefusal.refusal.title, "Can Not Continue");
}

} // namespace
