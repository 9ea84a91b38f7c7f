#include "dialogs/ProgramWindows.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test binary runs on the offscreen platform with its own configuration and data
// folders, so no test can read or overwrite the settings or profiles of the person running it.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir sandbox;
    qputenv("XDG_CONFIG_HOME", (sandbox.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (sandbox.path() + "/data").toUtf8());
    qputenv("HOME", (sandbox.path() + "/home").toUtf8());
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    // The real boxes, as the program installs them; tests script their own over them.
    const ProgramWindows windows(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
