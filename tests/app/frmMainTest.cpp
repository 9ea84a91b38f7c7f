#include "app/AppInfo.h"
#include "app/FileListFilter.h"
#include "common/AccessKeys.h"
#include "support/frmMainFixture.h"
#include "support/HeifFiles.h"
#include "app/frmAbout.h"
#include "app/frmHelp.h"
#include "support/ModalDriver.h"
#include "paper/frmTileSize.h"
#include "resources/CliStrings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QLabel>
#include <QRadioButton>
#include <QTextBrowser>
#include <QToolButton>

TEST_F(frmMainTest, FirstStartFallsBackOnDefaults)
{
    frmMain &window = start();
    EXPECT_EQ(window.currentFolder(), QDir(QDir::homePath()).absolutePath());
    EXPECT_EQ(prefs().GetPref(kPrefLastFolder), window.currentFolder());
    EXPECT_EQ(control<QComboBox>("cmbTilesWide")->currentText(), "2");
    EXPECT_EQ(control<QComboBox>("cmbTilesHigh")->currentText(), "2");
    EXPECT_TRUE(control<QCheckBox>("chkPreviewTiles")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("chkLockWh")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("chkPrinterClips")->isChecked());
    EXPECT_EQ(control<QComboBox>("cmbCurBtm")->currentIndex(), 0);
    EXPECT_EQ(control<QComboBox>("cmbCurBtm")->count(), 3);
    EXPECT_FALSE(control<QComboBox>("cmbCurBtm")->isEnabled());
    EXPECT_EQ(control<QLabel>("lblLrValue")->text(), "---");
    EXPECT_EQ(control<QLabel>("lblTbValue")->text(), "---");
    EXPECT_EQ(control<QLabel>("lblResolution")->text(), "---");
    EXPECT_FALSE(actionsEnabled());
    EXPECT_EQ(window.windowTitle(), "Quiltera v" + QString::fromLatin1(QUILTERA_VERSION).section('.', 0, 0) + "."
                                        + QString::fromLatin1(QUILTERA_VERSION).section('.', 1, 1)
                                        + QString::fromLatin1(QUILTERA_VERSION).section('.', 2, 2));
    EXPECT_TRUE(m_messages.shown().isEmpty());
    // Start-up applies the stored values without writing them back.
    EXPECT_EQ(prefs().GetPref(kPrefNumTiles), QString());
}

TEST_F(frmMainTest, StartRestoresStoredSettings)
{
    storeSettings({{"last_folder", m_images},
                   {"prefs_numTiles", "w02h00"},
                   {"prefs_edgeAdjust", "1_02"},
                   {"prefs_showTiles", 0},
                   {"prefs_heightEqualsWidth", 1}});
    writeImage("a.bmp", 30, 30);
    frmMain &window = start();
    EXPECT_EQ(window.currentFolder(), m_images);
    EXPECT_EQ(fileList(), QStringList{"a.bmp"});
    EXPECT_EQ(control<QComboBox>("cmbTilesWide")->currentIndex(), 2);
    EXPECT_EQ(control<QComboBox>("cmbTilesHigh")->currentIndex(), 0);
    EXPECT_TRUE(control<QCheckBox>("chkLockWh")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("chkPrinterClips")->isChecked());
    EXPECT_TRUE(control<QComboBox>("cmbCurBtm")->isEnabled());
    EXPECT_EQ(control<QComboBox>("cmbCurBtm")->currentIndex(), 2);
    EXPECT_FALSE(control<QCheckBox>("chkPreviewTiles")->isChecked());
    EXPECT_TRUE(m_messages.shown().isEmpty());
}

TEST_F(frmMainTest, StoredProfileBeyondTheListSelectsTheFirst)
{
    storeSettings({{"prefs_edgeAdjust", "1_07"}});
    start();
    EXPECT_EQ(control<QComboBox>("cmbCurBtm")->currentIndex(), 0);
    EXPECT_TRUE(control<QCheckBox>("chkPrinterClips")->isChecked());
}

TEST_F(frmMainTest, StoredFolderThatNoLongerExistsFallsBackOnHome)
{
    storeSettings({{"last_folder", m_scratch.filePath("gone")}});
    frmMain &window = start();
    EXPECT_EQ(window.currentFolder(), QDir(QDir::homePath()).absolutePath());
    EXPECT_EQ(prefs().GetPref(kPrefLastFolder), window.currentFolder());
}

TEST_F(frmMainTest, PickingAnImageFillsTheReportAndEnablesSaving)
{
    writeImage("poster.bmp", 300, 200);
    frmMain &window = start();
    openImagesFolder();
    pick("poster.bmp");
    EXPECT_TRUE(window.bImgSelected());
    EXPECT_EQ(window.layout().lImgWidth, 300);
    EXPECT_EQ(window.layout().lImgHeight, 200);
    EXPECT_EQ(window.sCurImgPath(), QDir(m_images).filePath("poster.bmp"));
    EXPECT_GT(window.dCanvasScale(), 0.0);
    EXPECT_EQ(window.imgDisplay().Width(), qRound(300 * window.dCanvasScale()));
    EXPECT_NE(control<QLabel>("lblResolution")->text(), "---");
    EXPECT_NE(control<QLabel>("lblQuality")->text(), "---");
    EXPECT_NE(control<QLabel>("lblMPixVal")->text(), "---");
    EXPECT_NE(control<QLabel>("lblLrValue")->text(), "---");
    EXPECT_TRUE(actionsEnabled());
    EXPECT_TRUE(m_messages.shown().isEmpty());
}

TEST_F(frmMainTest, ChosenRotationIsAppliedOnLoad)
{
    writeImage("wide.bmp", 300, 200);
    writeImage("other.bmp", 40, 30);
    frmMain &window = start();
    openImagesFolder();
    control<QComboBox>("cmbRotate")->setCurrentIndex(1);
    pick("wide.bmp");
    EXPECT_EQ(window.layout().lImgWidth, 200);
    EXPECT_EQ(window.layout().lImgHeight, 300);
    EXPECT_EQ(window.layout().iImgRotation, 90);
    EXPECT_EQ(window.img().Width(), 200);

    control<QComboBox>("cmbRotate")->setCurrentIndex(0);
    pick("other.bmp");
    EXPECT_EQ(window.layout().iImgRotation, 0);
    EXPECT_EQ(window.layout().lImgWidth, 40);
}

TEST_F(frmMainTest, SmallImagesAreRefusedWithAMessage)
{
    writeImage("thin.bmp", 24, 300);
    writeImage("square.bmp", 25, 25);
    frmMain &window = start();
    openImagesFolder();
    pick("thin.bmp");
    ASSERT_EQ(m_messages.shown().size(), 1);
    EXPECT_EQ(m_messages.last().title, "Invalid Image File Selected");
    EXPECT_EQ(m_messages.last().icon, MessageIcon::Critical);
    EXPECT_TRUE(m_messages.last().text.contains("minimum allowable size of 25 pixels"));
    EXPECT_FALSE(window.bImgSelected());
    EXPECT_FALSE(actionsEnabled());

    pick("square.bmp");
    EXPECT_TRUE(window.bImgSelected());
    EXPECT_EQ(m_messages.shown().size(), 1);
}

TEST_F(frmMainTest, FilesThatCannotBeDecodedFailQuietly)
{
    writeImage("good.bmp", 100, 100);
    const QString jpeg = writeImage("photo.jpg", 400, 300, "JPG");
    QFile full(jpeg);
    ASSERT_TRUE(full.open(QIODevice::ReadOnly));
    const QByteArray bytes = full.readAll();
    full.close();
    writeFile("cut.jpg", bytes.left(bytes.size() / 2));
    writeFile("notes.txt", "not a picture");
    writeFile("fake.bmp", "BM but nothing else");

    frmMain &window = start();
    openImagesFolder();
    control<QComboBox>("cmbFileType")->setCurrentIndex(int(FileTypeFilter::AllFiles));
    for (const char *name : {"cut.jpg", "notes.txt", "fake.bmp"}) {
        pick("good.bmp");
        ASSERT_TRUE(window.bImgSelected());
        pick(QString::fromLatin1(name));
        EXPECT_FALSE(window.bImgSelected()) << name;
        EXPECT_FALSE(actionsEnabled()) << name;
    }
    EXPECT_TRUE(m_messages.shown().isEmpty());
}

// What the command line reads the window opens too, in any case, a phone's HEIC photo
// among them; a picture of a kind it cannot read, or one that does not decode, is told why.
TEST_F(frmMainTest, PicturesOfEveryKindTheProgramReadsOpenAndOthersSayWhyNot)
{
    writeImage("shot.png", 120, 80, "PNG");
    writeImage("web.webp", 120, 80, "WEBP");
    writeImage("photo.JPEG", 120, 80, "JPG");
    writeImage("scan.tiff", 120, 80, "TIFF");
    QImage phonePicture(120, 80, QImage::Format_RGB32);
    phonePicture.fill(Qt::darkCyan);
    ASSERT_TRUE(test_heif::writeHeic(phonePicture, QDir(m_images).filePath("phone.HEIC")));
    writeFile("broken.png", "not a PNG at all");
    writeFile("drawing.xcf", "not a picture it reads");

    frmMain &window = start();
    openImagesFolder();
    EXPECT_EQ(fileList(), (QStringList{"broken.png", "phone.HEIC", "photo.JPEG", "scan.tiff", "shot.png", "web.webp"}));
    for (const char *name : {"phone.HEIC", "photo.JPEG", "scan.tiff", "shot.png", "web.webp"}) {
        pick(QString::fromLatin1(name));
        EXPECT_TRUE(window.bImgSelected()) << name;
    }
    EXPECT_TRUE(m_messages.shown().isEmpty());

    pick("broken.png");
    EXPECT_FALSE(window.bImgSelected());
    ASSERT_EQ(m_messages.shown().size(), 1);
    EXPECT_TRUE(m_messages.last().text.startsWith(CliStrings::kImageNotLoaded)) << m_messages.last().text.toStdString();

    control<QComboBox>("cmbFileType")->setCurrentIndex(int(FileTypeFilter::AllFiles));
    pick("drawing.xcf");
    EXPECT_FALSE(window.bImgSelected());
    ASSERT_EQ(m_messages.shown().size(), 2);
    EXPECT_TRUE(m_messages.last().text.endsWith(CliStrings::kUnloadableEnding)) << m_messages.last().text.toStdString();
}

TEST_F(frmMainTest, FolderChangeClearsTheSelectionButAFilterChangeDoesNot)
{
    writeImage("poster.bmp", 300, 200);
    const QString other = m_scratch.path() + "/other";
    QDir().mkpath(other);
    frmMain &window = start();
    openImagesFolder();
    pick("poster.bmp");

    control<QComboBox>("cmbFileType")->setCurrentIndex(2);
    EXPECT_TRUE(fileList().isEmpty());
    EXPECT_TRUE(window.bImgSelected());
    EXPECT_TRUE(actionsEnabled());
    EXPECT_EQ(prefs().GetPref(kPrefLastFolder), m_images);

    ASSERT_TRUE(control<FolderListWidget>("Dir1")->setPath(other));
    EXPECT_FALSE(window.bImgSelected());
    EXPECT_FALSE(actionsEnabled());
    EXPECT_EQ(control<QLabel>("lblLrValue")->text(), "---");
    EXPECT_EQ(prefs().GetPref(kPrefLastFolder), other);
}

TEST_F(frmMainTest, UnreadableDriveReturnsToThePreviousDriveAndFolder)
{
    frmMain &window = start();
    openImagesFolder();
    const QString drive = window.sCurDrive();
    auto *drives = control<QComboBox>("Drive1");
    drives->addItem(m_scratch.filePath("no-such-volume"));
    drives->setCurrentIndex(drives->count() - 1);
    Q_EMIT drives->activated(drives->count() - 1);

    ASSERT_EQ(m_messages.shown().size(), 1);
    EXPECT_EQ(m_messages.last().text, "The drive you chose could not be accessed.");
    EXPECT_EQ(m_messages.last().title, "Invalid Drive");
    EXPECT_EQ(drives->currentText(), drive);
    EXPECT_EQ(window.sCurDrive(), drive);
    EXPECT_EQ(window.currentFolder(), m_images);
}

TEST_F(frmMainTest, SettingsAreWrittenWhenTheyChange)
{
    start();
    control<QComboBox>("cmbTilesWide")->setCurrentIndex(4);
    EXPECT_EQ(prefs().GetPref(kPrefNumTiles), "w04h01");
    control<QCheckBox>("chkLockWh")->setChecked(true);
    EXPECT_EQ(control<QComboBox>("cmbTilesHigh")->currentIndex(), 4);
    EXPECT_EQ(prefs().GetPref(kPrefNumTiles), "w04h04");
    EXPECT_EQ(prefs().GetPref(kPrefHeightEqualsWidth), "1");
    control<QComboBox>("cmbTilesHigh")->setCurrentIndex(2);
    EXPECT_EQ(control<QComboBox>("cmbTilesWide")->currentIndex(), 2);
    EXPECT_EQ(prefs().GetPref(kPrefNumTiles), "w02h02");
    control<QCheckBox>("chkPreviewTiles")->setChecked(false);
    EXPECT_EQ(prefs().GetPref(kPrefShowTiles), "0");
}

TEST_F(frmMainTest, PaperAppliedInTheDialogIsShownAndRemembered)
{
    start();
    whenModalShown<frmTileSize>([](frmTileSize *dialog) {
        ::control<QRadioButton>(dialog, "opbMm")->click();
        ::control<QListWidget>(dialog, "lstPaperSize")->setCurrentRow(4);
        ::control<QCheckBox>(dialog, "chkLock")->setChecked(true);
        ::control<QPushButton>(dialog, "cmdOk")->click();
    });
    control<QToolButton>("cmdEditPaperSize")->click();

    EXPECT_EQ(control<QLabel>("lblPaperName")->text(), "A4 - 210 x 297");
    EXPECT_EQ(control<QLabel>("lblPaperSize")->text(), "210.0 x 297.0");
    EXPECT_EQ(control<QLabel>("lblTileSize")->text(), "186.0 x 273.0");
    EXPECT_EQ(control<QLabel>("lblUnits")->text(), "Millimeters");
    EXPECT_EQ(prefs().GetPref(kPrefPaperRegLine), "|1|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|");
    EXPECT_EQ(prefs().GetPref(kPrefMarginLocked), "1");

    m_window.reset();
    start();
    EXPECT_EQ(control<QLabel>("lblPaperName")->text(), "A4 - 210 x 297");
    EXPECT_EQ(control<QLabel>("lblTileSize")->text(), "186.0 x 273.0");
}

TEST_F(frmMainTest, AdjustEdgesIntroducesCalibrationWhileProfilesAreUntouched)
{
    start();
    auto *adjust = control<QCheckBox>("chkPrinterClips");
    adjust->setChecked(true);
    ASSERT_EQ(m_messages.shown().size(), 1);
    EXPECT_EQ(m_messages.last().title, "Edge Calibration Introduction");
    EXPECT_EQ(m_messages.last().icon, MessageIcon::Information);
    EXPECT_TRUE(control<QComboBox>("cmbCurBtm")->isEnabled());
    EXPECT_EQ(prefs().GetPref(kPrefEdgeAdjust), "1_00");

    adjust->setChecked(false);
    EXPECT_EQ(m_messages.shown().size(), 1);
    EXPECT_FALSE(control<QComboBox>("cmbCurBtm")->isEnabled());
    adjust->setChecked(true);
    EXPECT_EQ(m_messages.shown().size(), 2);

    // A profile with trims is no longer the initial set: no introduction.
    adjust->setChecked(false);
    control<QComboBox>("cmbCurBtm")->setCurrentIndex(1);
    adjust->setChecked(true);
    EXPECT_EQ(m_messages.shown().size(), 2);
    EXPECT_EQ(prefs().GetPref(kPrefEdgeAdjust), "1_01");
}

TEST_F(frmMainTest, ShowTilesIsRefusedForAnInvalidTileSize)
{
    frmMain &window = start();
    auto *showTiles = control<QCheckBox>("chkPreviewTiles");
    showTiles->setChecked(false);
    window.setNewTileVals("Tiny", Units::Inches, 0.5, 0.5, 0.5, 0.5, "|tiny|");
    showTiles->setChecked(true);
    ASSERT_EQ(m_messages.shown().size(), 1);
    EXPECT_EQ(m_messages.last().title, "Invalid Tile Print Size Entered");
    EXPECT_FALSE(showTiles->isChecked());
    EXPECT_EQ(prefs().GetPref(kPrefShowTiles), "0");
    EXPECT_EQ(prefs().GetPref(kPrefPaperRegLine), "|tiny|");
}

TEST_F(frmMainTest, ExitEndsAtOnceAndClosingSavesFirst)
{
    start();
    QFile::remove(settingsPath());
    control<QPushButton>("cmdQuit")->click();
    EXPECT_EQ(m_endCount, 1);
    EXPECT_EQ(prefs().GetPref(kPrefNumTiles), QString());

    m_window->close();
    EXPECT_EQ(m_endCount, 2);
    EXPECT_EQ(prefs().GetPref(kPrefNumTiles), "w01h01");
    EXPECT_EQ(prefs().GetPref(kPrefShowTiles), "1");
}

TEST_F(frmMainTest, HelpNamesTheMissingManualOrShowsIt)
{
    frmMain &window = start();
    window.OpenHelpFile();
    if (!window.helpFilePath().isEmpty())
        GTEST_SKIP() << "a manual is installed beside the test program";
    ASSERT_EQ(m_messages.shown().size(), 1);
    EXPECT_EQ(m_messages.last().text,
              "The help file (quiltera.html) is missing.  Please reinstall this software.");
    EXPECT_EQ(m_messages.last().title, "Can not find help file");

    m_scratch.write("quiltera.html", "<html><body><h1>Manual</h1></body></html>");
    m_window.reset();
    frmMain &again = start();
    ASSERT_EQ(again.helpFilePath(), m_scratch.filePath("quiltera.html"));
    again.OpenHelpFile();
    auto *help = again.findChild<frmHelp *>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser()->toPlainText().contains("Manual"));
    EXPECT_EQ(m_messages.shown().size(), 1);
}

TEST_F(frmMainTest, AboutBoxShowsVersionAndReportsMissingSystemInformation)
{
    frmMain &window = start();
    window.showAbout();
    auto *about = window.findChild<frmAbout *>();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "Quiltera");
    EXPECT_EQ(about->findChild<QLabel *>("lblVersion")->text(), "Version " + GetAppVersionString());
    EXPECT_EQ(withoutAccessKey(about->findChild<QPushButton *>("cmdSysInfo")->text()), "System Info...");

    TempDir emptyBin;
    about->setSearchPaths({emptyBin.path()});
    about->StartSysInfo();
    ASSERT_EQ(m_messages.shown().size(), 1);
    EXPECT_EQ(m_messages.last().text, "System Information Is Unavailable At This Time");

    const QString program = emptyBin.write("hardinfo", "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QString started;
    about->setProgramStarter([&started](const QString &path) {
        started = path;
        return true;
    });
    about->StartSysInfo();
    EXPECT_EQ(started, program);
    EXPECT_EQ(m_messages.shown().size(), 1);
}

TEST_F(frmMainTest, APictureGivenByPathOrDroppedIsOpenedAsIfPicked)
{
    writeImage("photo.bmp", 300, 200);
    QFile notes(QDir(m_images).filePath("notes.txt"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("not a picture");
    notes.close();
    frmMain &window = start();
    control<QComboBox>("cmbFileType")->setCurrentIndex(2); // TIFF only: the BMP is hidden

    window.openPicture(QDir(m_images).filePath("photo.bmp"));
    EXPECT_TRUE(window.bImgSelected());
    EXPECT_EQ(control<FolderListWidget>("Dir1")->path(), m_images);
    EXPECT_EQ(control<QListWidget>("lstFiles")->currentItem()->text(), "photo.bmp");
    EXPECT_EQ(window.layout().lImgWidth, 300);

    const auto drop = [&](const QString &name) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QDir(m_images).filePath(name))});
        // A drop comes after the drag entered the window and was accepted there.
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &event);
    };
    drop("notes.txt");
    EXPECT_FALSE(window.bImgSelected()) << "a file that cannot be loaded unloads the picture, as a pick does";
    drop("photo.bmp");
    EXPECT_TRUE(window.bImgSelected());
}

TEST_F(frmMainTest, MenuCommandsHaveTheirUsualKeys)
{
    start();
    const struct
    {
        const char *action;
        QKeySequence keys;
    } cases[] = {
        {"mnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"mnuContent", QKeySequence(Qt::Key_F1)},
    };
    for (const auto &c : cases) {
        const auto *action = m_window->findChild<QAction *>(c.action);
        ASSERT_NE(action, nullptr) << c.action;
        EXPECT_EQ(action->shortcut(), c.keys) << c.action;
    }
}
