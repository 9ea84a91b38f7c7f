#include "support/frmMainFixture.h"

#include "common/AvailableMemory.h"
#include "layout/frmPreview.h"
#include "resources/AppStrings.h"
#include "output/frmSaveTiles.h"
#include "support/ModalDriver.h"
#include "support/PhotoFiles.h"
#include "support/PopplerTools.h"
#include "support/PrintedJobs.h"
#include "resources/ImagingStrings.h"

#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

namespace {

// Big JPEGs show a reduced picture at once (here every JPEG counts as big), and the tiles
// of an unturned JPEG are cut from its file.
class frmMainBigPictureTest : public frmMainTest
{
protected:
    frmMain &startOnPhoto()
    {
        QImage photo(400, 300, QImage::Format_RGB32);
        QPainter painter(&photo);
        QLinearGradient gradient(0, 0, 400, 300);
        gradient.setColorAt(0.0, QColor(20, 60, 160));
        gradient.setColorAt(1.0, QColor(240, 200, 120));
        painter.fillRect(photo.rect(), gradient);
        painter.end();
        photo.setDotsPerMeterX(11811);
        photo.setDotsPerMeterY(11811);
        EXPECT_TRUE(photo.save(QDir(m_images).filePath("photo.jpg"), "JPEG", 90));
        writeImage("small.bmp", 40, 30);
        frmMain &window = start();
        window.setQuickLoadFromPixels(1);
        openImagesFolder();
        return window;
    }

    QString photoPath() const { return QDir(m_images).filePath("photo.jpg"); }

    // Saves the tiles through the dialog into a new folder; the tiles, read back.
    QList<QImage> saveTiles(const QString &folder)
    {
        control<QPushButton>("cmdSaveNow")->click();
        auto *dialog = m_window->findChild<frmSaveTiles *>();
        if (!dialog)
            return {};
        ::control<QLineEdit>(dialog, "txtNewFolderName")->setText(folder);
        ::control<QPushButton>(dialog, "cmdSaveNow")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed dialog
        QList<QImage> tiles;
        const QDir written(QDir(m_images).filePath(folder));
        for (const QString &name : written.entryList(QDir::Files, QDir::Name))
            tiles.append(QImage(written.filePath(name)));
        return tiles;
    }

    // What the ordinary load gives for the photo at the turn.
    QImage ordinaryLoad(int rotation) const
    {
        const LoadedSourceImage loaded = loadSourceImage(photoPath(), rotation);
        EXPECT_TRUE(loaded.ok());
        return loaded.ok() ? loaded.image->image() : QImage();
    }
};

} // namespace

TEST_F(frmMainBigPictureTest, TheReducedPictureIsShownAtOnceAndTheWholeOneFollows)
{
    for (const auto &[listIndex, rotation] : {std::pair{0, 0}, std::pair{1, 90}}) {
        SCOPED_TRACE(rotation);
        frmMain &window = startOnPhoto();
        control<QComboBox>("cmbRotate")->setCurrentIndex(listIndex);
        pick("photo.jpg");
        EXPECT_TRUE(window.wholePictureLoading());
        EXPECT_TRUE(window.bImgSelected());
        EXPECT_TRUE(actionsEnabled());
        const QSize turned = rotation == 0 ? QSize(400, 300) : QSize(300, 400);
        EXPECT_EQ(QSize(window.layout().lImgWidth, window.layout().lImgHeight), turned);
        EXPECT_EQ(window.imgDisplay().Width(), qRound(turned.width() * window.dCanvasScale()));
        EXPECT_NE(control<QLabel>("lblMPixVal")->text(), "---");

        ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.wholePictureLoading(); }));
        EXPECT_TRUE(window.bImgSelected());
        EXPECT_EQ(window.img().image(), ordinaryLoad(rotation));
        EXPECT_EQ(window.img().Resolution(ImageObject::kHorizontalAxis), 300);
    }
}

TEST_F(frmMainBigPictureTest, WhatNeedsTheWholePictureWaitsForIt)
{
    frmMain &window = startOnPhoto();
    pick("photo.jpg");
    control<QPushButton>("cmdLargePreview")->click();
    EXPECT_FALSE(window.wholePictureLoading());
    EXPECT_EQ(window.img().image(), ordinaryLoad(0));
    auto *preview = m_window->findChild<frmPreview *>();
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(preview->picture().isNull());
    preview->close();
    EXPECT_EQ(m_window->cursor().shape(), Qt::ArrowCursor);

    pick("photo.jpg");
    auto *rotate = control<QComboBox>("cmbRotate");
    rotate->setCurrentIndex(3);
    Q_EMIT rotate->activated(3);
    EXPECT_FALSE(window.wholePictureLoading());
    EXPECT_EQ(window.layout().iImgRotation, 180);
    EXPECT_EQ(window.img().image(), ordinaryLoad(180));
}

TEST_F(frmMainBigPictureTest, AnotherPickDropsThePictureStillLoading)
{
    frmMain &window = startOnPhoto();
    pick("photo.jpg");
    pick("small.bmp");
    EXPECT_FALSE(window.wholePictureLoading());
    EXPECT_EQ(window.img().Width(), 40);
    QTest::qWait(50);
    EXPECT_EQ(window.img().Width(), 40);
    EXPECT_EQ(window.sCurImgPath(), QDir(m_images).filePath("small.bmp"));
}

TEST_F(frmMainBigPictureTest, AJpegsTilesAreCutFromItsFileOnlyWhileItIsUnchanged)
{
    startOnPhoto();
    pick("photo.jpg");
    const QList<QImage> fromFile = saveTiles("first");
    ASSERT_EQ(fromFile.size(), 4);

    // Other pixels under the same size and time: the file is read again.
    QFile file(photoPath());
    const QDateTime modified = QFileInfo(file).lastModified();
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    for (qsizetype i = bytes.size() / 2; i < bytes.size() / 2 + 40; ++i)
        bytes[i] = char(bytes[i] ^ 0x5a);
    file.seek(0);
    file.write(bytes);
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    EXPECT_NE(saveTiles("second"), fromFile);

    // Once the file has changed, the picture in memory is cut: the same tiles as the first.
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified.addSecs(60), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(saveTiles("third"), fromFile);
}

TEST_F(frmMainBigPictureTest, APictureTooLargeToHoldIsShownCutAndPrintedButNotTurnedOrPreviewed)
{
    frmMain &window = startOnPhoto();
    pick("photo.jpg");
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.wholePictureLoading(); }));
    const QList<QImage> fromWholePicture = saveTiles("whole");
    auto *rotate = control<QComboBox>("cmbRotate");
    const auto turnClockwise = [rotate] {
        rotate->setCurrentIndex(1);
        Q_EMIT rotate->activated(1);
    };
    {
        const ScopedAvailableMemory smallMachine(64 * 1024);
        turnClockwise(); // no room for the turned copy: the picture stays as it is
        EXPECT_FALSE(window.img().IsEmpty());
        pick("photo.jpg");
    }
    EXPECT_TRUE(window.bImgSelected());
    EXPECT_FALSE(window.wholePictureLoading());
    EXPECT_TRUE(window.img().IsEmpty());
    EXPECT_FALSE(window.imgDisplay().IsEmpty());

    control<QPushButton>("cmdLargePreview")->click();
    EXPECT_EQ(m_window->findChild<frmPreview *>(), nullptr);
    turnClockwise();
    EXPECT_EQ(rotate->currentIndex(), 0);
    EXPECT_EQ(window.layout().iImgRotation, 0);
    ASSERT_EQ(m_messages.shown().size(), 3);
    for (const ShownDialog &shown : m_messages.shown())
        EXPECT_EQ(shown.title, AppStrings::kPictureTooLargeTitle);

    EXPECT_EQ(saveTiles("banded"), fromWholePicture);
    EXPECT_TRUE(window.bImgSelected());

    // Its PDF poster and its print are made band by band from the file too.
    const qsizetype pages = 1 + fromWholePicture.size();
    control<QPushButton>("cmdSaveNow")->click();
    auto *dialog = m_window->findChild<frmSaveTiles *>();
    ASSERT_NE(dialog, nullptr);
    ::control<QRadioButton>(dialog, "opbPdf")->setChecked(true);
    ::control<QPushButton>(dialog, "cmdSaveNow")->click();
    EXPECT_EQ(poppler::pageBoxes(QDir(m_images).filePath("photo_poster.pdf")).size(), pages);
    if (const QString queue = printed_jobs::printQueue(); !queue.isEmpty()) {
        m_messages.queueQuestionAnswer(kAnswerYes); // should the queue clip an edge
        m_messages.queuePrinter(queue);
        m_window->findChild<QAction *>("mnuPrint")->trigger();
        EXPECT_TRUE(m_messages.last().text.startsWith("Sent to printer")) << m_messages.last().text.toStdString();
        const QString printed = printed_jobs::printedPdf("photo_");
        EXPECT_EQ(poppler::pageBoxes(printed).size(), pages);
        QFile::remove(printed);
    }
    EXPECT_EQ(m_messages.shown().first().title, AppStrings::kPictureTooLargeTitle);
}

// A photo whose data runs out partway, loaded whole or shown reduced first: picking it says
// which rows could not be read, a poster reaching them is refused as an incomplete file is,
// and one above them is cut.
TEST_F(frmMainBigPictureTest, ADamagedPhotoIsNamedWhenPickedAndCutOnlyWhereItsRowsAreSound)
{
    const QByteArray jpeg = photo_files::encoded(photo_files::detailedPicture(800, 600), "jpeg");
    QFile file(QDir(m_images).filePath("damaged.jpg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(photo_files::jpegWithDataCut(jpeg, 0.6));
    file.close();
    for (const qint64 quickFrom : {qint64(1), QuickPictureLoad::kFromPixels}) {
        SCOPED_TRACE(quickFrom);
        frmMain &window = start();
        window.setQuickLoadFromPixels(quickFrom);
        openImagesFolder();
        pick("damaged.jpg");
        ASSERT_EQ(m_messages.shown().size(), 1);
        EXPECT_EQ(m_messages.last().title, ImagingStrings::kDamagedImageTitle);
        EXPECT_TRUE(m_messages.last().text.contains(QStringLiteral(" to 600 "))) << m_messages.last().text.toStdString();

        m_messages.clearShown();
        EXPECT_TRUE(saveTiles(QStringLiteral("whole%1").arg(quickFrom)).isEmpty());
        ASSERT_FALSE(m_messages.shown().isEmpty());
        EXPECT_TRUE(m_messages.last().text.endsWith(ImagingStrings::kIncompleteFile)) << m_messages.last().text.toStdString();

        m_messages.clearShown();
        control<QScrollBar>("scrZoom")->setValue(100);
        for (int step = 0; step < 200 && window.layout().iVPlacement > 0; ++step)
            QTest::keyClick(control<QWidget>("picCur"), Qt::Key_Up);
        ASSERT_EQ(window.layout().iVPlacement, 0);
        EXPECT_EQ(saveTiles(QStringLiteral("top%1").arg(quickFrom)).size(), 4);
        EXPECT_TRUE(m_messages.shown().isEmpty());
        m_window.reset();
    }
}
