#include "output/ImageFileRules.h"

#include "support/TempDir.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(SourceImage, OnlyTheThreeEndingsLoadWhateverTheirCase)
{
    using ImageFileRules::hasLoadableImageEnding;
    for (const char *name : {"a.jpg", "B.JPG", "scan.Tif", "x.bmp", "photojpg"})
        EXPECT_TRUE(hasLoadableImageEnding(name)) << name;
    for (const char *name : {"jpg", "scan.jpeg", "scan.tiff", "a.png", ""})
        EXPECT_FALSE(hasLoadableImageEnding(name)) << name;
}

TEST(SourceImage, IsTurnedBeforeItsSizeIsChecked)
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
    EXPECT_EQ(loadSourceImage(dir.filePath("thin.tif"), 0).errorTitle, "Invalid Image File Selected");
    EXPECT_FALSE(loadSourceImage(dir.filePath("thin.tif"), 90).ok());

    const LoadedSourceImage unusualTurn = loadSourceImage(dir.filePath("wide.bmp"), 45);
    EXPECT_FALSE(unusualTurn.ok());
    EXPECT_EQ(unusualTurn.errorText, "The image could not be loaded");
}
