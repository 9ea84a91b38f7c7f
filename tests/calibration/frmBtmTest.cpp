#include "calibration/ProfileStore.h"
#include "calibration/frmBtm.h"
#include "resources/CalibrationStrings.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kBuiltInFile = "default\t00,00,00,00,\r\n"
                                "Kodak photo lab default\t03,04,03,02,\r\n"
                                "Fuji photo lab default\t02,06,03,06,\r\n";

// The dialog over a profile file in a scratch folder, with a stand-in for the main
// window's profile list and scripted boxes.
class frmBtmTest : public testing::Test
{
protected:
    void open(Units units = Units::Inches, double tileWidth = 4.0, double tileHeight = 6.0)
    {
        EdgeCalibrationRequest request;
        request.store = &store;
        request.layout.units = units;
        request.layout.dTileWidth = tileWidth;
        request.layout.dTileHeight = tileHeight;
        request.printInfoCaption = QStringLiteral("Print Size Per Tile");
        request.refillMainProfileList = [this] {
            ++mainRefills;
            return frmBtm::fillMainDialog(mainList, store.profileNames());
        };
        dialog = std::make_unique<frmBtm>(request);
        boxes.setOkCancelAnswer(true);
        dialog->selectProfile(mainList.currentIndex());
    }

    template <typename Widget>
    Widget *control(const char *name) const
    {
        auto *widget = dialog->findChild<Widget *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QListWidget *profileList() const { return control<QListWidget>("lstConfigurations"); }
    void click(const char *button) const { control<QPushButton>(button)->click(); }
    QString profileFile() const { return dir.filePath("printer_edge_config"); }

    std::array<int, 4> listPositions() const
    {
        return {control<QComboBox>("cmbTopEdge")->currentIndex(), control<QComboBox>("cmbRightEdge")->currentIndex(),
                control<QComboBox>("cmbBottomEdge")->currentIndex(), control<QComboBox>("cmbLeftEdge")->currentIndex()};
    }

    TempDir dir;
    ProfileStore store{dir.filePath("printer_edge_config")};
    QComboBox mainList;
    int mainRefills = 0;
    ScriptedMessages boxes;
    // The test target announcements shown since the boxes were last cleared.
    QStringList announcements() const
    {
        QStringList texts;
        for (const ShownDialog &shown : boxes.shownOfKind(ShownDialog::Kind::OkCancel)) {
            EXPECT_EQ(shown.title, CalibrationStrings::kTestTargetTitle);
            texts << shown.text;
        }
        return texts;
    }
    std::unique_ptr<frmBtm> dialog;
};

} // namespace

TEST_F(frmBtmTest, OpeningLoadsTheProfilesAndFollowsTheMainWindowsChoice)
{
    store.initControls();
    mainList.addItems(store.profileNames());
    mainList.setCurrentIndex(2);
    open();

    EXPECT_EQ(fileBytes(profileFile()), kBuiltInFile);
    EXPECT_EQ(dialog->windowTitle(), "Edge Calibration");
    EXPECT_EQ(profileList()->count(), 3);
    EXPECT_EQ(profileList()->currentRow(), 2);
    EXPECT_EQ(listPositions(), (std::array<int, 4>{2, 6, 3, 6}));
    EXPECT_EQ(control<QLabel>("lblRightEdgeDesc")->text(), "Printer cuts off 3/32 inches of image");
    EXPECT_EQ(control<QComboBox>("cmbLeftEdge")->count(), 17);
    EXPECT_EQ(mainList.currentIndex(), 2);
    EXPECT_EQ(mainList.count(), 3);

    // Picking another profile in the dialog shows its edges and leaves the main window alone.
    profileList()->setCurrentRow(1);
    EXPECT_EQ(listPositions(), (std::array<int, 4>{3, 4, 3, 2}));
    EXPECT_EQ(mainList.currentIndex(), 2);
}

TEST_F(frmBtmTest, EdgeChangesAreStoredDescribedAndWrittenAtOnce)
{
    open();
    ASSERT_EQ(profileList()->currentRow(), 0);
    control<QComboBox>("cmbTopEdge")->setCurrentIndex(16);
    EXPECT_EQ(store.profiles()[0].trimIndex, (std::array<int, 4>{16, 0, 0, 0}));
    EXPECT_EQ(control<QLabel>("lblTopEdgeDesc")->text(), "Printer cuts off 1/4 inches of image");
    EXPECT_TRUE(fileBytes(profileFile()).startsWith("default\t16,00,00,00,\r\n"));

    control<QComboBox>("cmbTopEdge")->setCurrentIndex(0);
    EXPECT_EQ(control<QLabel>("lblTopEdgeDesc")->text(), "None of the image is clipped");
    EXPECT_EQ(fileBytes(profileFile()), kBuiltInFile);

    // While the dialog prepares itself nothing is stored or written.
    dialog->bSkipProcess = true;
    control<QComboBox>("cmbLeftEdge")->setCurrentIndex(5);
    dialog->bSkipProcess = false;
    EXPECT_EQ(store.profiles()[0].trimIndex, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(fileBytes(profileFile()), kBuiltInFile);
}

TEST_F(frmBtmTest, DescriptionsAndStepTextFollowTheUnit)
{
    open(Units::Millimetres);
    control<QComboBox>("cmbBottomEdge")->setCurrentIndex(8);
    EXPECT_EQ(control<QLabel>("lblBottomEdgeDesc")->text(), "Printer cuts off 3.2 mm of image");

    QLabel *step1 = control<QLabel>("lblStep1Desc");
    const QString inchText = step1->text();
    EXPECT_EQ(inchText, CalibrationStrings::kStep1Desc);
    dialog->SetStep1DescUnits();
    EXPECT_TRUE(step1->text().contains("1.59 mm"));
    dialog->SetStep1DescUnits();
    EXPECT_TRUE(step1->text().contains("(1.59 mm wide each)"));
}

TEST_F(frmBtmTest, NewProfilesStartUncutAndRefusedAnswersChangeNothing)
{
    open();
    const QByteArray before = fileBytes(profileFile());

    boxes.queueInputCancel();
    click("cmdNew");
    boxes.queueInputOk(QString());
    click("cmdNew");
    EXPECT_EQ(store.profiles().size(), 3);
    EXPECT_EQ(fileBytes(profileFile()), before);
    const ShownDialog input = boxes.last();
    EXPECT_EQ(input.title, "Enter name for new configuration:");
    EXPECT_EQ(input.text, "New Configuration");
    EXPECT_TRUE(input.defaultText.isEmpty());

    profileList()->setCurrentRow(1);
    boxes.queueInputOk(QStringLiteral("Lab, glossy  A4 "));
    click("cmdNew");
    ASSERT_EQ(store.profiles().size(), 4);
    EXPECT_EQ(store.profiles()[3].name, "Lab, glossy  A4 ");
    EXPECT_EQ(profileList()->currentRow(), 3);
    EXPECT_EQ(listPositions(), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(control<QComboBox>("cmbTopEdge")->currentText(), "See all 4 lines");
    EXPECT_TRUE(fileBytes(profileFile()).endsWith("Lab, glossy  A4 \t00,00,00,00,\r\n"));
    EXPECT_EQ(mainList.count(), 4);
    EXPECT_EQ(mainList.currentIndex(), 0);

    // The name with its commas and blanks reads back from the file unchanged.
    ProfileStore reread(profileFile());
    ASSERT_EQ(reread.ReadBorderPrefs(), ProfileStore::kReadOk);
    EXPECT_EQ(reread.profiles()[3].name, "Lab, glossy  A4 ");
}

TEST_F(frmBtmTest, RenameTakesOnlyANewNameAndNeverATab)
{
    open();
    profileList()->setCurrentRow(2);
    const int refillsBefore = mainRefills;

    boxes.queueInputOk(QStringLiteral("Fuji photo lab default"));
    click("cmdRename");
    EXPECT_EQ(boxes.last().title, "Enter new name for this Edge Calibrtion Profile:");
    EXPECT_EQ(boxes.last().defaultText, "Fuji photo lab default");
    EXPECT_EQ(profileList()->currentRow(), 2);
    EXPECT_EQ(mainRefills, refillsBefore);

    boxes.queueInputCancel();
    click("cmdRename");
    EXPECT_EQ(store.profiles()[2].name, "Fuji photo lab default");

    // A tab would end the name in the file's line, so it becomes a blank.
    boxes.queueInputOk(QStringLiteral("Fuji\tmatte"));
    click("cmdRename");
    EXPECT_EQ(store.profiles()[2].name, "Fuji matte");
    EXPECT_EQ(profileList()->item(2)->text(), "Fuji matte");
    EXPECT_EQ(profileList()->currentRow(), 0);
    EXPECT_TRUE(fileBytes(profileFile()).endsWith("Fuji matte\t02,06,03,06,\r\n"));
    EXPECT_EQ(mainList.itemText(2), "Fuji matte");
}

TEST_F(frmBtmTest, DeletingAsksFirstAndKeepsAtLeastOneProfile)
{
    store.initControls();
    mainList.addItems(store.profileNames());
    mainList.setCurrentIndex(1);
    open();
    ASSERT_EQ(profileList()->currentRow(), 1);

    boxes.queueQuestionAnswer(kAnswerNo);
    click("cmdDel");
    EXPECT_EQ(boxes.last().text, "Are you sure that you want to delete the currently selected Edge Calibration "
                                 "Profile (Kodak photo lab default)?");
    EXPECT_EQ(boxes.last().title, "Delete Edge Calibration Profile");
    EXPECT_EQ(store.profiles().size(), 3);

    // The main window's active profile goes: its list moves to the one that took its place.
    boxes.queueQuestionAnswer(kAnswerYes);
    click("cmdDel");
    ASSERT_EQ(store.profiles().size(), 2);
    EXPECT_EQ(mainList.currentIndex(), 1);
    EXPECT_EQ(mainList.currentText(), "Fuji photo lab default");
    EXPECT_EQ(profileList()->currentRow(), 0);
    EXPECT_EQ(fileBytes(profileFile()), "default\t00,00,00,00,\r\nFuji photo lab default\t02,06,03,06,\r\n");

    boxes.queueQuestionAnswer(kAnswerYes);
    click("cmdDel");
    ASSERT_EQ(store.profiles().size(), 1);
    EXPECT_EQ(mainList.currentText(), "Fuji photo lab default");

    boxes.clearShown();
    click("cmdDel");
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.last().kind, ShownDialog::Kind::Message);
    EXPECT_EQ(boxes.last().text,
              "You must have at least one Edge Calibration Profile.  You can not delete your only one.");
    EXPECT_EQ(boxes.last().title, "Can not remove profile");
    EXPECT_EQ(boxes.last().icon, MessageIcon::Critical);
    EXPECT_EQ(store.profiles().size(), 1);
}

TEST_F(frmBtmTest, TestTargetIsSavedWhereChosenAt128PixelsPerInch)
{
    open();
    const QString path = dir.filePath("Edge_Test_Image.JPG");
    boxes.queueFilePath(path);
    click("cmdGenerateTest");

    ASSERT_EQ(announcements().size(), 1);
    EXPECT_TRUE(announcements()[0].startsWith("A 6.00 inch high x 4.00 inch wide test image"));
    const QList<ShownDialog> files = boxes.shownOfKind(ShownDialog::Kind::File);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0].fileRequest.suggestedName, "Edge_Test_Image");
    EXPECT_EQ(files[0].fileRequest.initialFolder, QDir::homePath());
    EXPECT_EQ(boxes.last().title, "Test Image Creation Completed");
    EXPECT_EQ(boxes.last().icon, MessageIcon::Information);
    EXPECT_TRUE(boxes.last().text.contains("(" + path + ")"));

    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage read = reader.read();
    EXPECT_EQ(read.size(), QSize(512, 768));
    EXPECT_NEAR(read.dotsPerMeterX() * 0.0254, 128.0, 0.5);

    // Choosing the same file again asks before replacing it; No keeps it.
    const QByteArray first = fileBytes(path);
    QFile::resize(path, 10);
    boxes.queueFilePath(path);
    boxes.queueQuestionAnswer(kAnswerNo);
    click("cmdGenerateTest");
    EXPECT_EQ(boxes.last().kind, ShownDialog::Kind::Question);
    EXPECT_EQ(QFileInfo(path).size(), 10);
    boxes.queueFilePath(path);
    boxes.queueQuestionAnswer(kAnswerYes);
    click("cmdGenerateTest");
    EXPECT_EQ(fileBytes(path), first);
}

TEST_F(frmBtmTest, TestTargetRefusesBadInputWithItsMessage)
{
    struct Case
    {
        const char *name;
        QString chosenPath;
        QString text;
        QString title;
    };
    const QString missingFolder = dir.filePath("no such folder/Edge_Test_Image.bmp");
    const QString invalidType = CalibrationStrings::kInvalidFileName;
    const QList<Case> cases{
        {"png", dir.filePath("target.png"), invalidType, "Invalid file type"},
        {"no extension", dir.filePath("Edge_Test_Image"), invalidType, "Invalid file type"},
        {"three characters", QStringLiteral("bmp"), invalidType, "Invalid file type"},
        {"cancelled chooser", QString(), "Test Target Creation canceled", "canceled"},
        {"unwritable folder", missingFolder, "Error occurred while saving image to disk - ", "Error"},
    };
    open();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clearShown();
        boxes.queueFilePath(c.chosenPath);
        click("cmdGenerateTest");
        const ShownDialog shown = boxes.last();
        EXPECT_EQ(shown.kind, ShownDialog::Kind::Message);
        EXPECT_TRUE(shown.text.startsWith(c.text)) << shown.text.toStdString();
        EXPECT_EQ(shown.title, c.title);
        EXPECT_EQ(shown.icon, MessageIcon::Critical);
    }
    // The save error names what went wrong after its " - ".
    EXPECT_GT(boxes.last().text.size(), QString(CalibrationStrings::kSaveError + " - ").size());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"printer_edge_config"});

    // Cancel on the announcement ends the flow without another box.
    boxes.setOkCancelAnswer(false);
    boxes.clearShown();
    click("cmdGenerateTest");
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.last().kind, ShownDialog::Kind::OkCancel);
}

TEST_F(frmBtmTest, InvalidTilePrintSizeIsReportedBeforeAnythingIsBuilt)
{
    for (const double width : {0.5, 50.5}) {
        SCOPED_TRACE(width);
        open(Units::Inches, width, 6.0);
        boxes.clearShown();
        click("cmdGenerateTest");
        EXPECT_TRUE(announcements().isEmpty());
        ASSERT_EQ(boxes.shown().size(), 1);
        EXPECT_EQ(boxes.last().text,
                  "The custom print size that you currently have entered in not valid.  The height and width must "
                  "both be between 0.75 and 50.00 inches long.  Please enter valid values in the \"Print Size Per "
                  "Tile\" section of the main dialog.");
        EXPECT_EQ(boxes.last().title, "Invalide print dimensions");
        EXPECT_EQ(boxes.last().icon, MessageIcon::Critical);
    }
    // Millimetre sizes are checked in inches: 1270 mm is the 50 inch limit.
    open(Units::Millimetres, 100.0, 1270.0);
    boxes.setOkCancelAnswer(false);
    boxes.clearShown();
    click("cmdGenerateTest");
    ASSERT_EQ(announcements().size(), 1);
    EXPECT_TRUE(announcements()[0].startsWith("A 1270.0 mm high x 100.0 mm wide"));
}

TEST_F(frmBtmTest, EntryPointShowsTheMainWindowsActiveProfileInItsUnit)
{
    store.initControls();
    mainList.addItems(store.profileNames());
    mainList.setCurrentIndex(2);
    EdgeCalibrationRequest request;
    request.store = &store;
    request.layout.units = Units::Millimetres;
    request.refillMainProfileList = [this] { return frmBtm::fillMainDialog(mainList, store.profileNames()); };

    int shownRow = -1;
    QString step1;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<frmBtm *>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        shownRow = shown->findChild<QListWidget *>("lstConfigurations")->currentRow();
        step1 = shown->findChild<QLabel *>("lblStep1Desc")->text();
        shown->findChild<QPushButton *>("cmdOk")->click();
    });
    frmBtm::showEdgeCalibration(nullptr, request);

    EXPECT_EQ(shownRow, 2);
    EXPECT_TRUE(step1.contains("(1.59 mm wide each)"));
    EXPECT_EQ(mainList.currentIndex(), 2);
}
