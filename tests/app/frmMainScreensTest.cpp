#include "app/frmMainFixture.h"

#include <QApplication>
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

} // namespace

TEST_F(MainWindowTest, EveryControlFitsOnLaptopScreens)
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
        EXPECT_GT(control<QWidget>("picCur")->width(), screen.width() / 3) << "the canvas takes the room left";
    }
}

TEST_F(MainWindowTest, OnATinyScreenSaveAndExitCanBeScrolledTo)
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
