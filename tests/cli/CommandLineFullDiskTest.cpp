#include "support/CliProcess.h"

#include "resources/OutputStrings.h"
#include "support/PopplerTools.h"
#include "support/PrintedJobs.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// Runs a shell script in a mount namespace of its own, in which it may mount a small
// tmpfs as any user; the mount ends with the script. Null when namespaces are not allowed.
std::optional<CliRun> runWithOwnMounts(const QString &script, const QStringList &arguments)
{
    QProcess check;
    check.start("unshare", {"-rm", "true"});
    if (!check.waitForFinished(10000) || check.exitStatus() != QProcess::NormalExit || check.exitCode() != 0)
        return std::nullopt;
    QProcess process;
    QProcessEnvironment environment = englishEnvironment();
    environment.insert("CLI", QStringLiteral(QUILTERA_CLI_PATH));
    process.setProcessEnvironment(environment);
    process.start("unshare", QStringList{"-rm", "bash", "-c", script, "script"} + arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    return CliRun{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                  QString::fromUtf8(process.readAllStandardError())};
}

QString writePhoto(const TempDir &dir)
{
    QImage photo(1200, 800, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb((x * 7) % 256, (y * 3 + x) % 256, (x ^ y) % 256));
    const QString path = dir.filePath("photo.jpg");
    EXPECT_TRUE(photo.save(path, "jpeg", 92));
    return path;
}

// $1 disk size, $2 folder to mount it on, $3 the older poster, $4 the photo, $5 home.
const QString kSaveOnSmallDisk = QStringLiteral(R"(
mount -t tmpfs -o size="$1" tmpfs "$2" || exit 90
mkdir "$2/out" && cp "$3" "$2/out/photo_poster.pdf" || exit 91
XDG_CONFIG_HOME="$5/config" XDG_DATA_HOME="$5/data" "$CLI" --tiles 3x2 --format pdf --base photo_ --overwrite --out "$2/out" "$4"
echo "exit $?"
cmp -s "$3" "$2/out/photo_poster.pdf" && echo "unchanged"
ls -A "$2/out"
)");

} // namespace

// A poster that does not fit on the disk, however little room is short, ends with the
// disk-full message and leaves the older poster exactly as it was, with nothing beside it.
TEST(CommandLineFullDisk, APdfPosterThatDoesNotFitKeepsTheOlderPosterAsItWas)
{
    TempDir dir;
    const QString photo = writePhoto(dir);
    const QString home = dir.filePath("home");
    const CliRun fits = runCli({"--tiles", "3x2", "--format", "pdf", "--base", "photo_", "--out", dir.filePath("free"), photo},
                               home);
    ASSERT_EQ(fits.exitCode, 0) << fits.err.toStdString();
    const qint64 posterBytes = QFileInfo(dir.filePath("free/photo_poster.pdf")).size();
    ASSERT_GT(posterBytes, 100000);
    const QString older = dir.write("older.pdf", QByteArray(40000, 'o'));
    QDir().mkpath(dir.filePath("disk"));

    constexpr int kLevels = 16;
    for (int level = 0; level <= kLevels; ++level) {
        // From no room at all past the older poster to one page short of the new one.
        const qint64 room = posterBytes * level / kLevels - 4096;
        const qint64 disk = ((40000 + 4095) / 4096) * 4096 + std::max<qint64>(room, 0) / 4096 * 4096;
        SCOPED_TRACE(room);
        const std::optional<CliRun> run =
            runWithOwnMounts(kSaveOnSmallDisk, {QString::number(disk), dir.filePath("disk"), older, photo, home});
        if (!run)
            GTEST_SKIP() << "no mount namespace for a small disk (unshare -rm)";
        EXPECT_TRUE(run->out.contains("exit 1")) << run->out.toStdString();
        EXPECT_TRUE(run->err.contains(OutputStrings::kWriteError) || run->err.contains(OutputStrings::kNotEnoughSpace))
            << run->err.toStdString();
        EXPECT_TRUE(run->out.endsWith("unchanged\nphoto_poster.pdf\n")) << run->out.toStdString();
    }
    const std::optional<CliRun> roomy =
        runWithOwnMounts(kSaveOnSmallDisk, {QString::number(posterBytes + 200000), dir.filePath("disk"), older, photo, home});
    ASSERT_TRUE(roomy);
    EXPECT_TRUE(roomy->out.contains("exit 0\nphoto_poster.pdf\n")) << roomy->out.toStdString() << roomy->err.toStdString();
}

// The PDF sent to a printer is made in the temporary folder: when that is full nothing is
// sent and the run says why.
TEST(CommandLineFullDisk, APrintWhoseTemporaryFolderIsFullSendsNothing)
{
    if (printed_jobs::printQueue().isEmpty())
        GTEST_SKIP() << "no print queue (scripts/print-queue.sh makes one)";
    TempDir dir;
    const QString photo = writePhoto(dir);
    QDir().mkpath(dir.filePath("tmp"));
    const QString script = QStringLiteral(R"(
mount -t tmpfs -o size=65536 tmpfs "$1" || exit 90
TMPDIR="$1" XDG_CONFIG_HOME="$2/config" XDG_DATA_HOME="$2/data" "$CLI" --tiles 3x2 --print-queue "$3" --print "$4"
)");
    const std::optional<CliRun> run =
        runWithOwnMounts(script, {dir.filePath("tmp"), dir.filePath("home"), printed_jobs::printQueue(), photo});
    if (!run)
        GTEST_SKIP() << "no mount namespace for a small disk (unshare -rm)";
    EXPECT_EQ(run->exitCode, 1) << run->out.toStdString();
    EXPECT_TRUE(run->err.contains(OutputStrings::kWriteError)) << run->err.toStdString();
    EXPECT_FALSE(run->out.contains("Sent to printer")) << run->out.toStdString();
}

// Whatever kills a save, even SIGKILL, no hidden or partial file is left in the folder.
TEST(CommandLineInterrupted, ASaveKilledMidwayLeavesOnlyWholeTiles)
{
    TempDir dir;
    const QString photo = writePhoto(dir);
    QProcess process;
    QProcessEnvironment environment = englishEnvironment();
    environment.insert("XDG_CONFIG_HOME", dir.filePath("home/config"));
    environment.insert("XDG_DATA_HOME", dir.filePath("home/data"));
    process.setProcessEnvironment(environment);
    const QString out = dir.filePath("tiles");
    process.start(QStringLiteral(QUILTERA_CLI_PATH), {"--tiles", "25x25", "--format", "tif", "--out", out, photo});
    ASSERT_TRUE(process.waitForStarted());
    for (int i = 0; i < 2000 && QDir(out).entryList(QDir::Files).size() < 3; ++i)
        QThread::msleep(5);
    ::kill(pid_t(process.processId()), SIGKILL);
    process.waitForFinished();
    const QStringList left = QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    ASSERT_FALSE(left.isEmpty());
    for (const QString &name : left) {
        EXPECT_FALSE(name.startsWith('.')) << name.toStdString();
        EXPECT_FALSE(QImage(QDir(out).filePath(name)).isNull()) << name.toStdString();
    }
}
