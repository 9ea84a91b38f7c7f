#include "support/CliProcess.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

CliRun runProgram(const QString &program, const QStringList &arguments, const QString &home,
                  QProcessEnvironment environment)
{
    environment.insert("XDG_CONFIG_HOME", home + "/config");
    environment.insert("XDG_DATA_HOME", home + "/data");
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    CliRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "quiltera-cli did not finish normally";
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

QProcessEnvironment englishEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LANGUAGE");
    environment.insert("LC_ALL", "C.UTF-8");
    return environment;
}

CliRun runCli(const QStringList &arguments, const QString &home, QProcessEnvironment environment)
{
    return runProgram(QStringLiteral(QUILTERA_CLI_PATH), arguments, home, std::move(environment));
}

CliRun runCliFromShell(const QString &shellArguments, const QString &home)
{
    return runProgram(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("exec '%1' %2").arg(QUILTERA_CLI_PATH, shellArguments)},
                      home, englishEnvironment());
}
