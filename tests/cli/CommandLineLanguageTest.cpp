#include "support/CliProcess.h"
#include "resources/CliStrings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

// quiltera-cli speaks the language of the locale it is started in, and English where it
// has no translation.
TEST(CommandLineLanguage, MessagesAndHelpFollowTheLocale)
{
    const struct
    {
        const char *lang;
        QString wrongTiles;
        QString help;
    } cases[] = {
        {"de_DE.UTF-8", QStringLiteral("--tiles braucht zwei ganze Zahlen von 1 bis 25, etwa 4x3, nicht \"99x1\""),
         QStringLiteral("Zerlegt ein Foto in Posterkacheln")},
        {"fr_FR.UTF-8", CliStrings::kBadTiles + QStringLiteral(", not \"99x1\""), CliStrings::kDescription},
        {"C.UTF-8", CliStrings::kBadTiles + QStringLiteral(", not \"99x1\""), CliStrings::kDescription},
    };
    TempDir home;
    for (const auto &c : cases) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(name);
        environment.insert("LANG", c.lang);
        const CliRun wrong = runCli({"--tiles", "99x1", "photo.jpg"}, home.path(), environment);
        EXPECT_EQ(wrong.exitCode, 2) << c.lang;
        EXPECT_TRUE(wrong.err.contains(c.wrongTiles)) << c.lang << ": " << wrong.err.toStdString();
        const CliRun help = runCli({"--help"}, home.path(), environment);
        EXPECT_TRUE(help.out.contains(c.help)) << c.lang << ": " << help.out.toStdString();
    }
}
