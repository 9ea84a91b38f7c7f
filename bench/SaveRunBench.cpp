#include "BenchPhotos.h"
#include "imaging/ImageObjectFactory.h"
#include "output/SaveRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <spawn.h>
#include <fcntl.h>
#include <sys/wait.h>

extern char **environ;

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
    void showCompleted(const QString &, Saved) override {}
};

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
        std::unique_ptr<ImageObject> source = createImageObject();
        if (!source->LoadFile(photo)) {
            state.SkipWithError("could not load the generated photo");
            return;
        }
        HeldPicturePixels pixels(*source);
        SaveRun run(SaveRequest{pixels, layout, output.path(), "tiles", "photo_", int(ImageFileType::Jpeg), std::nullopt},
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

// The same cut by a separate program, as a person would run it: wall time per run and,
// where GNU time is installed, the program's peak resident memory as the counter peak_MB.
// GNU time starts the program from its own small process; a program started straight
// from this one would be charged this process's memory, which its exec inherits as the
// starting peak.
struct ChildRun
{
    bool ok = false;
    long peakKilobytes = 0; // 0 when unknown
};

ChildRun runProgram(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    static const QString gnuTime = QStandardPaths::findExecutable("time", {"/usr/bin"});
    const QString peakFile = workingFolder + "/peak.txt";
    QStringList command{program};
    command += arguments;
    if (!gnuTime.isEmpty())
        command = QStringList{gnuTime, "-f", "%M", "-o", peakFile} + command;

    std::vector<std::string> texts;
    for (const QString &part : command)
        texts.push_back(part.toStdString());
    std::vector<char *> argv;
    for (std::string &text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    // The program's own output would mix with the benchmark's table.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(workingFolder);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), environ);
    QDir::setCurrent(previousFolder);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return {};
    int status = 0;
    if (waitpid(child, &status, 0) != child)
        return {};
    ChildRun run{WIFEXITED(status) && WEXITSTATUS(status) == 0, 0};
    QFile peak(peakFile);
    if (peak.open(QIODevice::ReadOnly))
        run.peakKilobytes = QString::fromLatin1(peak.readAll()).trimmed().split('\n').last().toLong();
    return run;
}

void timeProgramOn(benchmark::State &state, const QString &program, const QStringList &arguments,
                   const QString &photo)
{
    if (program.isEmpty() || !QFileInfo(program).isExecutable()) {
        state.SkipWithError("program not installed");
        return;
    }
    long peak = 0;
    for (auto _ : state) {
        QTemporaryDir output;
        const ChildRun run = runProgram(program, QStringList(arguments).replaceInStrings("PHOTO", photo), output.path());
        if (!run.ok) {
            state.SkipWithError("the program failed");
            return;
        }
        peak = std::max(peak, run.peakKilobytes);
    }
    if (peak > 0)
        state.counters["peak_MB"] = double(peak) / 1024.0;
}

void timeProgram(benchmark::State &state, const QString &program, const QStringList &arguments,
                 QSize photoSize = QSize(8000, 6000))
{
    // The photo is made only for a program that is there to cut it.
    const bool installed = !program.isEmpty() && QFileInfo(program).isExecutable();
    timeProgramOn(state, program, arguments, installed ? photoPath(photoSize.width(), photoSize.height()) : QString());
}

void BM_QuilteraCli48MegapixelJpeg4x3(benchmark::State &state)
{
    // 4 x 3 tiles of 10 x 10 inches: 2000 x 2000 pixels each, as above.
    timeProgram(state, QStringLiteral(QUILTERA_CLI_PATH),
                {"--tiles", "4x3", "--custom-paper", "10x10", "--margins", "0,0,0,0", "--format", "jpg", "--out",
                 "tiles", "PHOTO"});
}
BENCHMARK(BM_QuilteraCli48MegapixelJpeg4x3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The same layout as one PDF poster, assembly page included, its pictures JPEG as the tiles are.
void BM_QuilteraCliPdf48MegapixelJpeg4x3(benchmark::State &state)
{
    timeProgram(state, QStringLiteral(QUILTERA_CLI_PATH),
                {"--tiles", "4x3", "--custom-paper", "10x10", "--margins", "0,0,0,0", "--format", "pdf", "--out",
                 "poster", "PHOTO"});
}
BENCHMARK(BM_QuilteraCliPdf48MegapixelJpeg4x3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The poster as most people print it: 4 x 3 A4 sheets with every assembly aid, as tiles and
// as one PDF poster, whose sheets carry the photo's own coded data.
void BM_QuilteraCli48MegapixelJpeg4x3A4(benchmark::State &state)
{
    timeProgram(state, QStringLiteral(QUILTERA_CLI_PATH),
                {"--tiles", "4x3", "--paper", "A4 - 210 x 297", "--format", "jpg", "--out", "tiles", "PHOTO"});
}
BENCHMARK(BM_QuilteraCli48MegapixelJpeg4x3A4)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_QuilteraCliPdf48MegapixelJpeg4x3A4(benchmark::State &state)
{
    timeProgram(state, QStringLiteral(QUILTERA_CLI_PATH),
                {"--tiles", "4x3", "--paper", "A4 - 210 x 297", "--format", "pdf", "--out", "poster", "PHOTO"});
}
BENCHMARK(BM_QuilteraCliPdf48MegapixelJpeg4x3A4)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_ImageMagickCrop48MegapixelJpeg4x3(benchmark::State &state)
{
    timeProgram(state, QStandardPaths::findExecutable("convert-im6.q16"),
                {"PHOTO", "-crop", "4x3@", "+repage", "t_%03d.jpg"});
}
BENCHMARK(BM_ImageMagickCrop48MegapixelJpeg4x3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The floor of any cut: one JPEG decodes on one core, and djpeg does nothing else.
void BM_Djpeg48MegapixelJpeg(benchmark::State &state)
{
    timeProgram(state, QStandardPaths::findExecutable("djpeg"), {"-outfile", "/dev/null", "PHOTO"});
}
BENCHMARK(BM_Djpeg48MegapixelJpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// libvips making the same 2000-pixel tiles at quality 90.
void BM_VipsDzsave48MegapixelJpeg4x3(benchmark::State &state)
{
    timeProgram(state, QStandardPaths::findExecutable("vips"),
                {"dzsave", "PHOTO", "tiles", "--tile-size", "2000", "--overlap", "0", "--depth", "one", "--suffix",
                 ".jpg[Q=90]"});
}
BENCHMARK(BM_VipsDzsave48MegapixelJpeg4x3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

const QSize k12Megapixels(4000, 3000);

// A phone photo cut 2 x 2 on A4, where the program's start counts for much of the run.
void BM_QuilteraCli12MegapixelJpeg2x2(benchmark::State &state)
{
    timeProgram(state, QStringLiteral(QUILTERA_CLI_PATH),
                {"--tiles", "2x2", "--paper", "A4 - 210 x 297", "--format", "jpg", "--out", "tiles", "PHOTO"},
                k12Megapixels);
}
BENCHMARK(BM_QuilteraCli12MegapixelJpeg2x2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_Djpeg12MegapixelJpeg(benchmark::State &state)
{
    timeProgram(state, QStandardPaths::findExecutable("djpeg"), {"-outfile", "/dev/null", "PHOTO"}, k12Megapixels);
}
BENCHMARK(BM_Djpeg12MegapixelJpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

const QSize k192Megapixels(16000, 12000);

// 8 x 6 tiles of 2000 x 2000 pixels from a 192-megapixel photo.
void BM_QuilteraCli192MegapixelJpeg8x6(benchmark::State &state)
{
    timeProgram(state, QStringLiteral(QUILTERA_CLI_PATH),
                {"--tiles", "8x6", "--custom-paper", "10x10", "--margins", "0,0,0,0", "--format", "jpg", "--out",
                 "tiles", "PHOTO"},
                k192Megapixels);
}
BENCHMARK(BM_QuilteraCli192MegapixelJpeg8x6)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_Djpeg192MegapixelJpeg(benchmark::State &state)
{
    timeProgram(state, QStandardPaths::findExecutable("djpeg"), {"-outfile", "/dev/null", "PHOTO"}, k192Megapixels);
}
BENCHMARK(BM_Djpeg192MegapixelJpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_VipsDzsave192MegapixelJpeg8x6(benchmark::State &state)
{
    timeProgram(state, QStandardPaths::findExecutable("vips"),
                {"dzsave", "PHOTO", "tiles", "--tile-size", "2000", "--overlap", "0", "--depth", "one", "--suffix",
                 ".jpg[Q=90]"},
                k192Megapixels);
}
BENCHMARK(BM_VipsDzsave192MegapixelJpeg8x6)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// 10 x 6 tiles of 4000 x 5000 pixels from the 1.2-gigapixel panorama.
void BM_QuilteraCli1200MegapixelJpeg10x6(benchmark::State &state)
{
    timeProgramOn(state, QStringLiteral(QUILTERA_CLI_PATH),
                  {"--tiles", "10x6", "--custom-paper", "8x10", "--margins", "0,0,0,0", "--format", "jpg", "--out",
                   "tiles", "PHOTO"},
                  panoramaPath());
}
BENCHMARK(BM_QuilteraCli1200MegapixelJpeg10x6)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The panorama as a PDF poster of 25 x 25 A4 sheets, its own coded data on each.
void BM_QuilteraCliPdf1200MegapixelJpeg25x25(benchmark::State &state)
{
    timeProgramOn(state, QStringLiteral(QUILTERA_CLI_PATH),
                  {"--tiles", "25x25", "--paper", "A4 - 210 x 297", "--format", "pdf", "--out", "poster", "PHOTO"},
                  panoramaPath());
}
BENCHMARK(BM_QuilteraCliPdf1200MegapixelJpeg25x25)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_Djpeg1200MegapixelJpeg(benchmark::State &state)
{
    timeProgramOn(state, QStandardPaths::findExecutable("djpeg"), {"-outfile", "/dev/null", "PHOTO"}, panoramaPath());
}
BENCHMARK(BM_Djpeg1200MegapixelJpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_VipsCopy48MegapixelJpeg(benchmark::State &state)
{
    timeProgram(state, QStandardPaths::findExecutable("vips"), {"copy", "PHOTO", "out.jpg"});
}
BENCHMARK(BM_VipsCopy48MegapixelJpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
