#include "output/CupsPrinting.h"
#include "output/PosterPrinting.h"
#include "resources/PosterStrings.h"
#include "support/SilentScheduler.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

// Cancel ends a wait for a scheduler that never answers, instead of the wait running on to
// its bound; the window's busy window is what sets it.
TEST(CupsPrintingCancel, CancelEndsTheWaitForASilentSchedulerFromTheBusyWindow)
{
    const SilentScheduler silent;
    ASSERT_TRUE(silent.listening());
    // CUPS reads its server for each thread that first asks: the worker thread reads this.
    qputenv("CUPS_SERVER", silent.address().toUtf8());
    QWidget owner;
    QTimer::singleShot(300, [] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *busy = qobject_cast<QProgressDialog *>(window); busy && busy->objectName() == "dlgPrintService")
                busy->findChild<QPushButton *>()->click();
    });
    const PrintJobResult result = PosterPrinting::askPrintService(
        &owner, PosterStrings::kAskingPrinter,
        [](const std::atomic<bool> *cancel) { return checkPrintQueue(QStringLiteral("AnyQueue"), cancel); });
    qunsetenv("CUPS_SERVER");
    EXPECT_EQ(result.errorText, PosterStrings::kPrintCancelled);
}
