#include "output/frmMsg.h"
#include "resources/SaveWindowStrings.h"
#include "support/ModalDriver.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace {

void runEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Pixels of the bar's middle row, as the screen shows them, that are pure blue.
int bluePixelsInBar(frmMsg &window)
{
    const QImage shown = control<ProgressBarPicture>(&window, "picProgressBar")->grab().toImage();
    const int row = shown.height() / 2;
    int blue = 0;
    for (int x = 0; x < shown.width(); ++x)
        blue += shown.pixelColor(x, row) == QColor(0, 0, 255) ? 1 : 0;
    return blue;
}

std::unique_ptr<frmMsg> shownProgressWindow()
{
    auto window = std::make_unique<frmMsg>();
    window->bAllowCancel = true;
    window->SetMode(frmMsg::kModeProgress);
    window->ShowProgressBar(QStringLiteral("Saving poster tile images..."));
    return window;
}

} // namespace

TEST(frmMsgProgress, BarFillsTheGivenPartAndClosesAtTheEnd)
{
    auto window = shownProgressWindow();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->curStatus, frmMsg::kStatusProgress);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Saving..."));
    const int barWidth = control<ProgressBarPicture>(window.get(), "picProgressBar")->width();
    ASSERT_GT(barWidth, 100);
    ASSERT_EQ(barWidth % 2, 0);

    EXPECT_EQ(bluePixelsInBar(*window), 0);

    window->SetProgressVal(0.5);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(bluePixelsInBar(*window), barWidth / 2);

    window->SetProgressVal(1.7);
    EXPECT_DOUBLE_EQ(window->dProgress, 1.0);
    EXPECT_EQ(bluePixelsInBar(*window), barWidth);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isLoaded());
    EXPECT_FALSE(control<QTimer>(window.get(), "tmrProgBar")->isActive());
}

TEST(frmMsgProgress, NonsenseProgressDrawsAnEmptyBarWithoutClosing)
{
    auto window = shownProgressWindow();
    window->SetProgressVal(-0.3);
    EXPECT_EQ(bluePixelsInBar(*window), 0);
    window->SetProgressVal(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(bluePixelsInBar(*window), 0);
    EXPECT_TRUE(window->isVisible());
}

TEST(frmMsgProgress, CancelIsRecordedAndShownWhileTheWindowStaysOpen)
{
    auto window = shownProgressWindow();
    ASSERT_TRUE(control<QPushButton>(window.get(), "cmdCancel")->isVisible());
    EXPECT_FALSE(window->bCancel);

    control<QPushButton>(window.get(), "cmdCancel")->click();
    EXPECT_TRUE(window->bCancel);
    EXPECT_EQ(control<QLabel>(window.get(), "lblMsg")->text(), QStringLiteral("canceling..."));
    runEventsFor(300);
    EXPECT_TRUE(window->isVisible());

    // A new run on the same window starts without the old request.
    window->ShowProgressBar(QStringLiteral("again"));
    EXPECT_FALSE(window->bCancel);
}

TEST(frmMsgProgress, ClosingByTheFrameDuringARunAsksToCancel)
{
    auto window = shownProgressWindow();
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->bCancel);
}

TEST(frmMsgProgress, StatusOneClosesTheWindowAtTheNextTick)
{
    auto window = shownProgressWindow();
    bool visibleAfterFirstTick = true;
    int ticks = 0;
    // Connected after the window's own handler, so it sees the state that tick left.
    QObject::connect(control<QTimer>(window.get(), "tmrProgBar"), &QTimer::timeout, [&] {
        if (++ticks == 1)
            visibleAfterFirstTick = window->isVisible();
    });
    window->curStatus = frmMsg::kStatusClose;
    QElapsedTimer clock;
    clock.start();
    while (ticks == 0 && clock.elapsed() < 5000)
        runEventsFor(10);
    ASSERT_EQ(ticks, 1);
    EXPECT_FALSE(visibleAfterFirstTick);
    EXPECT_FALSE(control<QTimer>(window.get(), "tmrProgBar")->isActive());
}

TEST(frmMsgLayout, CancelButtonOnlyWhenAllowedAndBelowTheBar)
{
    frmMsg withCancel;
    withCancel.bAllowCancel = true;
    control<QLabel>(&withCancel, "lblMsg")->setText(QStringLiteral("Saving poster tile images..."));
    withCancel.SetMode(frmMsg::kModeProgress);
    EXPECT_FALSE(control<QPushButton>(&withCancel, "cmdCancel")->isHidden());
    EXPECT_GT(control<ProgressBarPicture>(&withCancel, "picProgressBar")->y(), control<QLabel>(&withCancel, "lblMsg")->geometry().bottom());
    EXPECT_GT(control<QPushButton>(&withCancel, "cmdCancel")->y(), control<ProgressBarPicture>(&withCancel, "picProgressBar")->geometry().bottom());
    EXPECT_GT(withCancel.height(), control<QPushButton>(&withCancel, "cmdCancel")->geometry().bottom());

    frmMsg withoutCancel;
    withoutCancel.bAllowCancel = false;
    control<QLabel>(&withoutCancel, "lblMsg")->setText(QStringLiteral("Saving poster tile images..."));
    withoutCancel.SetMode(frmMsg::kModeProgress);
    EXPECT_TRUE(control<QPushButton>(&withoutCancel, "cmdCancel")->isHidden());
    EXPECT_LT(withoutCancel.height(), withCancel.height());
    EXPECT_GT(withoutCancel.height(), control<ProgressBarPicture>(&withoutCancel, "picProgressBar")->geometry().bottom());
}
