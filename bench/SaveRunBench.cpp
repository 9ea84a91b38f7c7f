#include "imaging/ImageObjectFactory.h"
#include "output/SaveRun.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Sees nothing and never cancels: the run alone is measured.
class SilentListener final : public SaveRunListener
{
public:
    int askYesNoCancel(const QString &, const QString &) override { return 6; }
    void showMessage(const QString &, const QString &, MessageIcon) override {}
    void showProgress(const QString &) override {}
    void setProgress(double) override {}
    bool cancelRequested() override { return false; }
    void closeProgress(ProgressClose) override {}
    void showCompleted(const QString &) override {}
};

// A 48-megapixel photo-like JPEG (8000 x 6000), made once per process.
const QString &photoPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath("photo.jpg");
        QImage image(8000, 6000, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, 8000, 6000);
        gradient.setColorAt(0.0, QColor(20, 60, 160));
        gradient.setColorAt(0.5, QColor(240, 200, 120));
        gradient.setColorAt(1.0, QColor(30, 120, 40));
        painter.fillRect(image.rect(), gradient);
        for (int i = 0; i < 400; ++i)
            painter.fillRect((i * 7919) % 7800, (i * 104729) % 5800, 200, 200, QColor::fromHsv(i % 360, 200, 220));
        painter.end();
        image.save(file, "jpeg", 90);
        return file;
    }();
    return path;
}

// Load plus save: 4 x 3 tiles of 2000 x 2000 pixels written as JPEG.
void BM_SaveRun48MegapixelJpeg4x3(benchmark::State &state)
{
    const QString photo = photoPath();
    QTemporaryDir output;
    LayoutState layout;
    layout.tilesWideIndex = 3;
    layout.tilesHighIndex = 2;
    layout.dTileWidth = 10.0;
    layout.dTileHeight = 10.0;
    layout.bImgSelected = true;
    layout.lImgWidth = 8000;
    layout.lImgHeight = 6000;
    SilentListener listener;

    for (auto _ : state) {
        std::unique_ptr<ImageObject> source = CreateImageObject();
        if (!source->LoadFile(photo)) {
            state.SkipWithError("could not load the generated photo");
            return;
        }
        SaveRun run(SaveRequest{*source, layout, output.path(), "tiles", "photo_", int(ImageFileType::Jpeg)},
                    listener);
        if (run.processSaveNow() != SaveRunOutcome::Completed) {
            state.SkipWithError("save run did not complete");
            return;
        }
        state.PauseTiming();
        QDir(output.filePath("tiles")).removeRecursively();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveRun48MegapixelJpeg4x3)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
