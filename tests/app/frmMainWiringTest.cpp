#include "app/CanvasWidget.h"
#include "support/frmMainFixture.h"
#include "calibration/frmBtm.h"
#include "support/ModalDriver.h"
#include "layout/ArrowPadWidget.h"
#include "layout/frmPreview.h"
#include "output/frmSaveTiles.h"
#include "output/AssemblyAidsSettings.h"
#include "output/PrintDialogChoices.h"
#include "output/frmSimpleMsg.h"
#include "resources/SaveWindowStrings.h"
#include "support/EdgeOvershootLayouts.h"
#include "prefs/PreferenceStore.h"
#include "resources/AppStrings.h"
#include "resources/LayoutStrings.h"
#include "resources/PosterStrings.h"
#include "support/PageFiles.h"
#include "support/PopplerTools.h"
#include "support/PrintedJobs.h"
#include "support/ReportedLayouts.h"
#include "support/Watchdog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QtTest/QTest>

namespace {

const QRgb kGridColour = qRgb(255, 0, 0);

bool isGridPixel(const QImage &picture, int x, int y)
{
    return picture.pixel(x, y) == kGridColour;
}

QList<int> gridColumnsInRow(const QImage &picture, int y)
{
    QList<int> columns;
    for (int x = 0; x < picture.width(); ++x)
        if (isGridPixel(picture, x, y))
            columns.append(x);
    return columns;
}

QList<int> gridRowsInColumn(const QImage &picture, int x)
{
    QList<int> rows;
    for (int y = 0; y < picture.height(); ++y)
        if (isGridPixel(picture, x, y))
            rows.append(y);
    return rows;
}

bool hasGridPixel(const QImage &picture)
{
    for (int y = 0; y < picture.height(); ++y)
        if (!gridColumnsInRow(picture, y).isEmpty())
            return true;
    return false;
}

void sendMouse(QWidget *widget, QEvent::Type type, const QPointF &position, Qt::MouseButton button)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A panorama under the default 2 x 2 tiles: the grid fills the height and leaves room to
// move sideways.
class frmMainWiringTest : public frmMainTest
{
protected:
    frmMain &startWithPoster()
    {
        writeImage("poster.bmp", 800, 200);
        frmMain &window = start();
        openImagesFolder();
        pick("poster.bmp");
        EXPECT_TRUE(window.bImgSelected());
        return window;
    }

    QImage shownPicture() const { return control<CanvasWidget>("picCur")->picture(); }
    QString horizontalReadout() const { return control<QLabel>("lblLrValue")->text(); }
};

} // namespace

TEST_F(frmMainWiringTest, CanvasShowsTheTileGridOnlyWhileShowTilesIsTicked)
{
    frmMain &window = startWithPoster();
    const CanvasGrid grid = window.grid();
    QImage picture = shownPicture();
    ASSERT_EQ(picture.size(), window.imgDisplay().image().size());
    ASSERT_GT(grid.iGridLeft, 0);
    ASSERT_EQ(grid.iGridTop, 0);

    // Two tiles each way: the outer edges and one line between them.
    const QList<int> columns = gridColumnsInRow(picture, grid.iGridTop + grid.height() / 4);
    ASSERT_EQ(columns.size(), 3);
    EXPECT_EQ(columns.first(), grid.iGridLeft);
    EXPECT_EQ(columns.last(), grid.iGridRight);
    const QList<int> rows = gridRowsInColumn(picture, grid.iGridLeft + grid.width() / 4);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.first(), grid.iGridTop);
    EXPECT_EQ(rows.last(), grid.iGridBottom);
    EXPECT_FALSE(isGridPixel(picture, 0, grid.height() / 4));
    EXPECT_EQ(horizontalReadout(), "(center)");
    EXPECT_EQ(control<QLabel>("lblTbValue")->text(), "(full height)");

    control<QCheckBox>("chkPreviewTiles")->setChecked(false);
    picture = shownPicture();
    EXPECT_FALSE(hasGridPixel(picture));
    EXPECT_EQ(picture, window.imgDisplay().image());
    // The last drawn grid still governs the readout and dragging.
    EXPECT_EQ(window.grid(), grid);

    control<QComboBox>("cmbTilesWide")->setCurrentIndex(0);
    EXPECT_FALSE(hasGridPixel(shownPicture()));
    control<QCheckBox>("chkPreviewTiles")->setChecked(true);
    EXPECT_EQ(gridColumnsInRow(shownPicture(), window.grid().iGridTop + 1).size(), 2);
    EXPECT_TRUE(m_messages.shown().isEmpty());
}

TEST_F(frmMainWiringTest, TileSizeThatTurnsInvalidUnticksShowTilesWithOneWarning)
{
    frmMain &window = startWithPoster();
    window.setNewTileVals("Tiny", Units::Inches, 0.5, 0.5, 0.5, 0.5, "|tiny|");
    ASSERT_EQ(m_messages.shown().size(), 1);
    EXPECT_EQ(m_messages.last().title, "Invalid Tile Print Size Entered");
    EXPECT_FALSE(control<QCheckBox>("chkPreviewTiles")->isChecked());
    EXPECT_FALSE(hasGridPixel(shownPicture()));

    control<QComboBox>("cmbTilesWide")->setCurrentIndex(3);
    EXPECT_EQ(m_messages.shown().size(), 1);
}

TEST_F(frmMainWiringTest, LockedTileCountsFollowEachOtherOnTheCanvas)
{
    frmMain &window = startWithPoster();
    control<QCheckBox>("chkLockWh")->setChecked(true);
    control<QComboBox>("cmbTilesWide")->setCurrentIndex(2);
    EXPECT_EQ(control<QComboBox>("cmbTilesHigh")->currentIndex(), 2);
    EXPECT_EQ(window.layout().tilesHigh(), 3);
    EXPECT_EQ(gridColumnsInRow(shownPicture(), window.grid().iGridTop + 1).size(), 4);
    EXPECT_EQ(prefs().GetPref(kPrefNumTiles), "w02h02");

    control<QComboBox>("cmbTilesHigh")->setCurrentIndex(0);
    EXPECT_EQ(control<QComboBox>("cmbTilesWide")->currentIndex(), 0);
    EXPECT_EQ(window.layout().tilesWide(), 1);
    EXPECT_EQ(prefs().GetPref(kPrefNumTiles), "w00h00");
}

TEST_F(frmMainWiringTest, ImageRotationTurnsTheLoadedImageAndRefitsTheCanvas)
{
    frmMain &window = startWithPoster();
    auto *rotate = control<QComboBox>("cmbRotate");
    rotate->setCurrentIndex(1);
    Q_EMIT rotate->activated(1);
    EXPECT_EQ(window.layout().iImgRotation, 90);
    EXPECT_EQ(window.img().Width(), 200);
    EXPECT_EQ(window.layout().lImgWidth, 200);
    EXPECT_EQ(window.layout().lImgHeight, 800);
    EXPECT_GT(window.imgDisplay().Height(), window.imgDisplay().Width());
    EXPECT_TRUE(hasGridPixel(shownPicture()));
}

TEST_F(frmMainWiringTest, HeldRightArrowStepsThePlacementUntilReleased)
{
    frmMain &window = startWithPoster();
    auto *pad = m_window->findChild<ArrowPadWidget *>();
    ASSERT_NE(pad, nullptr);
    const int leftBefore = window.grid().iGridLeft;

    sendMouse(pad, QEvent::MouseButtonPress, QPointF(pad->width() * 0.9, pad->height() * 0.5), Qt::LeftButton);
    EXPECT_EQ(pad->direction(), ArrowDirection::Right);
    EXPECT_TRUE(pad->timer()->isActive());
    EXPECT_EQ(pad->timer()->interval(), 250);

    Q_EMIT pad->stepDue();
    EXPECT_EQ(window.layout().iHPlacement, 101);
    Q_EMIT pad->stepDue();
    EXPECT_EQ(window.layout().iHPlacement, 103);
    EXPECT_EQ(horizontalReadout(), "(right 3%)");
    EXPECT_GT(window.grid().iGridLeft, leftBefore);
    EXPECT_EQ(gridColumnsInRow(shownPicture(), 1).first(), window.grid().iGridLeft);

    sendMouse(pad, QEvent::MouseButtonRelease, QPointF(pad->width() * 0.9, pad->height() * 0.5), Qt::LeftButton);
    EXPECT_EQ(pad->direction(), ArrowDirection::None);
    EXPECT_FALSE(pad->timer()->isActive());

    // The grid fills the height: the down arrow has nothing to move.
    sendMouse(pad, QEvent::MouseButtonPress, QPointF(pad->width() * 0.5, pad->height() * 0.9), Qt::LeftButton);
    Q_EMIT pad->stepDue();
    EXPECT_EQ(window.layout().iVPlacement, 100);
    EXPECT_EQ(control<QLabel>("lblTbValue")->text(), "(full height)");
    m_window->close();
    EXPECT_FALSE(pad->timer()->isActive());
}

TEST_F(frmMainWiringTest, DraggingTheGridCarriesItToTheEdgeAndLeavingTheCanvasEndsTheDrag)
{
    frmMain &window = startWithPoster();
    auto *canvas = control<CanvasWidget>("picCur");
    const CanvasGrid grid = window.grid();
    const int spareWidth = window.imgDisplay().Width() - grid.width();
    ASSERT_GT(spareWidth, 20);
    const QPointF middle((grid.iGridLeft + grid.iGridRight) / 2, (grid.iGridTop + grid.iGridBottom) / 2);

    Q_EMIT canvas->pressed(middle, Qt::RightButton);
    EXPECT_FALSE(window.bCanvasDrag());

    Q_EMIT canvas->pressed(middle, Qt::LeftButton);
    EXPECT_TRUE(window.bCanvasDrag());
    EXPECT_EQ(canvas->cursor().shape(), Qt::SizeAllCursor);
    // Half the spare width from the centre reaches the right edge; further stays there.
    Q_EMIT canvas->moved(middle + QPointF(spareWidth, 0));
    EXPECT_EQ(window.layout().iHPlacement, 200);
    EXPECT_EQ(horizontalReadout(), "(right 100%)");
    EXPECT_GE(window.grid().iGridRight, window.imgDisplay().Width() - 2);
    Q_EMIT canvas->released(middle + QPointF(spareWidth, 0), Qt::LeftButton);
    EXPECT_FALSE(window.bCanvasDrag());

    const CanvasGrid atRight = window.grid();
    const QPointF grab((atRight.iGridLeft + atRight.iGridRight) / 2, 10);
    Q_EMIT canvas->pressed(grab, Qt::LeftButton);
    Q_EMIT canvas->moved(grab - QPointF(spareWidth / 4.0, 0));
    EXPECT_EQ(window.layout().iHPlacement, 150);
    sendMouse(m_window->centralWidget(), QEvent::MouseMove, QPointF(1, 1), Qt::NoButton);
    EXPECT_FALSE(window.bCanvasDrag());
    Q_EMIT canvas->moved(grab - QPointF(spareWidth, 0));
    EXPECT_EQ(window.layout().iHPlacement, 150);
    EXPECT_EQ(horizontalReadout(), "(right 50%)");
}

TEST_F(frmMainWiringTest, PreviewOpensThePosterPreviewWithItsGrid)
{
    startWithPoster();
    control<QPushButton>("cmdLargePreview")->click();
    auto *preview = m_window->findChild<frmPreview *>();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), "Poster Preview");
    const QImage picture = preview->picture();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixel(0, 0), kGridColour);
    EXPECT_EQ(picture.pixel(picture.width() / 2, picture.height() / 4), kGridColour);
    EXPECT_NE(picture.pixel(picture.width() / 4, picture.height() / 4), kGridColour);
    EXPECT_EQ(m_window->cursor().shape(), Qt::ArrowCursor);
    preview->close();
}

TEST_F(frmMainWiringTest, SaveOpensTheDialogWithSuggestedNamesAndWritesEveryTile)
{
    frmMain &window = startWithPoster();
    // A filter that hides the loaded file still saves the loaded image under its name.
    control<QComboBox>("cmbFileType")->setCurrentIndex(2);
    ASSERT_TRUE(fileList().isEmpty());
    ASSERT_TRUE(window.bImgSelected());

    control<QPushButton>("cmdSaveNow")->click();
    ASSERT_TRUE(m_messages.shown().isEmpty());
    auto *dialog = m_window->findChild<frmSaveTiles *>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(::control<QLineEdit>(dialog, "txtBaseFileName")->text(), "poster_");
    EXPECT_EQ(::control<QLineEdit>(dialog, "txtNewFolderName")->text(), "poster_poster_images");
    EXPECT_TRUE(::control<QRadioButton>(dialog, "opbBmp")->isChecked());
    EXPECT_EQ(dialog->dirTilePath(), m_images);

    ::control<QPushButton>(dialog, "cmdSaveNow")->click();
    const QDir tiles(QDir(m_images).filePath("poster_poster_images"));
    EXPECT_EQ(tiles.entryList(QDir::Files, QDir::Name),
              (QStringList{"poster_001.bmp", "poster_002.bmp", "poster_003.bmp", "poster_004.bmp"}));
    EXPECT_FALSE(QImage(tiles.filePath("poster_004.bmp")).isNull());
}

// Kept whole, an 800 x 200 picture on 2 x 2 sheets of 6 x 4 inches (12 x 8 inches in
// all) spans the grid's width; moved up, it leaves the lower sheets blank, which are not
// saved, and the sheets it reaches are white below it.
TEST_F(frmMainWiringTest, TheWholePictureMovesInsideTheGridAndLeavesBlankSheetsOut)
{
    startWithPoster();
    const auto text = [this](const char *label) { return control<QLabel>(label)->text(); };
    control<QComboBox>("cmbFit")->setCurrentIndex(1);
    EXPECT_FALSE(control<QScrollBar>("scrZoom")->isEnabled());
    EXPECT_EQ(text("lblFinalSize"), "12.00 x 3.00 inches");
    EXPECT_EQ(text("lblSheets"), "4");
    EXPECT_EQ(text("lblTbValue"), "(" + AppStrings::kCenter + ")");

    for (int step = 0; step < kCentredPlacement; ++step)
        QTest::keyClick(control<QWidget>("imgArrowPad"), Qt::Key_Up);
    EXPECT_EQ(text("lblTbValue"), "(" + AppStrings::kUp + " 100%)");
    EXPECT_EQ(text("lblSheets"), LayoutStrings::sheetsUsedText(2, 4));
    EXPECT_EQ(PreferenceStore(settingsPath()).GetPref(kPrefWholePicture), "1");
    // The canvas shows the grid's paper: the picture above, the lower sheets grey.
    const QImage canvas = shownPicture();
    EXPECT_EQ(canvas.pixel(canvas.width() / 4, canvas.height() / 8), QColor(Qt::darkCyan).rgb());
    EXPECT_EQ(canvas.pixel(canvas.width() / 4, canvas.height() * 3 / 4), qRgb(200, 200, 200));

    control<QPushButton>("cmdSaveNow")->click();
    auto *dialog = m_window->findChild<frmSaveTiles *>();
    ASSERT_NE(dialog, nullptr);
    ::control<QPushButton>(dialog, "cmdSaveNow")->click();
    const QDir tiles(QDir(m_images).filePath("poster_poster_images"));
    ASSERT_EQ(tiles.entryList(QDir::Files, QDir::Name), (QStringList{"poster_001.bmp", "poster_002.bmp"}));
    const QImage first(tiles.filePath("poster_001.bmp"));
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.pixel(0, 0), QColor(Qt::darkCyan).rgb());
    EXPECT_EQ(first.pixel(0, first.height() - 1), qRgb(255, 255, 255));
}

TEST_F(frmMainWiringTest, EditOpensCalibrationOnTheActiveProfileAndTheMainListFollows)
{
    start();
    auto *profiles = control<QComboBox>("cmbCurBtm");
    profiles->setCurrentIndex(1);
    const QString untouched = profiles->itemText(0);

    int selectedRow = -1;
    m_messages.queueInputOk("Renamed");
    m_messages.queueInputOk("Studio printer");
    whenModalShown<frmBtm>([&selectedRow](frmBtm *dialog) {
        selectedRow = ::control<QListWidget>(dialog, "lstConfigurations")->currentRow();
        dialog->cmdRename_Click();
        dialog->cmdNew_Click();
        dialog->cmdOk_Click();
    });
    control<QPushButton>("cmdConfig")->click();

    EXPECT_EQ(selectedRow, 1);
    ASSERT_EQ(profiles->count(), 4);
    EXPECT_EQ(profiles->itemText(0), untouched);
    EXPECT_EQ(profiles->itemText(1), "Renamed");
    EXPECT_EQ(profiles->itemText(3), "Studio printer");
    EXPECT_EQ(profiles->currentIndex(), 1);
    EXPECT_EQ(prefs().GetPref(kPrefEdgeAdjust), "0_01");
}

TEST_F(frmMainWiringTest, EdgesChangedFromTheMenuReachTheReportAndTheStepText)
{
    frmMain &window = startWithPoster();
    window.setNewTileVals("A4", Units::Millimetres, 186, 273, 210, 297, "|1|A4|");
    auto *adjust = control<QCheckBox>("chkPrinterClips");
    adjust->setChecked(true);
    m_messages.clearShown();
    const QString sizeBefore = control<QLabel>("lblFinalSize")->text();

    QString stepText;
    whenModalShown<frmBtm>([&stepText](frmBtm *dialog) {
        stepText = ::control<QLabel>(dialog, "lblStep1Desc")->text();
        ::control<QComboBox>(dialog, "cmbTopEdge")->setCurrentIndex(16);
        ::control<QComboBox>(dialog, "cmbLeftEdge")->setCurrentIndex(16);
        dialog->close();
    });
    m_window->findChild<QAction *>("mnuEdgeClip")->trigger();

    EXPECT_TRUE(stepText.contains("1.59 mm"));
    EXPECT_NE(control<QLabel>("lblFinalSize")->text(), sizeBefore);
    EXPECT_EQ(window.profileStore().profiles().at(0).trimIndex[0], 16);
    EXPECT_TRUE(m_messages.shown().isEmpty());
}

TEST_F(frmMainWiringTest, LayoutsEndingOnePixelPastTheImageSaveEveryTileFromTheImagesOwnPixels)
{
    for (const EdgeOvershootLayout &layout : edgeOvershootLayouts()) {
        SCOPED_TRACE(layout.name);
        storeSettings({{"prefs_numTiles", layout.numTilesValue}, {"paperRegLine", layout.paperRecord}});
        const QImage picture = edgeOvershootPicture(layout.image);
        const QString name = QString::fromLatin1(layout.name) + ".bmp";
        ASSERT_TRUE(picture.save(QDir(m_images).filePath(name), "BMP"));
        frmMain &window = start();
        openImagesFolder();
        pick(name);
        control<QScrollBar>("scrZoom")->setValue(layout.zoom);
        if (layout.hPlacement != 100) {
            auto *canvas = control<CanvasWidget>("picCur");
            const CanvasGrid grid = window.grid();
            const QPointF middle((grid.iGridLeft + grid.iGridRight) / 2, (grid.iGridTop + grid.iGridBottom) / 2);
            Q_EMIT canvas->pressed(middle, Qt::LeftButton);
            Q_EMIT canvas->moved(middle + QPointF(window.imgDisplay().Width(), 0));
            Q_EMIT canvas->released(middle + QPointF(window.imgDisplay().Width(), 0), Qt::LeftButton);
        }
        ASSERT_EQ(window.layout().iHPlacement, layout.hPlacement);
        ASSERT_TRUE(actionsEnabled());

        control<QPushButton>("cmdSaveNow")->click();
        auto *dialog = m_window->findChild<frmSaveTiles *>();
        ASSERT_NE(dialog, nullptr);
        ::control<QPushButton>(dialog, "cmdSaveNow")->click();
        EXPECT_TRUE(m_messages.shown().isEmpty());

        const QDir tiles(QDir(m_images).filePath(::control<QLineEdit>(dialog, "txtNewFolderName")->text()));
        const QStringList written = tiles.entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(written.size(), layout.lastTileNumber);
        const QImage lastTile(tiles.filePath(written.last()));
        EXPECT_EQ(lastTile.convertToFormat(QImage::Format_RGB32), picture.copy(layout.lastTile));
        m_window.reset();
    }
}

TEST_F(frmMainWiringTest, ReportedLayoutsSaveEveryTileAtOneSize)
{
    for (const ReportedLayout &layout : reportedLayouts()) {
        SCOPED_TRACE(layout.name);
        const Watchdog watchdog(std::chrono::seconds(120), layout.name);
        storeSettings({{"prefs_numTiles", layout.numTilesValue},
                       {"paperRegLine", layout.paperRecord},
                       {"prefs_edgeAdjust", "1_00"}});
        m_scratch.write("printer_edge_config", layout.profileLine);
        const QString name = layout.imageFileName();
        writeImage(name, layout.image.width(), layout.image.height(), layout.imageFormat);
        frmMain &window = start();
        window.setQuickLoadFromPixels(1); // a JPEG's tiles are cut band by band from its file
        openImagesFolder();
        pick(name);
        control<QScrollBar>("scrZoom")->setValue(layout.zoom);
        control<QCheckBox>("chkRotateTiles")->setChecked(layout.rotateTiles);
        if (layout.vPlacement != 100) {
            auto *canvas = control<CanvasWidget>("picCur");
            const CanvasGrid grid = window.grid();
            const QPointF middle((grid.iGridLeft + grid.iGridRight) / 2, (grid.iGridTop + grid.iGridBottom) / 2);
            const QPointF down(0, window.imgDisplay().Height());
            Q_EMIT canvas->pressed(middle, Qt::LeftButton);
            Q_EMIT canvas->moved(middle + down);
            Q_EMIT canvas->released(middle + down, Qt::LeftButton);
        }
        ASSERT_EQ(window.layout().iVPlacement, layout.vPlacement);
        ASSERT_TRUE(window.layout().compensation);

        control<QPushButton>("cmdSaveNow")->click();
        auto *dialog = m_window->findChild<frmSaveTiles *>();
        ASSERT_NE(dialog, nullptr);
        ::control<QRadioButton>(dialog, layout.format == "bmp" ? "opbBmp" : "opbJpg")->click();
        ::control<QPushButton>(dialog, "cmdSaveNow")->click();
        EXPECT_TRUE(m_messages.shown().isEmpty());

        const QDir tiles(QDir(m_images).filePath(::control<QLineEdit>(dialog, "txtNewFolderName")->text()));
        const QStringList written = tiles.entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(written.size(), layout.tileCount);
        const QSize first = QImage(tiles.filePath(written.first())).size();
        for (const QString &file : written)
            EXPECT_EQ(QImage(tiles.filePath(file)).size(), first) << file.toStdString();
        m_window.reset();
    }
}

TEST_F(frmMainWiringTest, PickingAnotherPictureClosesASaveDialogLeftOpen)
{
    startWithPoster();
    writeImage("beach.bmp", 800, 200);
    control<QPushButton>("cmdSaveNow")->click();
    QPointer<frmSaveTiles> dialog = m_window->findChild<frmSaveTiles *>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(::control<QLineEdit>(dialog.data(), "txtBaseFileName")->text(), "poster_");

    control<FolderListWidget>("Dir1")->setPath(m_images);
    pick("beach.bmp");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());

    control<QPushButton>("cmdSaveNow")->click();
    auto *fresh = m_window->findChild<frmSaveTiles *>();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(::control<QLineEdit>(fresh, "txtBaseFileName")->text(), "beach_");
}

// The PDF poster goes straight into the chosen folder, says so on its button and when it
// is done, and stays chosen, with its aids, for the next save.
TEST_F(frmMainWiringTest, SaveDialogWritesAPdfPosterWithTheAssemblyAidsItRemembers)
{
    startWithPoster();
    control<QPushButton>("cmdSaveNow")->click();
    auto *dialog = m_window->findChild<frmSaveTiles *>();
    ASSERT_NE(dialog, nullptr);
    auto *aids = ::control<QGroupBox>(dialog, "fraAssemblyAids");
    EXPECT_FALSE(aids->isVisibleTo(dialog));
    ::control<QRadioButton>(dialog, "opbPdf")->setChecked(true);
    EXPECT_TRUE(aids->isVisibleTo(dialog));
    EXPECT_FALSE(::control<QLineEdit>(dialog, "txtNewFolderName")->isEnabled());
    EXPECT_EQ(::control<QPushButton>(dialog, "cmdSaveNow")->text(), SaveWindowStrings::kSavePosterNowCaption);
    ::control<QCheckBox>(dialog, "chkAssemblyPage")->setChecked(false);
    ::control<QPushButton>(dialog, "cmdSaveNow")->click();

    const QString pdf = QDir(m_images).filePath("poster_poster.pdf");
    EXPECT_TRUE(m_messages.shown().isEmpty()) << (m_messages.shown().isEmpty() ? "" : m_messages.shown().first().text.toStdString());
    EXPECT_EQ(poppler::pageBoxes(pdf).size(), 4) << "four sheets, no assembly page";
    EXPECT_EQ(readAssemblyAids(prefs()).assemblyPage, false);
    auto *completion = m_window->findChild<frmSimpleMsg *>();
    ASSERT_NE(completion, nullptr);
    EXPECT_EQ(::control<QLabel>(completion, "lblTitle")->text(), SaveWindowStrings::kPosterSavedTitle);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    control<QPushButton>("cmdSaveNow")->click();
    auto *again = m_window->findChild<frmSaveTiles *>();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(::control<QRadioButton>(again, "opbPdf")->isChecked());
    EXPECT_FALSE(::control<QCheckBox>(again, "chkAssemblyPage")->isChecked());
    // The labels stay chosen; their box is ticked where this poster's margins hold them.
    EXPECT_TRUE(readAssemblyAids(prefs()).labels);
    auto *labels = ::control<QCheckBox>(again, "chkLabels");
    EXPECT_EQ(labels->isChecked(), labels->isEnabled());

    // The poster there already is replaced only when the person says so.
    m_messages.queueQuestionAnswer(kAnswerNo);
    ::control<QPushButton>(again, "cmdSaveNow")->click();
    EXPECT_EQ(m_messages.last().text.toStdString(), PosterStrings::replacePosterQuestion(pdf).toStdString());
}

TEST_F(frmMainWiringTest, PrintSendsThePosterToTheChosenQueueAtFullSize)
{
    const QString queue = printed_jobs::printQueue();
    if (queue.isEmpty())
        GTEST_SKIP() << "no print queue (scripts/print-queue.sh makes one)";
    writeImage("printme.bmp", 800, 200);
    start();
    openImagesFolder();
    pick("printme.bmp");
    auto *print = m_window->findChild<QAction *>("mnuPrint");
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(print->isEnabled());

    m_messages.queuePrinter(QString()); // the dialog cancelled
    print->trigger();
    EXPECT_EQ(m_messages.last().kind, ShownDialog::Kind::File);
    EXPECT_EQ(m_messages.last().text, printPageGuide(2, 2, true, [](int) { return true; }));

    // Two pages on a sheet or two-sided printing chosen in the dialog are refused.
    for (const ScriptedMessages::PrinterChoice &breaking :
         {ScriptedMessages::PrinterChoice{queue, 1, 0, 0, 2, false}, ScriptedMessages::PrinterChoice{queue, 1, 0, 0, 1, true}}) {
        SCOPED_TRACE(breaking.twoSided ? "two-sided" : "two pages per sheet");
        m_messages.queuePrinter(breaking);
        print->trigger();
        EXPECT_EQ(m_messages.last().text.toStdString(), PosterStrings::kOnePagePerSheetOneSided.toStdString());
    }

    // A queue whose defaults are two-sided, two pages per sheet and landscape prints the
    // poster as the plain one does.
    for (const QString &chosen : {queue, printed_jobs::hostilePrintQueue()}) {
        SCOPED_TRACE(chosen.toStdString());
        m_messages.queueQuestionAnswer(kAnswerYes); // should the queue clip an edge
        m_messages.queuePrinter(chosen);
        print->trigger();
        EXPECT_TRUE(m_messages.last().text.startsWith("Sent to printer " + chosen)) << m_messages.last().text.toStdString();
        const QString printed = printed_jobs::printedPdf("printme_");
        ASSERT_FALSE(printed.isEmpty());
        const QList<QSizeF> pages = poppler::pageBoxes(printed);
        EXPECT_EQ(pages.size(), 5); // the assembly page and the default 2 x 2 sheets
        for (const QSizeF &page : pages)
            EXPECT_EQ(page, QSizeF(432, 288)) << "the built-in 6 x 4 inch photo paper, landscape as stored";
        QFile::remove(printed);
    }

    // The dialog's page range and copies apply: page 3 is sheet A2, after the assembly page.
    m_messages.queueQuestionAnswer(kAnswerYes);
    m_messages.queuePrinter(ScriptedMessages::PrinterChoice{queue, 2, 3, 3});
    print->trigger();
    const QString printedAgain = printed_jobs::printedPdf("printme_");
    EXPECT_EQ(poppler::pageBoxes(printedAgain).size(), 1);
    EXPECT_EQ(printed_jobs::jobCopies(printed_jobs::jobNumberIn(m_messages.last().text)), 2);
    QFile::remove(printedAgain);

    // A jammed printer is named with its reason before any of the poster is made.
    m_messages.queuePrinter(queue + "Jammed");
    print->trigger();
    EXPECT_EQ(m_messages.last().text, PosterStrings::printerStoppedText(queue + "Jammed") + " - paper jam");
}

// A PDF of two pages opens at its first page with the page chooser and the resolution box
// shown; the report says the poster is drawn from vectors at the resolution chosen, which
// is stored; the second page, a turn and the preview all draw the page; the save writes
// its tiles at that resolution. A picture hides the page controls again.
TEST_F(frmMainWiringTest, APdfPageIsChosenTurnedPreviewedAndSavedAtTheResolutionChosen)
{
    ASSERT_TRUE(test_pages::writePdf(QDir(m_images).filePath("map.pdf"), QSizeF(576, 432), 2));
    writeImage("photo.bmp", 300, 200);
    frmMain &window = start();
    openImagesFolder();
    pick("map.pdf");
    ASSERT_TRUE(window.bImgSelected());
    auto *page = control<QSpinBox>("spnPage");
    auto *resolution = control<QSpinBox>("spnPageResolution");
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(page->maximum(), 2);
    EXPECT_EQ(page->suffix(), AppStrings::pageOfSuffix(2));
    EXPECT_TRUE(resolution->isVisible());
    EXPECT_TRUE(test_pages::isMarkRed(shownPicture().pixel(shownPicture().width() / 10, 2)));

    resolution->setValue(150);
    EXPECT_EQ(control<QLabel>("lblResolution")->text(), LayoutStrings::drawnFromVectorsText("150.0 dpi"));
    EXPECT_EQ(prefs().GetPref(kPrefPageResolution), "150");

    page->setValue(2);
    EXPECT_TRUE(window.bImgSelected());
    EXPECT_FALSE(test_pages::isMarkRed(shownPicture().pixel(shownPicture().width() / 10, 2)));
    page->setValue(1);
    control<QComboBox>("cmbRotate")->setCurrentIndex(1);
    Q_EMIT control<QComboBox>("cmbRotate")->activated(1);
    EXPECT_TRUE(test_pages::isMarkRed(shownPicture().pixel(shownPicture().width() * 9 / 10, 2)));
    EXPECT_EQ(page->value(), 1);

    control<QPushButton>("cmdLargePreview")->click();
    auto *preview = m_window->findChild<frmPreview *>();
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(preview->picture().isNull());
    preview->close();

    control<QPushButton>("cmdSaveNow")->click();
    auto *dialog = m_window->findChild<frmSaveTiles *>();
    ASSERT_NE(dialog, nullptr);
    ::control<QPushButton>(dialog, "cmdSaveNow")->click();
    const QDir tiles(QDir(m_images).filePath(::control<QLineEdit>(dialog, "txtNewFolderName")->text()));
    const QStringList saved = tiles.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_EQ(std::lround(QImage(tiles.filePath(saved.first())).dotsPerMeterX() * 0.0254), 150);

    pick("photo.bmp");
    EXPECT_FALSE(page->isVisible());
    EXPECT_FALSE(resolution->isVisible());
}
