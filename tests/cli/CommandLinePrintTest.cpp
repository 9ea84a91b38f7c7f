#include "support/CliProcess.h"

#include "resources/PosterStrings.h"
#include "support/PopplerTools.h"
#include "support/PrintedJobs.h"
#include "support/SilentScheduler.h"
#include "support/TempDir.h"

#include <QDir>
#include <QImage>
#include <QUuid>

#include <gtest/gtest.h>



namespace {

// A flat square picture to print.
QString writePoster(const TempDir &dir, int side)
{
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString path = dir.filePath("poster.bmp");
    EXPECT_TRUE(picture.save(path, "BMP"));
    return path;
}

} // namespace

// On a plain queue and on one whose defaults are two-sided, two pages per sheet and
// landscape alike, every sheet arrives as a page of its own at the paper's size.
TEST(CommandLinePrint, APosterPrintedOnACupsQueueArrivesAsItsPagesAtFullSize)
{
    if (printed_jobs::printQueue().isEmpty())
        GTEST_SKIP() << "no print queue (scripts/print-queue.sh makes one)";
    TempDir dir;
    const QString source = writePoster(dir, 800);

    for (const QString &queue : {printed_jobs::printQueue(), printed_jobs::hostilePrintQueue()}) {
        SCOPED_TRACE(queue.toStdString());
        const QString base = "print" + QUuid::createUuid().toString(QUuid::Id128).left(8) + "_";
        const CliRun run = runCli({"--tiles", "2x2", "--paper", "Letter 8.5\" x 11\"", "--base", base, "--print-queue",
                                   queue, "--print", source},
                                  dir.filePath("home"));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QString printed = printed_jobs::printedPdf(base);
        ASSERT_FALSE(printed.isEmpty()) << "the queue wrote no PDF";
        const QList<QSizeF> pages = poppler::pageBoxes(printed);
        EXPECT_EQ(pages.size(), 5); // the assembly page and four sheets
        for (const QSizeF &page : pages)
            EXPECT_EQ(page, QSizeF(612, 792));
        QFile::remove(printed);
    }
}

// --print takes no value wherever it stands; --print-queue and --print=QUEUE name the queue.
TEST(CommandLinePrint, TheQueueIsNamedByPrintQueueOrPrintEqualsAndAMissingOneWithTheReasonCupsGives)
{
    TempDir dir;
    const QString source = writePoster(dir, 400);
    const struct
    {
        QStringList arguments;
        int exitCode;
        const char *says;
    } cases[] = {
        {{"--print=NoSuchQueue", source}, 1, "The printer \"NoSuchQueue\" does not exist - "},
        {{"--print-queue", "NoSuchQueue", source}, 1, "The printer \"NoSuchQueue\" does not exist - "},
        {{"--print", "--print-queue", "NoSuchQueue", source}, 1, "The printer \"NoSuchQueue\" does not exist - "},
        {{source, "--print", "NoSuchQueue"}, 2, "Only one IMAGE"},
        {{"--print", "NoSuchQueue", source}, 2, "Only one IMAGE"},
    };
    for (const auto &[arguments, exitCode, says] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun run =
            runCli(QStringList{"--tiles", "2x2", "--paper", "Letter 8.5\" x 11\""} + arguments, dir.filePath("home"));
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(says))) << run.err.toStdString();
    }
}

// A queue that cannot take the poster is named, with the reason CUPS gives, before any
// of the poster is made; a scheduler that does not answer is named as such within seconds.
TEST(CommandLinePrint, AQueueThatCannotPrintIsNamedBeforeThePosterIsMade)
{
    if (printed_jobs::printQueue().isEmpty())
        GTEST_SKIP() << "no print queue (scripts/print-queue.sh makes one)";
    TempDir dir;
    const QString source = writePoster(dir, 400);
    const SilentScheduler silent;
    ASSERT_TRUE(silent.listening());
    const QString queue = printed_jobs::printQueue();
    const struct
    {
        QString queue;
        QString server;
        QString says;
    } cases[] = {
        {queue + "Jammed", {}, "The printer \"" + queue + "Jammed\" is stopped - paper jam"},
        {queue + "Refusing", {}, "The printer \"" + queue + "Refusing\" does not accept jobs - out of toner"},
        {"NoSuchQueue", {}, "The printer \"NoSuchQueue\" does not exist - "},
        {queue, silent.address(), PosterStrings::kPrintServiceSilent},
    };
    int run = 0;
    for (const auto &[name, server, says] : cases) {
        SCOPED_TRACE(name.toStdString());
        QProcessEnvironment environment = englishEnvironment();
        if (!server.isEmpty())
            environment.insert("CUPS_SERVER", server);
        const QString out = dir.filePath(QString::number(++run));
        const CliRun result =
            runCli({"--tiles", "2x2", "--print-queue", name, "--out", out, source}, dir.filePath("home"), environment);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.err.contains(says)) << result.err.toStdString();
        EXPECT_FALSE(QDir(out).exists()) << "the poster was made before the queue was asked";
    }
}

// A printer that cannot reach the poster's margins is named with each edge and amount,
// and prints only with --allow-clipping, which still says what will be missing.
TEST(CommandLinePrint, MarginsThePrinterCannotReachAreNamedAndPrintedOnlyWhenAllowed)
{
    if (printed_jobs::printQueue().isEmpty())
        GTEST_SKIP() << "no print queue (scripts/print-queue.sh makes one)";
    TempDir dir;
    const QString source = writePoster(dir, 400);
    const QString edges = "top edge by 0.15 inches, bottom edge by 0.15 inches, left edge by 0.15 inches";
    for (const bool allowed : {false, true}) {
        SCOPED_TRACE(allowed);
        const QString base = "margins" + QUuid::createUuid().toString(QUuid::Id128).left(8) + "_";
        QStringList arguments{"--tiles", "2x2", "--paper", "Letter 8.5\" x 11\"", "--margins", "0.1,0.3,0.1,0.1",
                              "--base", base, "--print-queue", printed_jobs::printQueue() + "Margins", source};
        if (allowed)
            arguments.prepend("--allow-clipping");
        const CliRun run = runCli(arguments, dir.filePath("home"));
        EXPECT_EQ(run.exitCode, allowed ? 0 : 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(edges)) << run.err.toStdString();
        if (allowed)
            QFile::remove(printed_jobs::printedPdf(base));
    }
}

// One spoiled sheet is made or printed again by its label or number, without the
// assembly page, in as many copies as asked.
TEST(CommandLinePrint, ChosenSheetsAreMadeAndPrintedAgainInTheCopiesAsked)
{
    TempDir dir;
    const QString source = writePoster(dir, 600);
    const QStringList poster{"--tiles", "3x2", "--paper", "Letter 8.5\" x 11\""};
    const CliRun made =
        runCli(poster + QStringList{"--format", "pdf", "--sheets", "B1,A2", "--out", dir.filePath("again"), source},
               dir.filePath("home"));
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_EQ(poppler::pageBoxes(QDir(dir.filePath("again")).filePath("poster_poster.pdf")).size(), 2);
    EXPECT_EQ(runCli(poster + QStringList{"--format", "pdf", "--sheets", "C1", source}, dir.filePath("home")).exitCode, 2);
    EXPECT_EQ(runCli(poster + QStringList{"--copies", "0", source}, dir.filePath("home")).exitCode, 2);
    EXPECT_EQ(runCli(poster + QStringList{"--format", "jpg", "--sheets", "A1", source}, dir.filePath("home")).exitCode, 2);

    if (printed_jobs::printQueue().isEmpty())
        GTEST_SKIP() << "no print queue (scripts/print-queue.sh makes one)";
    const QString base = "again" + QUuid::createUuid().toString(QUuid::Id128).left(8) + "_";
    const CliRun printed = runCli(poster + QStringList{"--sheets", "2", "--copies", "2", "--base", base, "--print-queue",
                                                        printed_jobs::printQueue(), source},
                                  dir.filePath("home"));
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    const QString pdf = printed_jobs::printedPdf(base);
    EXPECT_EQ(poppler::pageBoxes(pdf).size(), 1);
    EXPECT_EQ(printed_jobs::jobCopies(printed_jobs::jobNumberIn(printed.out)), 2);
    QFile::remove(pdf);
}
