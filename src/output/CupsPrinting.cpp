#include "output/CupsPrinting.h"

#include "common/NativeFiles.h"
#include "resources/PosterStrings.h"

#include <cups/cups.h>

namespace {

constexpr const char *kStoppedState = "5";

QString cupsReason()
{
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace

QString cupsMediaOption(const QSizeF &pagePoints)
{
    return QStringLiteral("Custom.%1x%2")
        .arg(QString::number(pagePoints.width(), 'f', 2), QString::number(pagePoints.height(), 'f', 2));
}

PrintJobResult printPosterPdf(const QString &pdfPath, const QString &queue, const QSizeF &pagePoints,
                              const QString &title)
{
    PrintJobResult result;
    QByteArray name = queue.toUtf8();
    if (name.isEmpty()) {
        const char *fallback = cupsGetDefault();
        if (fallback == nullptr) {
            result.errorText = PosterStrings::kNoDefaultPrinter + QStringLiteral(" - ") + cupsReason();
            return result;
        }
        name = fallback;
    }
    result.queue = QString::fromUtf8(name);

    cups_dest_t *destination = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (destination == nullptr) {
        result.errorText = PosterStrings::noSuchPrinterText(result.queue) + QStringLiteral(" - ") + cupsReason();
        return result;
    }
    const char *state = cupsGetOption("printer-state", destination->num_options, destination->options);
    const char *stateMessage =
        cupsGetOption("printer-state-message", destination->num_options, destination->options);
    const bool stopped = state != nullptr && qstrcmp(state, kStoppedState) == 0;
    cupsFreeDests(1, destination);
    if (stopped) {
        result.errorText = PosterStrings::printerStoppedText(result.queue)
            + (stateMessage != nullptr && *stateMessage ? QStringLiteral(" - ") + QString::fromUtf8(stateMessage)
                                                        : QString());
        return result;
    }

    cups_option_t *options = nullptr;
    int count = 0;
    count = cupsAddOption("media", cupsMediaOption(pagePoints).toUtf8().constData(), count, &options);
    count = cupsAddOption("print-scaling", "none", count, &options);
    count = cupsAddOption("fit-to-page", "false", count, &options);
    result.jobId = cupsPrintFile(name.constData(), encodeNativePath(pdfPath).constData(), title.toUtf8().constData(),
                                 count, options);
    cupsFreeOptions(count, options);
    if (result.jobId <= 0) {
        result.jobId = 0;
        result.errorText = PosterStrings::kPrintFailed + QStringLiteral(" - ") + cupsReason();
    }
    return result;
}
