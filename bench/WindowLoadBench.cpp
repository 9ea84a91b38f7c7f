#include "BenchPhotos.h"
#include "app/frmMain.h"
#include "browser/FolderListWidget.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <limits>

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
        if (files && !files->findItems(file.fileName(), Qt::MatchExactly).isEmpty())
            item = files->findItems(file.fileName(), Qt::MatchExactly).first();
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
