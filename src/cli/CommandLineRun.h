#pragma once

#include <QStringList>
#include <QTextStream>

// Exit codes of quiltera-cli.
enum CliExitCode : int {
    kExitSuccess = 0,
    kExitRunFailed = 1, // the run stopped with the message the window would show
    kExitUsage = 2,     // the command line was wrong; the message says what
};

// One run of the command line: reads the options, the stored settings and the image,
// then prints the report or saves the tiles. Results go to `out`, messages to `err`;
// the progress bar is drawn only when `errIsTerminal`.
int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err, bool errIsTerminal);
