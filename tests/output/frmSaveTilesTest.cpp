#include "output/frmSaveTiles.h"
#include "common/AccessKeys.h"

#include "browser/FolderListWidget.h"
#include "imaging/ImageObjectFactory.h"
#include "layout/LayoutState.h"
#include "output/frmMsg.h"
#include "output/frmSimpleMsg.h"
#include "resources/PosterStrings.h"
#include "support/LayoutTestStates.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

class frmSaveTilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(source);
        ASSERT_TRUE(source->NewImage(300, 200, 0x3080c0));
    }

    frmSaveTiles *open(const QString &fileName)
    {
        return frmSaveTiles::openFromMainWindow(layout, *source, pictures.path(), fileName, &mainWindow,
                                                PreferenceStore(settings.filePath("Quiltera.json")));
    }

    frmSimpleMsg *completionWindow() const { return mainWindow.findChild<frmSimpleMsg *>(); }

    ScriptedMessages shown;
    QWidget mainWindow;
    LayoutState layout = layout3x2();
    std::unique_ptr<ImageObject> source = createImageObject();
    TempDir pictures;
    TempDir settings; // each test's own, so that no choice one stores reaches the next
};

} // namespace

TEST_F(frmSaveTilesTest, CaptionsAndToolTips)
{
    frmSaveTiles *dialog = open(QStringLiteral("beach.jpg"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Poster Image Files"));
    EXPECT_EQ(control<QGroupBox>(dialog, "fraFileFormat")->title(), QStringLiteral("File Type"));
    EXPECT_EQ(control<QGroupBox>(dialog, "fraFileFormat")->toolTip(),
              QStringLiteral("Image file format that your poster tile images will be saved as"));
    EXPECT_EQ(withoutAccessKey(control<QRadioButton>(dialog, "opbBmp")->text()), QStringLiteral("Bitmap (.bmp)"));
    EXPECT_EQ(withoutAccessKey(control<QRadioButton>(dialog, "opbTif")->text()), QStringLiteral("Tiff (.tif)"));
    EXPECT_EQ(withoutAccessKey(control<QRadioButton>(dialog, "opbJpg")->text()), QStringLiteral("Jpeg (.jpg)"));
    EXPECT_EQ(withoutAccessKey(control<QPushButton>(dialog, "cmdClose")->text()), QStringLiteral("close"));
    EXPECT_EQ(control<QPushButton>(dialog, "cmdClose")->toolTip(),
              QStringLiteral("Close this dialog without generating or saving your poster Tile images"));
    EXPECT_EQ(withoutAccessKey(control<QPushButton>(dialog, "cmdSaveNow")->text()), QStringLiteral("Save Images Now"));
    EXPECT_EQ(control<QPushButton>(dialog, "cmdSaveNow")->toolTip(),
              QStringLiteral("Click here to generate and save your poster Tile images now"));
    EXPECT_EQ(control<QGroupBox>(dialog, "fraNewName")->title(), QStringLiteral("File Save Info"));
    EXPECT_EQ(control<QLineEdit>(dialog, "txtBaseFileName")->toolTip(),
              QStringLiteral("Base name that will be used to name your poster tile image files"));
    EXPECT_EQ(control<QLineEdit>(dialog, "txtNewFolderName")->toolTip(),
              QStringLiteral("Name of the new folder to be created to hold your poster tile images"));
    EXPECT_EQ(control<QLabel>(dialog, "Label2")->text(), QStringLiteral("Base Filename:"));
    EXPECT_EQ(control<QLabel>(dialog, "Label1")->text(), QStringLiteral("New Folder Name:"));
    EXPECT_EQ(dialog->dirTile->toolTip(),
              QStringLiteral("Select folder where you want the new subfolder to be created which will "
                             "contain your poster tile images"));
    EXPECT_EQ(control<QComboBox>(dialog, "drvTile")->toolTip(), QStringLiteral("Select current drive"));
    EXPECT_EQ(control<QLabel>(dialog, "Label3")->text(), QStringLiteral("Files currently set to be saved in"));
    EXPECT_EQ(control<QLabel>(dialog, "Label5")->text(), QStringLiteral("Step (2) Click to Save Files Now"));
    EXPECT_EQ(control<QLabel>(dialog, "Label4")->text(), QStringLiteral("Step (1) Select File Preferences for Poster Images"));
    EXPECT_EQ(control<QLabel>(dialog, "lblDir")->text(), QStringLiteral("New Folder Location"));
    dialog->close();
}

TEST_F(frmSaveTilesTest, EntrySuggestsNamesAndFormatFromTheSelectedFile)
{
    frmSaveTiles *dialog = open(QStringLiteral("IMG_0042.JPG"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(shown.shown().isEmpty());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(control<QLineEdit>(dialog, "txtBaseFileName")->text(), QStringLiteral("IMG_0042_"));
    EXPECT_EQ(control<QLineEdit>(dialog, "txtNewFolderName")->text(), QStringLiteral("IMG_0042_poster_images"));
    EXPECT_TRUE(control<QRadioButton>(dialog, "opbJpg")->isChecked());
    EXPECT_EQ(dialog->dirTilePath(), pictures.path());
    EXPECT_EQ(control<QLabel>(dialog, "lblPath")->text().remove('\n'), pictures.path() + QStringLiteral("/IMG_0042_poster_images/"));

    // Opening again replaces the dialog with a fresh one.
    control<QLineEdit>(dialog, "txtBaseFileName")->setText(QStringLiteral("edited"));
    QPointer<frmSaveTiles> first = dialog;
    frmSaveTiles *second = open(QStringLiteral("scan.bmp"));
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(first && first->isVisible());
    EXPECT_EQ(control<QLineEdit>(second, "txtBaseFileName")->text(), QStringLiteral("scan_"));
    EXPECT_TRUE(control<QRadioButton>(second, "opbBmp")->isChecked());
    EXPECT_EQ(second->selectedFileTypeCode(), 6);
    second->close();
}

TEST_F(frmSaveTilesTest, EntryRefusalsAreShownAndNoDialogOpens)
{
    struct Refusal
    {
        QString fileName;
        QString text;
        QString title;
    };
    const Refusal refusals[] = {
        {"scan.jpeg", "Unable to save - invalid image file type", "Error"},
        {"a.png", "Unable to save - invalid image file type", "Error"},
        {"x.jp", "Invalid file chosen.  Can not continue.", "Problem"},
        {"", "Invalid file chosen.  Can not continue.", "Problem"},
    };
    for (const Refusal &refusal : refusals) {
        SCOPED_TRACE(refusal.fileName.toStdString());
        shown.clearShown();
        EXPECT_EQ(open(refusal.fileName), nullptr);
        ASSERT_EQ(shown.shown().size(), 1);
        EXPECT_EQ(shown.last().text, refusal.text);
        EXPECT_EQ(shown.last().title, refusal.title);
        EXPECT_EQ(shown.last().icon, MessageIcon::Critical);
    }

    shown.clearShown();
    layout.dTileWidth = 0.5;
    EXPECT_EQ(open(QStringLiteral("beach.jpg")), nullptr);
    EXPECT_EQ(shown.last().title, QStringLiteral("Invalid Tile Print Size Entered"));

    shown.clearShown();
    layout = layout3x2();
    layout.lImgHeight = 0;
    EXPECT_EQ(open(QStringLiteral("beach.jpg")), nullptr);
    EXPECT_EQ(shown.last().text, QStringLiteral("Invalid image/tile information.  Can not continue."));
    EXPECT_EQ(shown.last().title, QStringLiteral("Can Not Continue"));

    EXPECT_EQ(mainWindow.findChild<frmSaveTiles *>(), nullptr);
}

TEST_F(frmSaveTilesTest, DestinationLabelFollowsFolderAndName)
{
    QDir(pictures.path()).mkdir(QStringLiteral("sub"));
    frmSaveTiles *dialog = open(QStringLiteral("beach.tif"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(control<QRadioButton>(dialog, "opbTif")->isChecked());

    control<QLineEdit>(dialog, "txtNewFolderName")->setText(QStringLiteral("cards"));
    EXPECT_EQ(control<QLabel>(dialog, "lblPath")->text().remove('\n'), pictures.path() + QStringLiteral("/cards/"));

    // An empty name puts the tiles straight into the parent, shown with one separator.
    control<QLineEdit>(dialog, "txtNewFolderName")->clear();
    EXPECT_EQ(control<QLabel>(dialog, "lblPath")->text().remove('\n'), pictures.path() + QStringLiteral("/"));

    ASSERT_TRUE(dialog->dirTile->setPath(pictures.filePath(QStringLiteral("sub"))));
    EXPECT_EQ(control<QLabel>(dialog, "lblPath")->text().remove('\n'), pictures.filePath(QStringLiteral("sub")) + QStringLiteral("/"));

    // Long destinations are broken into lines, never with a CR left over.
    control<QLineEdit>(dialog, "txtNewFolderName")->setText(QString(100, QLatin1Char('n')));
    EXPECT_TRUE(control<QLabel>(dialog, "lblPath")->text().contains('\n'));
    EXPECT_FALSE(control<QLabel>(dialog, "lblPath")->text().contains('\r'));
    dialog->close();
}

TEST_F(frmSaveTilesTest, UnreadableDriveIsReportedAndTheListGoesBack)
{
    frmSaveTiles *dialog = open(QStringLiteral("beach.jpg"));
    ASSERT_NE(dialog, nullptr);
    const QString goodDrive = control<QComboBox>(dialog, "drvTile")->currentText();
    ASSERT_FALSE(goodDrive.isEmpty());
    const QString folderBefore = dialog->dirTilePath();

    control<QComboBox>(dialog, "drvTile")->addItem(pictures.filePath(QStringLiteral("ejected-volume")));
    control<QComboBox>(dialog, "drvTile")->setCurrentIndex(control<QComboBox>(dialog, "drvTile")->count() - 1);

    ASSERT_EQ(shown.shown().size(), 1);
    EXPECT_EQ(shown.last().text, QStringLiteral("The drive you chose could not be accessed."));
    EXPECT_EQ(shown.last().title, QStringLiteral("Invalid Drive"));
    EXPECT_EQ(shown.last().icon, MessageIcon::Critical);
    EXPECT_EQ(control<QComboBox>(dialog, "drvTile")->currentText(), goodDrive);
    EXPECT_EQ(dialog->dirTilePath(), folderBefore);
    dialog->close();
}

TEST_F(frmSaveTilesTest, SaveNowWritesEveryTileAndEndsInTheCompletionWindow)
{
    QPointer<frmSaveTiles> dialog = open(QStringLiteral("beach.bmp"));
    ASSERT_TRUE(dialog);
    control<QLineEdit>(dialog, "txtNewFolderName")->setText(QStringLiteral("poster"));
    control<QLineEdit>(dialog, "txtBaseFileName")->setText(QStringLiteral("tile_"));

    control<QPushButton>(dialog, "cmdSaveNow")->click();
    QApplication::processEvents(); // lets the closed dialog be deleted

    const QString folder = pictures.filePath(QStringLiteral("poster"));
    EXPECT_EQ(filesIn(folder), (QStringList{"tile_001.bmp", "tile_002.bmp", "tile_003.bmp", "tile_004.bmp",
                                            "tile_005.bmp", "tile_006.bmp"}));
    EXPECT_TRUE(shown.shown().isEmpty());
    EXPECT_FALSE(dialog);
    EXPECT_EQ(mainWindow.findChild<frmMsg *>(), nullptr);
    frmSimpleMsg *completion = completionWindow();
    ASSERT_NE(completion, nullptr);
    EXPECT_TRUE(completion->isVisible());
    EXPECT_EQ(completion->folderLinkTarget(), folder);
    completion->close();
}

TEST_F(frmSaveTilesTest, DecliningAnExistingFolderClosesTheDialogWithoutWriting)
{
    QDir(pictures.path()).mkdir(QStringLiteral("beach_poster_images"));
    QPointer<frmSaveTiles> dialog = open(QStringLiteral("beach.jpg"));
    ASSERT_TRUE(dialog);
    shown.queueQuestionAnswer(kAnswerNo);

    control<QPushButton>(dialog, "cmdSaveNow")->click();
    QApplication::processEvents();

    ASSERT_EQ(shown.shownOfKind(ShownDialog::Kind::Question).size(), 1);
    EXPECT_EQ(shown.last().title, QStringLiteral("Folder Exists"));
    EXPECT_TRUE(filesIn(pictures.filePath(QStringLiteral("beach_poster_images"))).isEmpty());
    EXPECT_FALSE(dialog);
    EXPECT_EQ(completionWindow(), nullptr);
}

TEST_F(frmSaveTilesTest, CancelDuringTheThirdTileKeepsTheFirstThree)
{
    QPointer<frmSaveTiles> dialog = open(QStringLiteral("beach.bmp"));
    ASSERT_TRUE(dialog);
    const QString folder = pictures.filePath(QStringLiteral("beach_poster_images"));

    // Stands for a person pressing Cancel while the third tile is written: the click waits
    // in the event queue until the run lets events through.
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto *progress = mainWindow.findChild<frmMsg *>();
        if (progress && filesIn(folder).size() == 3 && !progress->bCancel)
            control<QPushButton>(progress, "cmdCancel")->click();
    });
    watcher.start();
    control<QPushButton>(dialog, "cmdSaveNow")->click();
    watcher.stop();
    QApplication::processEvents();

    EXPECT_EQ(filesIn(folder), (QStringList{"beach_001.bmp", "beach_002.bmp", "beach_003.bmp"}));
    ASSERT_FALSE(shown.shown().isEmpty());
    EXPECT_EQ(shown.last().text, QStringLiteral("Canceled by user"));
    EXPECT_EQ(shown.last().title, QStringLiteral("Canceled"));
    EXPECT_FALSE(dialog);
    EXPECT_EQ(completionWindow(), nullptr);
}

// On borderless paper the PDF poster's aids that cannot be drawn show unticked and locked,
// with what margin each needs; the stored choice is kept for paper that has margins.
TEST_F(frmSaveTilesTest, AidsTheMarginsHaveNoRoomForShowUntickedWithTheMarginTheyNeed)
{
    layout.sPaperRegLine = "|0|Photo 4\" x 6\"|6|4|0|0|0|0|0|0|0|0|";
    QPointer<frmSaveTiles> dialog = open(QStringLiteral("beach.bmp"));
    ASSERT_TRUE(dialog);
    control<QRadioButton>(dialog, "opbPdf")->click();
    for (const char *name : {"chkGlueStrip", "chkCutMarks", "chkLabels"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(control<QCheckBox>(dialog, name)->isEnabled());
        EXPECT_FALSE(control<QCheckBox>(dialog, name)->isChecked());
    }
    EXPECT_TRUE(control<QCheckBox>(dialog, "chkAssemblyPage")->isChecked());
    const QString notes = control<QLabel>(dialog, "lblWithoutRoom")->text();
    EXPECT_TRUE(notes.contains(PosterStrings::kGlueStripsNeedRoom)) << notes.toStdString();
    EXPECT_TRUE(control<QLabel>(dialog, "lblWithoutRoom")->isVisible());
    dialog->close();
}
