#include "output/CupsPrinting.h"

#include "common/NativeFiles.h"
#include "resources/PosterStrings.h"

#include <cups/cups.h>

#include <cstdlib>

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

QList<QPair<QByteArray, QByteArray>> posterJobOptions(const QSizeF &pagePoints, bool colourPrinter)
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
    return options;
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
    const char *type = cupsGetOption("printer-type", destination->num_options, destination->options);
    const bool colourPrinter = type != nullptr && (std::strtoul(type, nullptr, 10) & CUPS_PRINTER_COLOR) != 0;
    cupsFreeDests(1, destination);
    if (stopped) {
        result.errorText = PosterStrings::printerStoppedText(result.queue)
            + (stateMessage != nullptr && *stateMessage ? QStringLiteral(" - ") + QString::fromUtf8(stateMessage)
                                                        : QString());
        return result;
    }

    cups_option_t *options = nullptr;
    int count = 0;
    for (const auto &[option, value] : posterJobOptions(pagePoints, colourPrinter))
        count = cupsAddOption(option.constData(), value.constData(), count, &options);
    result.jobId = cupsPrintFile(name.constData(), encodeNativePath(pdfPath).constData(), title.toUtf8().constData(),
                                 count, options);
    cupsFreeOptions(count, options);
    if (result.jobId <= 0) {
        result.jobId = 0;
        result.errorText = PosterStrings::kPrintFailed + QStringLiteral(" - ") + cupsReason();
    }
    return result;
}
