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

// This process's environment, set to speak English whatever the language of the person
// running the tests: the tests compare what quiltera-cli says with the English texts.
QProcessEnvironment englishEnvironment();

// Runs the built quiltera-cli with the arguments, with its settings and profile files in
// `home` (XDG_CONFIG_HOME and XDG_DATA_HOME below it), so no run sees another's files.
// `environment` starts from englishEnvironment(); tests may change it.
CliRun runCli(const QStringList &arguments, const QString &home,
              QProcessEnvironment environment = englishEnvironment());

// Runs quiltera-cli through /bin/sh with the arguments written in shell syntax, so a test
// can hand it bytes that are not UTF-8 ("$(printf 'caf\\351')").
CliRun runCliFromShell(const QString &shellArguments, const QString &home);
