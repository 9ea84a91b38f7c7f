#pragma once

#include "support/PopplerTools.h"

#include <QDir>
#include <QElapsedTimer>
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
