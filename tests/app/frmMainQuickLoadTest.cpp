#include "frmMainFixture.h"

#include "layout/frmPreview.h"

#include <QComboBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTest>

namespace {

// Big JPEGs show a reduced picture at once; here every JPEG counts as big.
class QuickLoadTest : public MainWindowTest
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

    // What the ordinary load gives for the photo at the turn.
    QImage ordinaryLoad(int rotation) const
    {
        const LoadedSourceImage loaded = loadSourceImage(QDir(m_images).filePath("photo.jpg"), rotation);
        EXPECT_TRUE(loaded.ok());
        return loaded.ok() ? loaded.image->image() : QImage();
    }
};

} // namespace

TEST_F(QuickLoadTest, TheReducedPictureIsShownAtOnceAndTheWholeOneFollows)
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

TEST_F(QuickLoadTest, WhatNeedsTheWholePictureWaitsForIt)
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

TEST_F(QuickLoadTest, AnotherPickDropsThePictureStillLoading)
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
