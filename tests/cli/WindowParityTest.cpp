#include "cli/CliProcess.h"

#include "calibration/ProfileStore.h"
#include "imaging/ImageObjectFactory.h"
#include "layout/LayoutState.h"
#include "layout/TileCoordinates.h"
#include "output/TileRenderer.h"
#include "output/TileWriter.h"
#include "output/frmSaveTiles.h"
#include "output/frmSimpleMsg.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The layout the command line below asks for, as the main window holds it.
LayoutState windowLayout(const ImageObject &image)
{
    ProfileStore profiles(QString{});
    profiles.CreateDefaultProfiles();
    LayoutState layout;
    layout.tilesWideIndex = 2;
    layout.tilesHighIndex = 1;
    layout.dPaperWidth = 8.0;
    layout.dPaperHeight = 10.0;
    layout.dTileWidth = 8.0;
    layout.dTileHeight = 10.0;
    layout.bTileRotated = true;
    layout.zoom = 50;
    layout.iHPlacement = 30;
    layout.iVPlacement = 170;
    layout.compensation = true;
    layout.edgeTrimInches = profiles.FillCurEdgeTrimInches(1); // Kodak photo lab default
    layout.bImgSelected = true;
    layout.lImgWidth = image.Width();
    layout.lImgHeight = image.Height();
    return layout;
}

} // namespace

// The command line and the window's save dialog cut the same poster into the very same
// files, and tiles encoded on several cores equal tiles encoded one after the other.
TEST(WindowParity, CommandLineTilesMatchTheWindowsByteForByte)
{
    TempDir dir;
    QImage picture(1800, 1200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / 1800, y * 255 / 1200, (x * y) % 251));
    const QString photo = dir.filePath("beach.jpg");
    ASSERT_TRUE(picture.save(photo, "jpeg"));

    const CliRun run = runCli({"--tiles", "3x2", "--custom-paper", "8x10", "--margins", "0,0,0,0", "--rotate-tiles",
                               "--zoom", "50", "--placement", "30,170", "--adjust-edges", "Kodak photo lab default",
                               "--out", dir.filePath("cli"), photo},
                              dir.filePath("home"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    std::unique_ptr<ImageObject> source = CreateImageObject();
    ASSERT_TRUE(source->LoadFile(photo));
    const LayoutState layout = windowLayout(*source);
    ScriptedMessages shown;
    QWidget mainWindow;
    frmSaveTiles *dialog = frmSaveTiles::openFromMainWindow(layout, *source, dir.path(), "beach.jpg", &mainWindow);
    ASSERT_NE(dialog, nullptr);
    dialog->txtNewFolderName->setText("window");
    dialog->cmdSaveNow->click();
    QApplication::processEvents();
    EXPECT_TRUE(shown.shown().isEmpty());
    if (auto *completion = mainWindow.findChild<frmSimpleMsg *>())
        completion->close();

    TileCoords coords;
    ASSERT_EQ(CalcTileCoord(layout, coords), 6);
    const std::optional<TileRunValues> tileRun = PrepareTileRun(layout, coords);
    ASSERT_TRUE(tileRun);
    const QStringList names = QDir(dir.filePath("window")).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(names.size(), 6);
    EXPECT_EQ(QDir(dir.filePath("cli")).entryList(QDir::Files, QDir::Name), names);
    for (int t = 0; t < 6; ++t) {
        SCOPED_TRACE(names[t].toStdString());
        const QByteArray windowBytes = contentOf(dir.filePath("window/" + names[t]));
        EXPECT_EQ(contentOf(dir.filePath("cli/" + names[t])), windowBytes);
        const RenderedTile tile = RenderTile(source->image(), coords, t, *tileRun);
        ASSERT_EQ(tile.status, RenderStatus::Ok);
        EXPECT_EQ(EncodeTile(tile.image, ImageFileType::Jpeg), std::optional<QByteArray>(windowBytes));
    }
}
