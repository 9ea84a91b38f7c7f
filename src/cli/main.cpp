#include "cli/CommandLineRun.h"
#include "common/NativeFiles.h"
#include "common/Translations.h"
#include "resources/CliStrings.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

// Qt's own notices (a missing runtime folder of the offscreen platform, say) are not
// this program's messages; only its critical errors still reach standard error.
void quietQtMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

} // namespace

// Images are decoded, turned and encoded through Qt's GUI module, which needs a GUI
// application; the offscreen platform lets it start on a machine without any display.
int main(int argc, char **argv)
{
    qInstallMessageHandler(quietQtMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(CliStrings::kProgramName);
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILTERA_VERSION));
    const Translations language;

    QTextStream out(stdout);
    QTextStream err(stderr);
    // The arguments as given: Qt's own list turns a file name that is not UTF-8 into U+FFFD.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(decodeNativePath(QByteArray(argv[i])));
    const int code = runCommandLine(arguments, out, err, isatty(fileno(stderr)) != 0);
    out.flush();
    err.flush();
    return code;
}
