#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What one run of quiltera-cli left behind.
struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the built quiltera-cli with the arguments, with its settings and profile files in
// `home` (XDG_CONFIG_HOME and XDG_DATA_HOME below it), so no run sees another's files.
// `environment` starts from this process's; tests may remove from it.
CliRun runCli(const QStringList &arguments, const QString &home,
              QProcessEnvironment environment = QProcessEnvironment::systemEnvironment());

// Runs quiltera-cli through /bin/sh with the arguments written in shell syntax, so a test
// can hand it bytes that are not UTF-8 ("$(printf 'caf\\351')").
CliRun runCliFromShell(const QString &shellArguments, const QString &home);
