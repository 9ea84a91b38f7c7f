#include "support/CliProcess.h"

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
#include "support/ModalDriver.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

struct Poster
{
    const char *name;
    QStringList options;
    bool turnedAndCompensated;
    ImageFileType type;
};

// The layout the command line asks for, as the main window holds it.
LayoutState windowLayout(const Poster &poster, const ImageObject &image)
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
    layout.zoom = 50;
    layout.iHPlacement = 30;
    layout.iVPlacement = 170;
    layout.bTileRotated = poster.turnedAndCompensated;
    layout.compensation = poster.turnedAndCompensated;
    layout.edgeTrimInches = profiles.FillCurEdgeTrimInches(1); // Kodak photo lab default
    layout.bImgSelected = true;
    layout.lImgWidth = image.Width();
    layout.lImgHeight = image.Height();
    return layout;
}

} // namespace

// The command line and the window's save dialog cut the same poster into the very same
// files, and tiles encoded on several cores (reading the source in place where they
// can) equal tiles copied out and encoded one after the other.
TEST(WindowParity, CommandLineTilesMatchTheWindowsByteForByte)
{
    TempDir dir;
    QImage picture(1800, 1200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / 1800, y * 255 / 1200, (x * y) % 251));
    const QString photo = dir.filePath("beach.jpg");
    ASSERT_TRUE(picture.save(photo, "jpeg"));
    std::unique_ptr<ImageObject> source = createImageObject();
    ASSERT_TRUE(source->LoadFile(photo));

    const QStringList common{"--tiles", "3x2", "--custom-paper", "8x10", "--margins", "0,0,0,0",
                             "--zoom",  "50",  "--placement",    "30,170"};
    const Poster posters[] = {
        {"turned and compensated JPEG",
         common + QStringList{"--rotate-tiles", "--adjust-edges", "Kodak photo lab default"}, true,
         ImageFileType::Jpeg},
        {"plain BMP", common + QStringList{"--format", "bmp"}, false, ImageFileType::Bmp},
    };
    for (const Poster &poster : posters) {
        SCOPED_TRACE(poster.name);
        const QString cliFolder = dir.filePath(QStringLiteral("cli-%1").arg(int(poster.type)));
        const QString windowFolder = dir.filePath(QStringLiteral("window-%1").arg(int(poster.type)));
        const CliRun run = runCli(poster.options + QStringList{"--out", cliFolder, photo}, dir.filePath("home"));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

        const LayoutState layout = windowLayout(poster, *source);
        ScriptedMessages shown;
        QWidget mainWindow;
        frmSaveTiles *dialog =
            frmSaveTiles::openFromMainWindow(layout, *source, dir.path(), "beach.jpg", &mainWindow);
        ASSERT_NE(dialog, nullptr);
        control<QLineEdit>(dialog, "txtNewFolderName")->setText(QFileInfo(windowFolder).fileName());
        if (poster.type == ImageFileType::Bmp)
            control<QRadioButton>(dialog, "opbBmp")->setChecked(true);
        control<QPushButton>(dialog, "cmdSaveNow")->click();
        QApplication::processEvents();
        EXPECT_TRUE(shown.shown().isEmpty());
        if (auto *completion = mainWindow.findChild<frmSimpleMsg *>())
            completion->close();

        TileCoords coords;
        ASSERT_EQ(CalcTileCoord(layout, coords), 6);
        const std::optional<TileRunValues> tileRun = PrepareTileRun(layout, coords);
        ASSERT_TRUE(tileRun);
        const QStringList names = QDir(windowFolder).entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(names.size(), 6);
        EXPECT_EQ(QDir(cliFolder).entryList(QDir::Files, QDir::Name), names);
        for (int t = 0; t < 6; ++t) {
            SCOPED_TRACE(names[t].toStdString());
            const QByteArray windowBytes = contentOf(windowFolder + "/" + names[t]);
            EXPECT_EQ(contentOf(cliFolder + "/" + names[t]), windowBytes);
            const RenderedTile tile = RenderTile(source->image(), coords, t, *tileRun);
            ASSERT_EQ(tile.status, RenderStatus::Ok);
            EXPECT_EQ(encodeTile(tile.image, poster.type), std::optional<QByteArray>(windowBytes));
        }
    }
}
