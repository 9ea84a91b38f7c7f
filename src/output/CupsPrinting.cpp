#include "output/CupsPrinting.h"

#include "common/NativeFiles.h"
#include "output/SheetSelection.h"
#include "resources/PosterStrings.h"

#include <cups/cups.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>

namespace {

// A scheduler that does not answer within these bounds is taken as not answering at all:
// printing never freezes the window or the command line for minutes.
constexpr int kConnectMilliseconds = 5000;
constexpr double kReplySeconds = 15.0;

QString cupsReason()
{
    return QString::fromUtf8(cupsLastErrorString());
}

struct ConnectionClose
{
    void operator()(http_t *http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, ConnectionClose>;

// Set when a call was ended for want of an answer; CUPS itself then reports no error.
thread_local bool schedulerSilent = false;

// A wait past the reply bound ends the call.
int giveUpWaiting(http_t *, void *)
{
    schedulerSilent = true;
    return 0;
}

Connection connectToScheduler()
{
    schedulerSilent = false;
    Connection http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                 kConnectMilliseconds, nullptr));
    if (http)
        httpSetTimeout(http.get(), kReplySeconds, giveUpWaiting, nullptr);
    return http;
}

bool schedulerDidNotAnswer()
{
    const ipp_status_t status = cupsLastError();
    return schedulerSilent || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
}

// The least of the margins a printer supports at an edge, given in hundredths of a
// millimetre; 0 when it does not say.
double leastMarginPoints(ipp_t *response, const char *attribute)
{
    constexpr double kPointsPerHundredthMillimetre = 72.0 / 2540.0;
    ipp_attribute_t *margins = ippFindAttribute(response, attribute, IPP_TAG_INTEGER);
    if (margins == nullptr || ippGetCount(margins) == 0)
        return 0.0;
    int least = ippGetInteger(margins, 0);
    for (int i = 1; i < ippGetCount(margins); ++i)
        least = std::min(least, ippGetInteger(margins, i));
    return std::max(least, 0) * kPointsPerHundredthMillimetre;
}

// What the scheduler says of a queue: whether it can take a poster now, and whether it
// prints in colour. The connection stays open for the job.
struct QueueState
{
    Connection http;
    QByteArray name;
    bool colour = false;
};

std::optional<QueueState> queueReadyToPrint(const QString &queue, PrintJobResult &result)
{
    QueueState state;
    state.http = connectToScheduler();
    if (!state.http) {
        result.errorText = PosterStrings::kPrintServiceSilent;
        return std::nullopt;
    }
    state.name = queue.toUtf8();
    if (state.name.isEmpty()) {
        const char *fallback = cupsGetDefault2(state.http.get());
        if (fallback == nullptr) {
            result.errorText = schedulerDidNotAnswer() ? QString(PosterStrings::kPrintServiceSilent)
                                                       : PosterStrings::kNoDefaultPrinter + QStringLiteral(" - ") + cupsReason();
            return std::nullopt;
        }
        state.name = fallback;
    }
    result.queue = QString::fromUtf8(state.name);

    // Asked on this connection alone: cupsGetNamedDest would look further afield on
    // connections of its own, which wait a minute each for a scheduler that does not answer.
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     state.name.constData());
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char *const kWanted[] = {"printer-state", "printer-state-message", "printer-is-accepting-jobs",
                                          "printer-type", "media-top-margin-supported", "media-right-margin-supported",
                                          "media-bottom-margin-supported", "media-left-margin-supported"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(kWanted)), nullptr,
                  kWanted);
    ipp_t *response = cupsDoRequest(state.http.get(), request, "/");
    if (response == nullptr || cupsLastError() > IPP_STATUS_OK_CONFLICTING) {
        ippDelete(response);
        result.errorText = schedulerDidNotAnswer()
            ? QString(PosterStrings::kPrintServiceSilent)
            : PosterStrings::noSuchPrinterText(result.queue) + QStringLiteral(" - ") + cupsReason();
        return std::nullopt;
    }
    ipp_attribute_t *message = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT);
    const char *messageText = message != nullptr ? ippGetString(message, 0, nullptr) : nullptr;
    const QString reason =
        messageText != nullptr && *messageText ? QStringLiteral(" - ") + QString::fromUtf8(messageText) : QString();
    ipp_attribute_t *printerState = ippFindAttribute(response, "printer-state", IPP_TAG_ENUM);
    ipp_attribute_t *accepting = ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    ipp_attribute_t *type = ippFindAttribute(response, "printer-type", IPP_TAG_ENUM);
    state.colour = type != nullptr && (ippGetInteger(type, 0) & CUPS_PRINTER_COLOR) != 0;
    result.leastMarginsPoints = QMarginsF(leastMarginPoints(response, "media-left-margin-supported"),
                                          leastMarginPoints(response, "media-top-margin-supported"),
                                          leastMarginPoints(response, "media-right-margin-supported"),
                                          leastMarginPoints(response, "media-bottom-margin-supported"));
    if (printerState != nullptr && ippGetInteger(printerState, 0) == IPP_PSTATE_STOPPED)
        result.errorText = PosterStrings::printerStoppedText(result.queue) + reason;
    else if (accepting != nullptr && !ippGetBoolean(accepting, 0))
        result.errorText = PosterStrings::printerRefusesJobsText(result.queue) + reason;
    ippDelete(response);
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

PrintJobResult checkPrintQueue(const QString &queue)
{
    PrintJobResult result;
    static_cast<void>(queueReadyToPrint(queue, result));
    return result;
}

PrintJobResult printPosterPdf(const QString &pdfPath, const QString &queue, const QSizeF &pagePoints,
                              const QString &title, const PrintChoices &choices)
{
    PrintJobResult result;
    const std::optional<QueueState> state = queueReadyToPrint(queue, result);
    if (!state)
        return result;
    cups_option_t *options = nullptr;
    int count = 0;
    for (const auto &[option, value] : posterJobOptions(pagePoints, state->colour, choices))
        count = cupsAddOption(option.constData(), value.constData(), count, &options);
    result.jobId = cupsPrintFile2(state->http.get(), state->name.constData(), encodeNativePath(pdfPath).constData(),
                                  title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (result.jobId <= 0) {
        result.jobId = 0;
        result.errorText = PosterStrings::kPrintFailed + QStringLiteral(" - ") + cupsReason();
    }
    return result;
}
