#pragma once

#include <QByteArray>
#include <QList>
#include <QMarginsF>
#include <QPair>
#include <QSizeF>
#include <QString>

#include <atomic>

// Sends a finished PDF poster to a CUPS print queue at 100 percent: never scaled to fit,
// on paper of the poster's own page size.
struct PrintJobResult
{
    int jobId = 0;       // CUPS's job number, 0 when nothing was sent
    QString queue;       // the queue the job went to
    QString errorText;   // why nothing was sent; empty on success
    QMarginsF leastMarginsPoints; // how close to each paper edge the queue prints, as it says

    bool ok() const { return jobId > 0; }
};

// What the person chose to print of the poster's PDF.
struct PrintChoices
{
    int copies = 1;
    QList<int> pages; // pages of the PDF from 1, in order; empty for all
};

// Whether the queue can take a poster now: the print service answers, the queue exists,
// accepts jobs and is not stopped (with the reason CUPS gives). Asked before the poster is
// made, so that a misspelt or jammed printer is named at once. The result's queue is set,
// its job is 0; errorText is empty when the queue is ready. queue empty means the default
// queue. Every call to CUPS ends within seconds, whether the scheduler answers or not, and
// within a quarter second of cancel turning true (from another thread), with errorText
// saying that printing was cancelled.
PrintJobResult checkPrintQueue(const QString &queue, const std::atomic<bool> *cancel = nullptr);

// queue empty means the default queue. The title names the job in the queue. A job that
// is cancelled or fails while its PDF is being sent is taken off the queue again.
PrintJobResult printPosterPdf(const QString &pdfPath, const QString &queue, const QSizeF &pagePoints,
                              const QString &title, const PrintChoices &choices = {},
                              const std::atomic<bool> *cancel = nullptr);

// The CUPS media option for a page of that size in points ("Custom.612x792").
QString cupsMediaOption(const QSizeF &pagePoints);


// Every job option a poster needs, whatever the queue's own defaults (two-sided, several
// pages per sheet, turned, scaled to fit): the sheet's media, one side, one page per
// sheet, the page as it stands, no scaling, and colour on a colour printer.
// With the copies and pages chosen.
QList<QPair<QByteArray, QByteArray>> posterJobOptions(const QSizeF &pagePoints, bool colourPrinter,
                                                      const PrintChoices &choices = {});
