#include "BenchPhotos.h"
#include "app/frmMain.h"
#include "browser/FolderListWidget.h"
#include "imaging/QuickPictureLoad.h"
#include "output/frmSaveTiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <fstream>
#include <limits>
#include <string>

namespace {

// The window over settings of its own, showing the folder of the picture.
struct WindowOnPicture
{
    explicit WindowOnPicture(const QString &picture)
    {
        QFile settings(m_settings.filePath("Quiltera.json"));
        if (settings.open(QIODevice::WriteOnly))
            settings.write(QJsonDocument(QJsonObject{{"app_dir", m_settings.path()}}).toJson());
        settings.close();
        window = std::make_unique<frmMain>(PreferenceStore(settings.fileName()));
        window->setEndProgram([] {});
        window->show();
        const QFileInfo file(picture);
        if (auto *folder = window->findChild<FolderListWidget *>("Dir1"))
            folder->setPath(file.absolutePath());
        files = window->findChild<QListWidget *>("lstFiles");
        const QList<QListWidgetItem *> listed =
            files ? files->findItems(file.fileName(), Qt::MatchExactly) : QList<QListWidgetItem *>();
        if (!listed.isEmpty())
            item = listed.first();
        QCoreApplication::processEvents();
    }

    // As a click on the file in the list.
    void pick()
    {
        files->setCurrentItem(item);
        Q_EMIT files->itemClicked(item);
        QCoreApplication::processEvents(); // paints the canvas
    }

    void waitForWholePicture()
    {
        while (window->wholePictureLoading()) {
            QThread::msleep(2);
            QCoreApplication::processEvents();
        }
    }

    // Cuts the poster from the save dialog as a click on each Save button would, into a
    // new folder beside the picture.
    bool saveTiles(const QString &folderName)
    {
        window->findChild<QPushButton *>("cmdSaveNow")->click();
        auto *dialog = window->findChild<frmSaveTiles *>();
        if (!dialog)
            return false;
        dialog->findChild<QLineEdit *>("txtNewFolderName")->setText(folderName);
        dialog->findChild<QPushButton *>("cmdSaveNow")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    }

    QTemporaryDir m_settings;
    std::unique_ptr<frmMain> window;
    QListWidget *files = nullptr;
    QListWidgetItem *item = nullptr;
};

} // namespace

// From the click on a big JPEG in the file list to its picture on the canvas, with the
// reduced picture shown first (quick = 1) or the whole picture decoded before it is shown
// (quick = 0). The rest of the whole decode runs outside the measured time.
static void BM_WindowShowsJpeg(benchmark::State &state)
{
    WindowOnPicture on(photoPath(int(state.range(0)), int(state.range(1))));
    if (!on.item) {
        state.SkipWithError("the photo is not listed");
        return;
    }
    if (state.range(2) == 0)
        on.window->setQuickLoadFromPixels(std::numeric_limits<qint64>::max());
    for (auto _ : state) {
        on.pick();
        state.PauseTiming();
        on.waitForWholePicture();
        if (!on.window->bImgSelected()) {
            state.SkipWithError("the photo did not load");
            return;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowShowsJpeg)
    ->ArgNames({"width", "height", "quick"})
    ->Args({8000, 6000, 1})
    ->Args({8000, 6000, 0})
    ->Args({16000, 12000, 1})
    ->Args({16000, 12000, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

namespace {

// The peak resident memory of this process from the last reset on; Linux keeps the mark in
// /proc/self/status and lets it be reset to the present use.
void resetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

double peakMemoryMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

} // namespace

// The 1.2-gigapixel panorama in the window: from the click to its picture on the canvas
// (canvas_ms), then cut 10 x 6 into JPEG tiles from the save dialog. It is too large to
// hold whole, so its tiles are cut band by band from its file; peak_MB is the window's
// peak memory over the load and the cut, counted from before the click. longest_gap_ms is
// the longest the window's thread went without handling a 50 ms timer during the load.
static void BM_Window1200MegapixelJpeg10x6(benchmark::State &state)
{
    const QString panorama = panoramaPath();
    WindowOnPicture on(panorama);
    if (!on.item) {
        state.SkipWithError("the panorama is not listed");
        return;
    }
    on.window->findChild<QComboBox *>("cmbTilesWide")->setCurrentIndex(9);
    on.window->findChild<QComboBox *>("cmbTilesHigh")->setCurrentIndex(5);
    double canvasMs = 0;
    double peak = 0;
    qint64 longestGap = 0;
    int run = 0;
    for (auto _ : state) {
        resetPeakMemory();
        QElapsedTimer clock;
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setInterval(50);
        QObject::connect(&ticker, &QTimer::timeout, [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        clock.start();
        sinceTick.start();
        ticker.start();
        on.pick();
        longestGap = std::max(longestGap, sinceTick.elapsed());
        ticker.stop();
        canvasMs += double(clock.elapsed());
        if (!on.window->bImgSelected() || !on.saveTiles(QStringLiteral("tiles-%1").arg(++run))) {
            state.SkipWithError("the panorama was not cut");
            return;
        }
        peak = std::max(peak, peakMemoryMegabytes());
        state.PauseTiming();
        QDir tiles(QFileInfo(panorama).absolutePath() + QStringLiteral("/tiles-%1").arg(run));
        if (tiles.entryList(QDir::Files).size() != 60) {
            state.SkipWithError("the poster does not have 60 tiles");
            return;
        }
        tiles.removeRecursively();
        state.ResumeTiming();
    }
    state.counters["canvas_ms"] = canvasMs / double(state.iterations());
    state.counters["peak_MB"] = peak;
    state.counters["longest_gap_ms"] = double(longestGap);
}
BENCHMARK(BM_Window1200MegapixelJpeg10x6)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// The floor of the window's canvas above: the panorama's reduced picture read alone, for
// a canvas of the window's size, with nothing else running.
static void BM_ReducedRead1200MegapixelJpeg(benchmark::State &state)
{
    const QString panorama = panoramaPath();
    for (auto _ : state) {
        const std::unique_ptr<QuickPictureLoad> load = QuickPictureLoad::start(panorama, 0, QSize(530, 560));
        if (!load) {
            state.SkipWithError("the panorama did not load");
            return;
        }
    }
}
BENCHMARK(BM_ReducedRead1200MegapixelJpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
