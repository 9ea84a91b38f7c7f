#include "imaging/ImageFileRules.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

struct Ran
{
    int exitCode = -1;
    QString output; // standard output and error together
};

Ran run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(300000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

// The tree `cmake --install` makes under a fresh prefix.
class InstallTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const Ran installed =
            run("cmake", {"--install", QStringLiteral(QUILTERA_BUILD_DIR), "--prefix", prefix.path()});
        ASSERT_EQ(installed.exitCode, 0) << installed.output.toStdString();
    }

    QString file(const QString &relative) const { return QDir(prefix.path()).filePath(relative); }

    TempDir prefix;
};

} // namespace

TEST_F(InstallTree, HoldsBothProgramsTheManualIconsAndValidDesktopMetadata)
{
    for (const char *relative : {"bin/quiltera", "bin/quiltera-cli", "share/quiltera/quiltera.html",
                                 "share/icons/hicolor/scalable/apps/quiltera.svg",
                                 "share/icons/hicolor/48x48/apps/quiltera.png",
                                 "share/icons/hicolor/256x256/apps/quiltera.png"})
        EXPECT_TRUE(QFileInfo(file(relative)).isFile()) << relative;

    // Every picture the manual shows is installed beside it.
    QFile manual(file("share/quiltera/quiltera.html"));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(manual.readAll());
    const QRegularExpression picture(QStringLiteral("<img src=\"([^\"]+)\""));
    int pictures = 0;
    for (const QRegularExpressionMatch &found : picture.globalMatch(html)) {
        EXPECT_TRUE(QFileInfo(file("share/quiltera/" + found.captured(1))).isFile()) << found.captured(1).toStdString();
        ++pictures;
    }
    EXPECT_GT(pictures, 0);

    const QString desktop = file("share/applications/com.quilterasoftware.Quiltera.desktop");
    const Ran entry = run("desktop-file-validate", {desktop});
    EXPECT_EQ(entry.exitCode, 0) << entry.output.toStdString();
    QFile text(desktop);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(text.readAll());
    EXPECT_TRUE(content.contains("Exec=quiltera %f"));
    // The file manager offers the program for exactly what it opens.
    const QRegularExpression mimeLine(R"(^MimeType=(.*);$)", QRegularExpression::MultilineOption);
    const QStringList offered = mimeLine.match(content).captured(1).split(u';');
    EXPECT_EQ(QSet<QString>(offered.begin(), offered.end()),
              QSet<QString>(ImageFileRules::loadableMimeTypes().begin(), ImageFileRules::loadableMimeTypes().end()));
    for (const QString &ending : ImageFileRules::loadableEndings())
        EXPECT_TRUE(offered.contains(QMimeDatabase().mimeTypeForFile("x." + ending, QMimeDatabase::MatchExtension).name()))
            << ending.toStdString();

    const Ran metadata =
        run("appstreamcli", {"validate", "--no-net", file("share/metainfo/com.quilterasoftware.Quiltera.metainfo.xml")});
    EXPECT_EQ(metadata.exitCode, 0) << metadata.output.toStdString();
}

TEST_F(InstallTree, ManPagesShowAndListEveryOptionAndExitCode)
{
    const Ran help = run(file("bin/quiltera-cli"), {"--help"});
    ASSERT_EQ(help.exitCode, 0);
    const Ran page = run("man", {"-l", "-P", "cat", file("share/man/man1/quiltera-cli.1")});
    ASSERT_EQ(page.exitCode, 0) << page.output.toStdString();
    // man may hyphenate and set dashes typographically; compare plain words.
    const QString shown = QString(page.output).replace(QChar(0x2010), u'-').replace(QChar(0x2212), u'-');
    const QRegularExpression option(R"(^\s+(--[a-z-]+))", QRegularExpression::MultilineOption);
    int options = 0;
    for (auto match = option.globalMatch(help.output); match.hasNext(); ++options) {
        const QString name = match.next().captured(1);
        EXPECT_TRUE(shown.contains(name)) << name.toStdString();
    }
    EXPECT_GT(options, 20);
    for (const char *code : {"EXIT STATUS", "0", "1", "2"})
        EXPECT_TRUE(shown.contains(code)) << code;
    EXPECT_EQ(run("man", {"-l", "-P", "cat", file("share/man/man1/quiltera.1")}).exitCode, 0);
}

TEST(DebianPackage, InstallsTheProgramsTheDesktopEntryAndTheirRunTimeLibraries)
{
    TempDir out;
    const Ran packed = run("cpack", {"-G", "DEB", "-B", out.path(), "--config",
                                     QStringLiteral(QUILTERA_BUILD_DIR) + "/CPackConfig.cmake"});
    ASSERT_EQ(packed.exitCode, 0) << packed.output.toStdString();
    const QStringList debs = QDir(out.path()).entryList({"quiltera_*.deb"}, QDir::Files);
    ASSERT_EQ(debs.size(), 1) << packed.output.toStdString();
    const QString deb = QDir(out.path()).filePath(debs.first());

    const QString info = run("dpkg-deb", {"--info", deb}).output;
    EXPECT_TRUE(info.contains("Package: quiltera"));
    for (const char *library : {"libqt6widgets6", "libqt6printsupport6", "libpodofo", "libcups2", "libjpeg62-turbo"})
        EXPECT_TRUE(info.contains(library)) << library;
    const QString contents = run("dpkg-deb", {"--contents", deb}).output;
    for (const char *path : {"./usr/bin/quiltera", "./usr/bin/quiltera-cli",
                             "./usr/share/applications/com.quilterasoftware.Quiltera.desktop",
                             "./usr/share/man/man1/quiltera-cli.1", "./usr/share/icons/hicolor/scalable/apps/quiltera.svg"})
        EXPECT_TRUE(contents.contains(path)) << path;
}
