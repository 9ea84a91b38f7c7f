#include "imaging/ImageFileRules.h"

#include "support/TempDir.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace ImageFileRules;

TEST(ImageFileRules, TheEndingsOfWhatPeopleHaveLoadWhateverTheirCase)
{
    for (const char *name : {"a.jpg", "B.JPG", "scan.Tif", "scan.tiff", "x.bmp", "photo.JPEG", "a.png", "w.WebP", "IMG_1.HEIC", "map.PDF", "a.svg", "b.svgz"})
        EXPECT_TRUE(hasLoadableImageEnding(name)) << name;
    for (const char *name : {"jpg", ".BMP", "photojpg", "notes.txt", "a.xcf", ""})
        EXPECT_FALSE(hasLoadableImageEnding(name)) << name;
}

TEST(ImageFileRules, MinimumSizeAndItsMessage)
{
    EXPECT_FALSE(isBelowMinimumSize(25, 25));
    EXPECT_TRUE(isBelowMinimumSize(24, 300));
    EXPECT_TRUE(isBelowMinimumSize(300, 24));
    EXPECT_EQ(smallImageMessage(),
              "The image you selected is EXTREMELY small.  It has a height and/or width that is below the "
              "minimum allowable size of 25 pixels.  Please select a larger image.  ");
}

TEST(ImageFileRules, SourceIsTurnedBeforeItsSizeIsChecked)
{
    TempDir dir;
    QImage wide(300, 200, QImage::Format_RGB32);
    wide.fill(Qt::white);
    wide.setPixel(0, 0, qRgb(255, 0, 0));
    ASSERT_TRUE(wide.save(dir.filePath("wide.bmp")));

    const LoadedSourceImage turned = loadSourceImage(dir.filePath("wide.bmp"), 90);
    ASSERT_TRUE(turned.ok()) << turned.errorText.toStdString();
    EXPECT_EQ(turned.image->Width(), 200);
    EXPECT_EQ(turned.image->Height(), 300);
    EXPECT_EQ(turned.image->image().pixel(199, 0), qRgb(255, 0, 0)); // clockwise

    QImage thin(300, 24, QImage::Format_RGB32);
    thin.fill(Qt::black);
    ASSERT_TRUE(thin.save(dir.filePath("thin.tif")));
    const LoadedSourceImage small = loadSourceImage(dir.filePath("thin.tif"), 0);
    EXPECT_EQ(small.errorTitle, "Invalid Image File Selected");
    EXPECT_EQ(small.errorText, smallImageMessage());
    EXPECT_TRUE(small.tooSmall);
    EXPECT_FALSE(loadSourceImage(dir.filePath("thin.tif"), 90).ok());

    const LoadedSourceImage unusualTurn = loadSourceImage(dir.filePath("wide.bmp"), 45);
    EXPECT_FALSE(unusualTurn.ok());
    EXPECT_FALSE(unusualTurn.tooSmall);
    EXPECT_EQ(unusualTurn.errorText, "The image could not be loaded");
}

TEST(ImageFileRules, FilesThatDoNotDecodeAreNotTooSmall)
{
    TempDir dir;
    dir.write("broken.jpg", "not a picture");
    const LoadedSourceImage broken = loadSourceImage(dir.filePath("broken.jpg"), 0);
    EXPECT_FALSE(broken.ok());
    EXPECT_FALSE(broken.tooSmall);
    EXPECT_EQ(broken.errorTitle, "Error");
    EXPECT_TRUE(broken.errorText.startsWith("The image could not be loaded - "));

    const LoadedSourceImage wrongEnding = loadSourceImage(dir.filePath("picture.png"), 0);
    EXPECT_FALSE(wrongEnding.ok());
    EXPECT_FALSE(wrongEnding.tooSmall);
}
