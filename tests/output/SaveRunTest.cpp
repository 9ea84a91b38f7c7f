#include "output/SaveRun.h"
#include "output/TileWriter.h"

#include "imaging/ImageObjectFactory.h"
#include "resources/OutputStrings.h"
#include "support/SaveRunDoubles.h"
#include "support/LayoutTestStates.h"
#include "support/TempDir.h"
#include "support/TestImages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QStringList tileNames(const QString &base, int count, const QString &extension)
{
    QStringList names;
    for (int n = 1; n <= count; ++n)
        names << base + QString::number(n).rightJustified(3, '0') + extension;
    return names;
}

class SaveRunTest : public ::testing::Test
{
protected:
    std::unique_ptr<ImageObject> source = test_images::makePatternImage(300, 200);
    std::vector<std::unique_ptr<HeldPicturePixels>> pixels; // one for each request
    TempDir parent;
    RecordingListener listener;
    ScriptedFileSystem fileSystem;

    QString folder() const { return parent.filePath("poster"); }

    SaveRequest request(int fileType = int(ImageFileType::Bmp))
    {
        pixels.push_back(std::make_unique<HeldPicturePixels>(*source));
        return SaveRequest{*pixels.back(), layout3x2(), parent.path(), "poster", "tile_", fileType, std::nullopt};
    }

    SaveRunOutcome run(const SaveRequest &saveRequest)
    {
        SaveRun saveRun(saveRequest, listener, fileSystem);
        const SaveRunOutcome outcome = saveRun.processSaveNow();
        written = saveRun.writtenPaths();
        return outcome;
    }
    QStringList written; // by the last run

    void expectNothingWritten() const
    {
        EXPECT_EQ(QDir(parent.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
};

TEST_F(SaveRunTest, WritesEveryTileInRowOrderInEachFormat)
{
    const int tileLeft[] = {30, 110, 190, 30, 110, 190};
    const int tileTop[] = {0, 0, 0, 100, 100, 100};
    for (const auto &[type, extension] : {std::pair{ImageFileType::Bmp, ".bmp"}, std::pair{ImageFileType::Tiff, ".tif"},
                                          std::pair{ImageFileType::Jpeg, ".jpg"}}) {
        SCOPED_TRACE(extension);
        QDir(folder()).removeRecursively();
        ASSERT_EQ(run(request(int(type))), SaveRunOutcome::Completed);
        ASSERT_EQ(filesIn(folder()), tileNames("tile_", 6, extension));
        QStringList paths;
        for (const QString &name : tileNames("tile_", 6, extension))
            paths << folder() + "/" + name;
        EXPECT_EQ(written, paths);
        for (int t = 0; t < 6; ++t) {
            std::unique_ptr<ImageObject> written = createImageObject();
            ASSERT_TRUE(written->LoadFile(folder() + "/" + tileNames("tile_", 6, extension)[t]));
            EXPECT_EQ(written->Width(), 80);
            EXPECT_EQ(written->Height(), 100);
            EXPECT_EQ(written->Resolution(ImageObject::kHorizontalAxis), 80);
            EXPECT_EQ(written->Resolution(ImageObject::kVerticalAxis), 80);
            // Red and green follow x and y smoothly, so even JPEG keeps them close.
            const QRgb got = written->image().pixel(40, 50);
            const QRgb want = source->image().pixel(tileLeft[t] + 40, tileTop[t] + 50);
            const int tolerance = type == ImageFileType::Jpeg ? 8 : 0;
            EXPECT_NEAR(qRed(got), qRed(want), tolerance);
            EXPECT_NEAR(qGreen(got), qGreen(want), tolerance);
            if (type != ImageFileType::Jpeg) {
                EXPECT_EQ(got, want);
            }
        }
    }
    EXPECT_EQ(listener.events.first(), "progress:Saving poster tile images...");
    EXPECT_DOUBLE_EQ(listener.progress[2], 0.5);
    EXPECT_EQ(listener.progress.back(), 1.0);
    EXPECT_EQ(listener.events.mid(listener.events.size() - 2), (QStringList{"close:now", "completed:" + folder()}));
}

TEST_F(SaveRunTest, RotatedTilesCarryTheSourceTopRightPixelTopLeft)
{
    SaveRequest saveRequest = request();
    saveRequest.layout.bTileRotated = true;
    saveRequest.layout.dTileWidth = 1.25; // swapped back to 1 x 1.25 on the image
    saveRequest.layout.dTileHeight = 1.0;
    ASSERT_EQ(run(saveRequest), SaveRunOutcome::Completed);

    const QImage first(folder() + "/tile_001.bmp");
    ASSERT_EQ(first.size(), QSize(100, 80));
    EXPECT_EQ(first.pixel(0, 0), source->image().pixel(109, 0));
    EXPECT_EQ(first.pixel(0, 79), source->image().pixel(30, 0));
    // Tile 0's height (100 pixels) across the 1.25 inch printable width.
    EXPECT_EQ(int(std::lround(first.dotsPerMeterX() * 0.0254)), 80);
}

TEST_F(SaveRunTest, CompensationBelow64PixelsPerInchIsStampedWithTheResampledDensity)
{
    SaveRequest saveRequest = request();
    saveRequest.layout.dTileWidth = 2.0; // 80 pixels over 2 inches: 40 per inch
    saveRequest.layout.dTileHeight = 2.5;
    saveRequest.layout.compensation = true;
    ASSERT_EQ(run(saveRequest), SaveRunOutcome::Completed);

    std::unique_ptr<ImageObject> written = createImageObject();
    ASSERT_TRUE(written->LoadFile(folder() + "/tile_001.bmp"));
    EXPECT_EQ(written->Width(), 128);
    EXPECT_EQ(written->Height(), 160);
    EXPECT_EQ(written->Resolution(ImageObject::kHorizontalAxis), 64);

    // Without compensation nothing is resampled and the computed density stays.
    QDir(folder()).removeRecursively();
    saveRequest.layout.compensation = false;
    ASSERT_EQ(run(saveRequest), SaveRunOutcome::Completed);
    ASSERT_TRUE(written->LoadFile(folder() + "/tile_001.bmp"));
    EXPECT_EQ(written->Width(), 80);
    EXPECT_EQ(written->Resolution(ImageObject::kHorizontalAxis), 40);
}

TEST_F(SaveRunTest, EmptyNamesWriteNumbersStraightIntoTheParent)
{
    SaveRequest saveRequest = request();
    saveRequest.baseFileName.clear();
    ASSERT_EQ(run(saveRequest), SaveRunOutcome::Completed);
    EXPECT_EQ(filesIn(folder()), tileNames("", 6, ".bmp"));

    // An empty folder name makes the existing parent the destination: asked first.
    saveRequest.newFolderName.clear();
    ASSERT_EQ(run(saveRequest), SaveRunOutcome::Completed);
    EXPECT_EQ(listener.lastTitle, "Folder Exists");
    EXPECT_EQ(filesIn(parent.path()), tileNames("", 6, ".bmp"));
}

TEST_F(SaveRunTest, ExistingFolderIsUsedOnlyAfterYes)
{
    parent.write("poster/keep.txt", "mine");
    parent.write("poster/tile_001.bmp", "old");
    for (const int answer : {7, 2}) {
        listener.answer = answer;
        EXPECT_EQ(run(request()), SaveRunOutcome::Declined);
        EXPECT_EQ(filesIn(folder()), (QStringList{"keep.txt", "tile_001.bmp"}));
    }
    EXPECT_EQ(listener.lastText, "The folder \"" + folder()
                                     + "\" already exists Some files could be overwritten.  Do you want to continue?");
    EXPECT_FALSE(listener.events.contains("message"));

    listener.answer = 6;
    ASSERT_EQ(run(request()), SaveRunOutcome::Completed);
    EXPECT_EQ(filesIn(folder()), QStringList{"keep.txt"} + tileNames("tile_", 6, ".bmp"));
    QFile kept(folder() + "/keep.txt");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "mine");
    EXPECT_EQ(QImage(folder() + "/tile_001.bmp").size(), QSize(80, 100));
}

TEST_F(SaveRunTest, FolderThatCannotBeCreatedStopsBeforeProgress)
{
    SaveRequest missingParent = request();
    missingParent.parentFolder = parent.filePath("missing");
    EXPECT_EQ(run(missingParent), SaveRunOutcome::Failed);
    EXPECT_EQ(listener.events, QStringList{"message"});
    EXPECT_EQ(listener.lastTitle, "Can not continue");
    EXPECT_EQ(listener.lastText,
              "Could not create the folder \"" + parent.filePath("missing/poster")
                  + "\" to save your poster tile images into.  Possible causes of this are that you do not have "
                    "access rights to the drive that you selected, the disk drive is full, or that you provided an "
                    "invalid folder name..  ");
    expectNothingWritten();

    // A parent nobody may write in, not even the superuser.
    SaveRequest readOnlyParent = request();
    readOnlyParent.parentFolder = "/proc";
    EXPECT_EQ(run(readOnlyParent), SaveRunOutcome::Failed);
    EXPECT_EQ(listener.lastTitle, "Can not continue");
    EXPECT_FALSE(QFileInfo::exists("/proc/poster"));
}

TEST_F(SaveRunTest, FolderNamesThatLeaveTheParentAreRefused)
{
    const QString inside = parent.filePath("inside");
    ASSERT_TRUE(QDir().mkdir(inside));
    for (const QString name : {"../escape", "a/b", "a\\b", ".."}) {
        SCOPED_TRACE(name.toStdString());
        listener.events.clear();
        SaveRequest saveRequest = request();
        saveRequest.parentFolder = inside;
        saveRequest.newFolderName = name;
        EXPECT_EQ(run(saveRequest), SaveRunOutcome::Failed);
        EXPECT_EQ(listener.events, QStringList{"message"});
        EXPECT_EQ(listener.lastTitle, "Can not continue");
    }
    EXPECT_EQ(QDir(parent.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"inside"});
    EXPECT_EQ(QDir(inside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(SaveRunTest, NamingProblemsStopAtTheFirstTile)
{
    SaveRequest escaping = request();
    escaping.baseFileName = "../tile_";
    EXPECT_EQ(run(escaping), SaveRunOutcome::Failed);
    EXPECT_EQ(listener.lastText, "Problem: " + OutputStrings::kInvalidBaseFileName);
    EXPECT_EQ(listener.lastTitle, "Error");
    EXPECT_EQ(listener.events.mid(1), (QStringList{"close:next-tick", "message"}));
    EXPECT_EQ(filesIn(parent.path()), QStringList());
    EXPECT_EQ(filesIn(folder()), QStringList()); // the empty folder stays

    QDir(folder()).removeRecursively();
    EXPECT_EQ(run(request(kNoFileTypeCode)), SaveRunOutcome::Failed);
    EXPECT_EQ(listener.lastText, "Problem: File extension not selected");
}

TEST_F(SaveRunTest, UnusableTrimsStopWithTheCompensationError)
{
    SaveRequest saveRequest = request();
    saveRequest.layout.compensation = true;
    saveRequest.layout.edgeTrimInches = {-1.0, 0.0, 0.0, 0.0};
    EXPECT_EQ(run(saveRequest), SaveRunOutcome::Failed);
    EXPECT_EQ(listener.lastText, "Error applying printer edge clipping compensation");
    EXPECT_EQ(listener.events.mid(1), (QStringList{"close:next-tick", "message"}));
    EXPECT_EQ(filesIn(folder()), QStringList());
}

TEST_F(SaveRunTest, EmptyParentIsRefusedBeforeAnyFolderIsMade)
{
    SaveRequest saveRequest = request();
    saveRequest.parentFolder.clear();
    EXPECT_EQ(run(saveRequest), SaveRunOutcome::Failed);
    EXPECT_EQ(listener.events, QStringList{"message"});
    EXPECT_EQ(listener.lastText,
              "Problem: You must select the location where the new poster tile image folder will be created");
    EXPECT_FALSE(QFileInfo::exists("/poster"));
}

TEST_F(SaveRunTest, LayoutThatCannotBeCutStopsFirst)
{
    SaveRequest badSize = request();
    badSize.layout.dTileWidth = 0.5;
    EXPECT_EQ(run(badSize), SaveRunOutcome::Failed);
    EXPECT_EQ(listener.lastText, "Error calculating tile coordinates");
    EXPECT_EQ(listener.lastTitle, "Error");

    // A layout made for a larger image than the one handed over.
    SaveRequest stale = request();
    stale.layout.lImgWidth = 3000;
    stale.layout.lImgHeight = 2000;
    EXPECT_EQ(run(stale), SaveRunOutcome::Failed);
    EXPECT_EQ(listener.lastText, "Error calculating tile coordinates");
    EXPECT_EQ(listener.events, (QStringList{"message", "message"}));
    expectNothingWritten();
}

TEST_F(SaveRunTest, FullDiskStopsBeforeTheTile)
{
    fileSystem.free = 0;
    EXPECT_EQ(run(request()), SaveRunOutcome::Failed);
    EXPECT_EQ(listener.lastText, "Not enough space on selected drive.  Can not save images.");
    EXPECT_EQ(listener.lastTitle, "Out of disk space");
    EXPECT_EQ(listener.events.mid(1), (QStringList{"message", "close:now"}));
    EXPECT_EQ(filesIn(folder()), QStringList());
}

TEST_F(SaveRunTest, FailedWriteKeepsEarlierTilesAndNoPartialFile)
{
    fileSystem.failWriteNumber = 3;
    EXPECT_EQ(run(request()), SaveRunOutcome::Failed);
    EXPECT_EQ(listener.lastText,
              "Error saving tile image file to disk.  A possible cause is that the disk is full.  Can not continue.");
    EXPECT_EQ(listener.lastTitle, "Error");
    EXPECT_EQ(listener.events.mid(listener.events.size() - 2), (QStringList{"message", "close:now"}));
    EXPECT_EQ(filesIn(folder()), tileNames("tile_", 2, ".bmp"));
}

TEST_F(SaveRunTest, CancelFinishesTheTileInHand)
{
    listener.cancelOnCall = 3;
    EXPECT_EQ(run(request()), SaveRunOutcome::Canceled);
    EXPECT_EQ(filesIn(folder()), tileNames("tile_", 3, ".bmp"));
    EXPECT_EQ(listener.lastText, "Canceled by user");
    EXPECT_EQ(listener.lastTitle, "Canceled");
    EXPECT_EQ(listener.events.mid(1), (QStringList{"close:next-tick", "message"}));
    EXPECT_EQ(listener.progress.size(), 2u);
}

TEST(SaveRunHasRoomForTile, EqualFreeSpaceIsEnoughAndUnknownSpaceNeverBlocks)
{
    ScriptedFileSystem disk;
    const QByteArray tile(100, 'x');
    disk.free = 100;
    EXPECT_TRUE(HasRoomForTile(disk, "/", tile));
    disk.free = 99;
    EXPECT_FALSE(HasRoomForTile(disk, "/", tile));
    disk.freeUnknown = true;
    EXPECT_TRUE(HasRoomForTile(disk, "/", tile));
}

TEST(FileSystemAccessLocal, FailedWriteLeavesNothingUnderTheName)
{
    TempDir dir;
    LocalFileSystem disk;
    ASSERT_TRUE(QDir().mkdir(dir.filePath("taken")));
    EXPECT_FALSE(disk.writeFile(dir.filePath("taken"), "bytes"));
    EXPECT_FALSE(disk.writeFile(dir.filePath("missing/file.bmp"), "bytes"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"taken"});

    EXPECT_TRUE(disk.createFolder(dir.filePath("new")));
    EXPECT_FALSE(disk.createFolder(dir.filePath("a/b")));
    EXPECT_TRUE(disk.folderExists(dir.filePath("new")));
    EXPECT_FALSE(disk.folderExists(dir.filePath("a")));
    EXPECT_GT(disk.freeBytes(dir.path()).value_or(1), 0);
}

} // namespace
