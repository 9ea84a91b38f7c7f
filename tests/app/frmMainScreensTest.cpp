#include "support/frmMainFixture.h"

#include "calibration/frmBtm.h"
#include "paper/frmTileSize.h"
#include "support/ModalDriver.h"

#include "common/AccessKeys.h"
#include "common/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QMenuBar>
#include <QToolButton>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// A screen's room for the window once a desktop panel and the title bar are taken off.
QSize roomFor(QSize screen)
{
    return screen - QSize(0, 32 + 32);
}

// The controls that lie, wholly or in part, outside the window's visible area.
QStringList controlsOutside(const QWidget &window, const QRect &visible)
{
    QStringList outside;
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        if (control->objectName().isEmpty() || !control->isVisibleTo(&window) || control->isWindow())
            continue;
        const QRect place(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (!visible.contains(place))
            outside << control->objectName();
    }
    return outside;
}

// The labels, buttons and frames of the window whose text does not fit in them.
QStringList textsCutOff(const QWidget &window)
{
    QStringList cut;
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        if (!control->isVisibleTo(&window))
            continue;
        const auto *label = qobject_cast<const QLabel *>(control);
        const auto *button = qobject_cast<const QAbstractButton *>(control);
        const auto *frame = qobject_cast<const QGroupBox *>(control);
        bool fits = true;
        if (label && !label->text().isEmpty())
            fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                     : label->width() >= label->minimumSizeHint().width();
        else if (button && !button->text().isEmpty())
            fits = button->width() >= button->sizeHint().width();
        else if (frame)
            fits = frame->width() >= frame->minimumSizeHint().width();
        if (!fits)
            cut << control->objectName();
    }
    return cut;
}

} // namespace

TEST_F(frmMainTest, EveryControlFitsOnLaptopScreens)
{
    frmMain &window = start();
    for (const QSize screen : {QSize(1366, 768), QSize(1280, 720)}) {
        const QSize room = roomFor(screen);
        window.resize(room);
        QApplication::processEvents();
        EXPECT_TRUE(QRect(QPoint(), room).contains(window.rect())) << screen.width();
        const auto *scroller = control<QScrollArea>("scrMainWindow");
        EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible()) << screen.width();
        EXPECT_FALSE(scroller->verticalScrollBar()->isVisible()) << screen.width();
        EXPECT_EQ(controlsOutside(window, QRect(QPoint(), room)), QStringList()) << screen.width();
        EXPECT_EQ(textsCutOff(window), QStringList()) << screen.width();
        EXPECT_GT(control<QWidget>("picCur")->width(), screen.width() / 3) << "the canvas takes the room left";
    }
}

TEST_F(frmMainTest, OnATinyScreenSaveAndExitCanBeScrolledTo)
{
    // 1600 x 1000 at 200 % scaling leaves about 800 x 500 pixels of layout.
    frmMain &window = start();
    window.resize(roomFor(QSize(800, 500)));
    QApplication::processEvents();
    auto *scroller = control<QScrollArea>("scrMainWindow");
    for (const char *name : {"cmdSaveNow", "cmdQuit", "scrZoom", "cmbCurBtm", "lstFiles"}) {
        auto *button = control<QWidget>(name);
        scroller->ensureWidgetVisible(button, 0, 0);
        QApplication::processEvents();
        const QRect place(button->mapTo(scroller->viewport(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(scroller->viewport()->rect().contains(place)) << name;
    }
}

TEST_F(frmMainTest, InGermanTheWindowReadsGermanAndStillFits)
{
    const Translations german(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(german.isTranslated());
    frmMain &window = start();
    const QSize room = roomFor(QSize(1280, 720));
    window.resize(room);
    QApplication::processEvents();
    EXPECT_EQ(control<QLabel>("lblStep1")->text(), "Schritt (1) - Bilddatei wählen");
    EXPECT_EQ(withoutAccessKey(window.menuBar()->actions().first()->text()), "Datei");
    EXPECT_EQ(withoutAccessKey(control<QPushButton>("cmdSaveNow")->text()), "Kachelbilder speichern");
    EXPECT_EQ(control<QComboBox>("cmbRotate")->itemText(0), "Nicht drehen");
    EXPECT_EQ(controlsOutside(window, QRect(QPoint(), room)), QStringList());
    EXPECT_EQ(textsCutOff(window), QStringList());
}

TEST_F(frmMainTest, InGermanTheDialogsShowTheirWholeTexts)
{
    const Translations german(QLocale(QLocale::German, QLocale::Germany));
    start();
    QStringList paperCut, calibrationCut;
    QString paperTitle, calibrationTitle;
    const auto inspect = [](QWidget *dialog, QStringList &cut, QString &title) {
        QApplication::processEvents();
        cut = textsCutOff(*dialog);
        title = dialog->windowTitle();
    };
    whenModalShown<frmTileSize>([&](frmTileSize *dialog) {
        inspect(dialog, paperCut, paperTitle);
        dialog->reject();
    });
    control<QToolButton>("cmdEditPaperSize")->click();
    whenModalShown<frmBtm>([&](frmBtm *dialog) {
        inspect(dialog, calibrationCut, calibrationTitle);
        dialog->reject();
    });
    control<QPushButton>("cmdConfig")->click();
    EXPECT_EQ(paperTitle, "Kacheldruckgröße festlegen");
    EXPECT_EQ(paperCut, QStringList());
    EXPECT_EQ(calibrationTitle, "Randkalibrierung");
    EXPECT_EQ(calibrationCut, QStringList());
}
