#include "output/CupsPrinting.h"

#include "common/LazyLibrary.h"
#include "output/SheetSelection.h"
#include "resources/PosterStrings.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cups/cups.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>

namespace {

// CUPS is opened the first time a print queue is asked about: other runs never load it.
#define QUILTERA_CUPS_FUNCTIONS(F) \
    F(cupsAddOption)                                                                                                 \
    F(cupsCancelJob2)                                                                                                \
    F(cupsCreateJob)                                                                                                 \
    F(cupsDoRequest)                                                                                                 \
    F(cupsEncryption)                                                                                                \
    F(cupsFinishDocument)                                                                                            \
    F(cupsFreeOptions)                                                                                               \
    F(cupsGetDefault2)                                                                                               \
    F(cupsLastError)                                                                                                 \
    F(cupsLastErrorString)                                                                                           \
    F(cupsServer)                                                                                                    \
    F(cupsStartDocument)                                                                                             \
    F(cupsWriteRequestData)                                                                                          \
    F(httpAssembleURIf)                                                                                              \
    F(httpClose)                                                                                                     \
    F(httpConnect2)                                                                                                  \
    F(httpSetTimeout)                                                                                                \
    F(ippAddString)                                                                                                  \
    F(ippAddStrings)                                                                                                 \
    F(ippDelete)                                                                                                     \
    F(ippFindAttribute)                                                                                              \
    F(ippGetBoolean)                                                                                                 \
    F(ippGetCount)                                                                                                   \
    F(ippGetInteger)                                                                                                 \
    F(ippGetString)                                                                                                  \
    F(ippNewRequest)                                                                                                 \
    F(ippPort)

struct CupsFunctions
{
    QUILTERA_CUPS_FUNCTIONS(QUILTERA_LAZY_MEMBER)
};

bool fillCupsFunctions(LazyLibrary &library, CupsFunctions &functions)
{
    bool found = true;
    QUILTERA_CUPS_FUNCTIONS(QUILTERA_LAZY_RESOLVE)
    return found;
}

const LibraryFunctions<CupsFunctions> &cupsLibraryFunctions()
{
    return loadFunctions(QUILTERA_CUPS_LIBRARY, fillCupsFunctions);
}

const CupsFunctions &cups()
{
    return cupsLibraryFunctions().functions;
}

// A scheduler that does not answer within these bounds is taken as not answering at all:
// printing never freezes the window or the command line for minutes.
constexpr int kConnectMilliseconds = 5000;
constexpr qint64 kReplyMilliseconds = 15000;
// How often a wait for the scheduler looks whether the person cancelled.
constexpr double kCancelCheckSeconds = 0.25;
// The PDF goes to the scheduler in pieces of this size, with a look at cancel between.
constexpr qint64 kChunkBytes = 256 * 1024;

QString cupsReason()
{
    return QString::fromUtf8(cups().cupsLastErrorString());
}

struct ConnectionClose
{
    void operator()(http_t *http) const { cups().httpClose(http); }
};

// How a connection's waits end: within the reply bound, or earlier when cancelled.
struct SchedulerWait
{
    const std::atomic<bool> *cancel = nullptr;
    QDeadlineTimer deadline;
    bool silent = false;
    bool cancelled = false;

    void expectAnswer() { deadline.setRemainingTime(kReplyMilliseconds); }
    bool cancelRequested() const { return cancel != nullptr && cancel->load(); }
};

// CUPS asks, every quarter second of a wait, whether to go on waiting.
int keepWaiting(http_t *, void *data)
{
    auto *wait = static_cast<SchedulerWait *>(data);
    wait->cancelled = wait->cancelRequested();
    wait->silent = !wait->cancelled && wait->deadline.hasExpired();
    return wait->cancelled || wait->silent ? 0 : 1;
}

struct SchedulerConnection
{
    std::unique_ptr<http_t, ConnectionClose> http;
    std::unique_ptr<SchedulerWait> wait; // where the connection's wait callback looks
};

SchedulerConnection connectToScheduler(const std::atomic<bool> *cancel)
{
    SchedulerConnection connection{nullptr, std::make_unique<SchedulerWait>()};
    connection.wait->cancel = cancel;
    connection.wait->expectAnswer();
    const CupsFunctions &api = cups();
    connection.http.reset(api.httpConnect2(api.cupsServer(), api.ippPort(), nullptr, AF_UNSPEC, api.cupsEncryption(), 1,
                                           kConnectMilliseconds, nullptr));
    if (connection.http)
        cups().httpSetTimeout(connection.http.get(), kCancelCheckSeconds, keepWaiting, connection.wait.get());
    return connection;
}

// Why a call got no answer: the person cancelled, or the scheduler is silent; empty when
// the scheduler answered.
QString unanswered(const SchedulerWait &wait)
{
    if (wait.cancelled || wait.cancelRequested())
        return PosterStrings::kPrintCancelled;
    if (wait.silent || cups().cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return PosterStrings::kPrintServiceSilent;
    return QString();
}

QString sendingFailed(const SchedulerWait &wait)
{
    const QString why = unanswered(wait);
    return why.isEmpty() ? PosterStrings::kPrintFailed + QStringLiteral(" - ") + cupsReason() : why;
}

// Takes a job that did not get its whole PDF off the queue, on a connection of its own:
// the job's own connection may be cut mid-request.
void withdrawJob(const QByteArray &queue, int job)
{
    const SchedulerConnection connection = connectToScheduler(nullptr);
    if (connection.http)
        cups().cupsCancelJob2(connection.http.get(), queue.constData(), job, 0);
}

// The least of the margins a printer supports at an edge, given in hundredths of a
// millimetre; 0 when it does not say.
double leastMarginPoints(ipp_t *response, const char *attribute)
{
    constexpr double kPointsPerHundredthMillimetre = 72.0 / 2540.0;
    ipp_attribute_t *margins = cups().ippFindAttribute(response, attribute, IPP_TAG_INTEGER);
    if (margins == nullptr || cups().ippGetCount(margins) == 0)
        return 0.0;
    int least = cups().ippGetInteger(margins, 0);
    for (int i = 1; i < cups().ippGetCount(margins); ++i)
        least = std::min(least, cups().ippGetInteger(margins, i));
    return std::max(least, 0) * kPointsPerHundredthMillimetre;
}

// What the scheduler says of a queue: whether it can take a poster now, and whether it
// prints in colour. The connection stays open for the job.
struct QueueState
{
    SchedulerConnection connection;
    QByteArray name;
    bool colour = false;
};

std::optional<QueueState> queueReadyToPrint(const QString &queue, PrintJobResult &result,
                                            const std::atomic<bool> *cancel)
{
    if (!cupsLibraryFunctions().complete) {
        result.errorText = PosterStrings::kPrintFailed + QStringLiteral(" - ") + cupsLibraryFunctions().missing;
        return std::nullopt;
    }
    QueueState state;
    state.connection = connectToScheduler(cancel);
    SchedulerWait &wait = *state.connection.wait;
    if (!state.connection.http || wait.cancelRequested()) {
        result.errorText = wait.cancelRequested() ? PosterStrings::kPrintCancelled : PosterStrings::kPrintServiceSilent;
        return std::nullopt;
    }
    http_t *http = state.connection.http.get();
    state.name = queue.toUtf8();
    if (state.name.isEmpty()) {
        const char *fallback = cups().cupsGetDefault2(http);
        if (fallback == nullptr) {
            const QString why = unanswered(wait);
            result.errorText = why.isEmpty() ? PosterStrings::kNoDefaultPrinter + QStringLiteral(" - ") + cupsReason() : why;
            return std::nullopt;
        }
        state.name = fallback;
    }
    result.queue = QString::fromUtf8(state.name);

    // Asked on this connection alone: cupsGetNamedDest would look further afield on
    // connections of its own, which wait a minute each for a scheduler that does not answer.
    char uri[HTTP_MAX_URI];
    cups().httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", cups().ippPort(),
                            "/printers/%s", state.name.constData());
    ipp_t *request = cups().ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char *const kWanted[] = {"printer-state", "printer-state-message", "printer-is-accepting-jobs",
                                          "printer-type", "media-top-margin-supported", "media-right-margin-supported",
                                          "media-bottom-margin-supported", "media-left-margin-supported"};
    cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(kWanted)),
                         nullptr, kWanted);
    wait.expectAnswer();
    ipp_t *response = cups().cupsDoRequest(http, request, "/");
    if (response == nullptr || cups().cupsLastError() > IPP_STATUS_OK_CONFLICTING) {
        cups().ippDelete(response);
        const QString why = unanswered(wait);
        result.errorText =
            why.isEmpty() ? PosterStrings::noSuchPrinterText(result.queue) + QStringLiteral(" - ") + cupsReason() : why;
        return std::nullopt;
    }
    ipp_attribute_t *message = cups().ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT);
    const char *messageText = message != nullptr ? cups().ippGetString(message, 0, nullptr) : nullptr;
    const QString reason =
        messageText != nullptr && *messageText ? QStringLiteral(" - ") + QString::fromUtf8(messageText) : QString();
    ipp_attribute_t *printerState = cups().ippFindAttribute(response, "printer-state", IPP_TAG_ENUM);
    ipp_attribute_t *accepting = cups().ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    ipp_attribute_t *type = cups().ippFindAttribute(response, "printer-type", IPP_TAG_ENUM);
    state.colour = type != nullptr && (cups().ippGetInteger(type, 0) & CUPS_PRINTER_COLOR) != 0;
    result.leastMarginsPoints = QMarginsF(leastMarginPoints(response, "media-left-margin-supported"),
                                          leastMarginPoints(response, "media-top-margin-supported"),
                                          leastMarginPoints(response, "media-right-margin-supported"),
                                          leastMarginPoints(response, "media-bottom-margin-supported"));
    if (printerState != nullptr && cups().ippGetInteger(printerState, 0) == IPP_PSTATE_STOPPED)
        result.errorText = PosterStrings::printerStoppedText(result.queue) + reason;
    else if (accepting != nullptr && !cups().ippGetBoolean(accepting, 0))
        result.errorText = PosterStrings::printerRefusesJobsText(result.queue) + reason;
    cups().ippDelete(response);
    if (!result.errorText.isEmpty())
        return std::nullopt;
    return state;
}

} // namespace

QString cupsMediaOption(const QSizeF &pagePoints)
{
    return QStringLiteral("Custom.%1x%2")
        .arg(QString::number(pagePoints.width(), 'f', 2), QString::number(pagePoints.height(), 'f', 2));
}

QList<QPair<QByteArray, QByteArray>> posterJobOptions(const QSizeF &pagePoints, bool colourPrinter,
                                                      const PrintChoices &choices)
{
    QList<QPair<QByteArray, QByteArray>> options{
        {"media", cupsMediaOption(pagePoints).toUtf8()},
        {"sides", "one-sided"},
        {"number-up", "1"},
        // Portrait leaves each page as the PDF lays it out, landscape sheets included.
        {"orientation-requested", "3"},
        {"print-scaling", "none"},
        {"fit-to-page", "false"},
    };
    if (colourPrinter)
        options.append(qMakePair(QByteArray("print-color-mode"), QByteArray("color")));
    if (choices.copies > 1)
        options.append(qMakePair(QByteArray("copies"), QByteArray::number(choices.copies)));
    if (!choices.pages.isEmpty())
        options.append(qMakePair(QByteArray("page-ranges"), cupsPageRanges(choices.pages).toUtf8()));
    return options;
}

PrintJobResult checkPrintQueue(const QString &queue, const std::atomic<bool> *cancel)
{
    PrintJobResult result;
    static_cast<void>(queueReadyToPrint(queue, result, cancel));
    return result;
}

PrintJobResult printPosterPdf(const QString &pdfPath, const QString &queue, const QSizeF &pagePoints,
                              const QString &title, const PrintChoices &choices, const std::atomic<bool> *cancel)
{
    PrintJobResult result;
    std::optional<QueueState> state = queueReadyToPrint(queue, result, cancel);
    if (!state)
        return result;
    QFile pdf(pdfPath);
    if (!pdf.open(QIODevice::ReadOnly)) {
        result.errorText = PosterStrings::kPrintFailed + QStringLiteral(" - ") + pdf.errorString();
        return result;
    }
    http_t *http = state->connection.http.get();
    SchedulerWait &wait = *state->connection.wait;
    const QByteArray name = state->name;
    const QByteArray jobTitle = title.toUtf8();
    cups_option_t *options = nullptr;
    int count = 0;
    for (const auto &[option, value] : posterJobOptions(pagePoints, state->colour, choices))
        count = cups().cupsAddOption(option.constData(), value.constData(), count, &options);
    wait.expectAnswer();
    const int job = cups().cupsCreateJob(http, name.constData(), jobTitle.constData(), count, options);
    cups().cupsFreeOptions(count, options);
    if (job <= 0) {
        result.errorText = sendingFailed(wait);
        return result;
    }
    wait.expectAnswer();
    bool sent = cups().cupsStartDocument(http, name.constData(), job, jobTitle.constData(), CUPS_FORMAT_PDF, 1)
        == HTTP_STATUS_CONTINUE;
    while (sent && !pdf.atEnd()) {
        const QByteArray chunk = pdf.read(kChunkBytes);
        wait.expectAnswer();
        sent = !chunk.isEmpty() && !wait.cancelRequested()
            && cups().cupsWriteRequestData(http, chunk.constData(), size_t(chunk.size())) == HTTP_STATUS_CONTINUE;
    }
    if (sent) {
        wait.expectAnswer();
        sent = cups().cupsFinishDocument(http, name.constData()) <= IPP_STATUS_OK_CONFLICTING;
    }
    if (!sent) {
        result.errorText = sendingFailed(wait);
        state.reset(); // the connection may be cut mid-request: close it before withdrawing
        withdrawJob(name, job);
        return result;
    }
    result.jobId = job;
    return result;
}
