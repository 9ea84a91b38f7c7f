#pragma once

#include "support/PopplerTools.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace printed_jobs {

// The queue scripts/print-queue.sh made: cups-pdf writes each job into ~/PDF of the user
// who printed it, under the job's title.
inline QString printQueue()
{
    return qEnvironmentVariable("QUILTERA_TEST_PRINT_QUEUE");
}

// The queue beside it whose defaults are two-sided, two pages per sheet and landscape.
inline QString hostilePrintQueue()
{
    return printQueue().isEmpty() ? QString() : printQueue() + QStringLiteral("TwoSidedTwoUp");
}

// The copies the scheduler recorded for a job, as ipptool reads them; 0 when unknown.
inline int jobCopies(int job)
{
    QProcess ipptool;
    ipptool.start("ipptool", {"-tv", QStringLiteral("ipp://localhost/jobs/%1").arg(job), "get-job-attributes.test"});
    ipptool.waitForFinished(30000);
    const QRegularExpression copies(QStringLiteral("copies \\(integer\\) = (\\d+)"));
    return copies.match(QString::fromUtf8(ipptool.readAllStandardOutput())).captured(1).toInt();
}

// The job number in "Sent to printer QUEUE as job N"; 0 when there is none.
inline int jobNumberIn(const QString &text)
{
    return QRegularExpression(QStringLiteral("as job (\\d+)")).match(text).captured(1).toInt();
}

inline QString printedPdf(const QString &title)
{
    const QDir folder(QString::fromLocal8Bit(::getpwuid(::getuid())->pw_dir) + "/PDF");
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000) {
        const QStringList found = folder.entryList({title + "*.pdf"}, QDir::Files);
        if (!found.isEmpty()) {
            const QString path = folder.filePath(found.first());
            if (poppler::pageBoxes(path).size() > 0)
                return path;
        }
        QThread::msleep(200);
    }
    return QString();
}

} // namespace printed_jobs
