#include "calibration/ProfileStore.h"
#include "prefs/PreferenceStore.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kBuiltInFile = "default\t00,00,00,00,\r\n"
                                "Kodak photo lab default\t03,04,03,02,\r\n"
                                "Fuji photo lab default\t02,06,03,06,\r\n";

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray numberedLines(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "printer " + QByteArray::number(i) + "\t01,02,03,04,\r\n";
    return bytes;
}

QStringList backupsBeside(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().entryList({info.fileName() + ".bak*"}, QDir::Files, QDir::Name);
}

EdgeProfile profile(const QString &name, int top, int right, int bottom, int left)
{
    return {name, {top, right, bottom, left}};
}

} // namespace

TEST(ProfileStoreFile, WithoutAFileTheBuiltInProfilesAreWrittenByteForByte)
{
    TempDir dir;
    ProfileStore store(dir.filePath("sub/printer_edge_config"));
    EXPECT_EQ(store.initControls(), ProfileStore::kNoFile);
    ASSERT_EQ(store.profiles().size(), 3);
    EXPECT_EQ(store.profiles()[1], profile("Kodak photo lab default", 3, 4, 3, 2));
    EXPECT_EQ(fileBytes(store.filePath()), kBuiltInFile);
    EXPECT_TRUE(backupsBeside(store.filePath()).isEmpty());
}

TEST(ProfileStoreFile, ReadsCrLfCrAndLfLinesAndRewritesThemCanonically)
{
    TempDir dir;
    ProfileStore store(dir.write("printer_edge_config",
                                 "Epson, glossy\t02,10,00,03,\n"
                                 "Canon\t04,04,04,04,\r"
                                 "HP\t 1,16,0 ,00\r\n"
                                 "\t00,00,00,01,\r\n"
                                 "\r\n"));
    EXPECT_EQ(store.initControls(), ProfileStore::kReadOk);
    const QList<EdgeProfile> expected = {profile("Epson, glossy", 2, 10, 0, 3), profile("Canon", 4, 4, 4, 4),
                                         profile("HP", 1, 16, 0, 0), profile("", 0, 0, 0, 1)};
    EXPECT_EQ(store.profiles(), expected);
    EXPECT_EQ(fileBytes(store.filePath()),
              "Epson, glossy\t02,10,00,03,\r\nCanon\t04,04,04,04,\r\nHP\t01,16,00,00,\r\n\t00,00,00,01,\r\n");
    EXPECT_TRUE(backupsBeside(store.filePath()).isEmpty());

    // A file saved on an old Mac: every profile comes back, not just the first.
    ProfileStore crOnly(dir.write("printer_edge_config", "one\t01,01,01,01,\rtwo\t02,02,02,02,\rthree\t03,03,03,03,"));
    EXPECT_EQ(crOnly.ReadBorderPrefs(), ProfileStore::kReadOk);
    EXPECT_EQ(crOnly.profileNames(), QStringList({"one", "two", "three"}));
}

TEST(ProfileStoreFile, ALineTheTableCannotTakeIsKeptInABackupBeforeTheRewriteDropsIt)
{
    TempDir dir;
    const QByteArray original = "ok\t01,01,01,01,\r\nhuge\t99,00,00,00,\r\nnegative\t00,-1,00,00,\r\n"
                                "no tab here\r\nedge\t16,16,16,16,\r\n";
    ProfileStore store(dir.write("printer_edge_config", original));
    EXPECT_EQ(store.initControls(), ProfileStore::kReadOk);
    EXPECT_EQ(store.profileNames(), QStringList({"ok", "edge"}));
    EXPECT_EQ(fileBytes(store.filePath()), "ok\t01,01,01,01,\r\nedge\t16,16,16,16,\r\n");
    ASSERT_EQ(backupsBeside(store.filePath()), QStringList({"printer_edge_config.bak1"}));
    EXPECT_EQ(fileBytes(store.filePath() + ".bak1"), original);
}

TEST(ProfileStoreFile, ALineThatHoldsMoreThanItsProfileIsKeptInABackup)
{
    TempDir dir;
    const QByteArray glued = "mine\t01,02,03,04,theirs\t05,06,07,08,\r\n";
    ProfileStore store(dir.write("printer_edge_config", glued));
    EXPECT_EQ(store.initControls(), ProfileStore::kReadOk);
    EXPECT_EQ(store.profileNames(), QStringList({"mine"}));
    ASSERT_EQ(backupsBeside(store.filePath()), QStringList({"printer_edge_config.bak1"}));
    EXPECT_EQ(fileBytes(store.filePath() + ".bak1"), glued);
}

TEST(ProfileStoreFile, ATooLongFileIsCutAt199ProfilesButKeptWholeInABackup)
{
    TempDir dir;
    const QByteArray original = numberedLines(250);
    ProfileStore store(dir.write("printer_edge_config", original));
    EXPECT_EQ(store.initControls(), ProfileStore::kReadOk);
    ASSERT_EQ(store.profiles().size(), 199);
    EXPECT_EQ(store.profiles().last().name, "printer 198");
    EXPECT_EQ(fileBytes(store.filePath()), numberedLines(199));
    ASSERT_EQ(backupsBeside(store.filePath()), QStringList({"printer_edge_config.bak1"}));
    EXPECT_EQ(fileBytes(store.filePath() + ".bak1"), original);

    // Exactly 199 profiles leave nothing behind, so the next load makes no backup.
    EXPECT_EQ(store.initControls(), ProfileStore::kReadOk);
    EXPECT_EQ(backupsBeside(store.filePath()).size(), 1);
}

TEST(ProfileStoreFile, ANonNumberIndexFailsTheReadAndEveryFailedFileIsKept)
{
    TempDir dir;
    const QByteArray first = "mine\t01,02,03,04,\r\nbroken\tab,00,00,00,\r\nalso mine\t05,05,05,05,\r\n";
    ProfileStore store(dir.write("printer_edge_config", first));
    EXPECT_EQ(store.initControls(), ProfileStore::kReadFailed);
    EXPECT_EQ(store.profiles().size(), 3);
    EXPECT_EQ(fileBytes(store.filePath()), kBuiltInFile);
    EXPECT_EQ(fileBytes(store.filePath() + ".bak1"), first);

    // A second broken file gets a backup of its own; the first one is never overwritten.
    const QByteArray second = "short\t1\r\n";
    dir.write("printer_edge_config", second);
    EXPECT_EQ(store.initControls(), ProfileStore::kReadFailed);
    EXPECT_EQ(fileBytes(store.filePath() + ".bak1"), first);
    EXPECT_EQ(fileBytes(store.filePath() + ".bak2"), second);
}

TEST(ProfileStoreFile, AFileWithoutAnyProfileIsKeptUnlessItIsEmpty)
{
    TempDir dir;
    const QByteArray noTabs = "just some text\r\nand more\r\n";
    ProfileStore store(dir.write("printer_edge_config", noTabs));
    EXPECT_EQ(store.initControls(), ProfileStore::kNoProfile);
    EXPECT_EQ(fileBytes(store.filePath()), kBuiltInFile);
    EXPECT_EQ(fileBytes(store.filePath() + ".bak1"), noTabs);

    TempDir emptyDir;
    ProfileStore empty(emptyDir.write("printer_edge_config", ""));
    EXPECT_EQ(empty.initControls(), ProfileStore::kNoProfile);
    EXPECT_EQ(fileBytes(empty.filePath()), kBuiltInFile);
    EXPECT_TRUE(backupsBeside(empty.filePath()).isEmpty());
}

TEST(ProfileStoreFile, BinaryGarbageNeverCrashesNorDisappears)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 20; ++round) {
        QByteArray garbage(4096, '\0');
        for (char &byte : garbage)
            byte = static_cast<char>(random() % 256);
        TempDir dir;
        ProfileStore store(dir.write("printer_edge_config", garbage));
        const int result = store.initControls();
        EXPECT_FALSE(store.profiles().isEmpty());
        if (result != ProfileStore::kReadOk) {
            EXPECT_EQ(fileBytes(store.filePath() + ".bak1"), garbage);
        }
    }
}

TEST(ProfileStoreFile, VeryLongLegacyAndNonAsciiNamesSurviveARoundTrip)
{
    TempDir dir;
    const QString longName(1'000'000, u'x');
    // The last line comes from a single-byte code page and has no final line end.
    ProfileStore store(dir.write("printer_edge_config", (longName + "\t01,02,03,04,").toUtf8()
                                                            + "\r\nCaf\xc3\xa9 \xe2\x82\xac\t00,00,00,00,\r\n"
                                                            + "Caf\xe9 \x80 \x96 \x84\x85\x99\t01,01,01,01,"));
    EXPECT_EQ(store.initControls(), ProfileStore::kReadOk);
    const QString legacy = QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x93 \xe2\x80\x9e\xe2\x80\xa6\xe2\x84\xa2");
    EXPECT_EQ(store.profileNames(),
              QStringList({longName, QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac"), legacy}));
    EXPECT_TRUE(fileBytes(store.filePath()).endsWith(legacy.toUtf8() + "\t01,01,01,01,\r\n"));
    ProfileStore again(store.filePath());
    EXPECT_EQ(again.ReadBorderPrefs(), ProfileStore::kReadOk);
    EXPECT_EQ(again.profiles(), store.profiles());
}

TEST(ProfileStoreFile, AnUnreadableFileIsLeftUntouched)
{
    TempDir dir;
    // A folder in the file's place can be neither read nor copied nor replaced.
    const QString path = dir.filePath("printer_edge_config");
    ASSERT_TRUE(QDir().mkpath(path + "/inside"));
    ProfileStore store(path);
    EXPECT_EQ(store.initControls(), ProfileStore::kReadFailed);
    EXPECT_EQ(store.profiles().size(), 3);
    EXPECT_FALSE(store.WriteBorderPrefs());
    EXPECT_TRUE(QFileInfo(path + "/inside").isDir());
}

TEST(ProfileStoreFile, AnUnwritableFolderLeavesTheTableInMemory)
{
    TempDir dir;
    const QString blocker = dir.write("folder", "a file, not a folder");
    ProfileStore store(blocker + "/printer_edge_config");
    EXPECT_EQ(store.initControls(), ProfileStore::kNoFile);
    EXPECT_EQ(store.profiles().size(), 3);
    EXPECT_TRUE(store.addProfile("new"));
    EXPECT_FALSE(store.WriteBorderPrefs());
    EXPECT_EQ(store.profiles().size(), 4);
    EXPECT_EQ(fileBytes(blocker), "a file, not a folder");
}

TEST(ProfileStoreFile, AReadOnlyFolderKeepsTheFileAsItWas)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    TempDir dir;
    const QByteArray original = "mine\t01,02,03,04,\n";
    ProfileStore store(dir.write("ro/printer_edge_config", original));
    const QString folder = QFileInfo(store.filePath()).absolutePath();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(store.initControls(), ProfileStore::kReadOk);
    EXPECT_TRUE(store.addProfile("another"));
    EXPECT_FALSE(store.WriteBorderPrefs());
    EXPECT_EQ(fileBytes(store.filePath()), original);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(ProfileStoreFile, ATableNeverLoadedIsNeverWritten)
{
    TempDir dir;
    ProfileStore store(dir.write("printer_edge_config", "mine\t01,02,03,04,\r\n"));
    EXPECT_FALSE(store.WriteBorderPrefs());
    EXPECT_EQ(fileBytes(store.filePath()), "mine\t01,02,03,04,\r\n");
}

TEST(ProfileStoreFile, ThePathFollowsAppDirOrTheUserDataFolder)
{
    EXPECT_EQ(ProfileStore::GetProfileFilePath("/opt/quiltera"), "/opt/quiltera/printer_edge_config");
    EXPECT_EQ(ProfileStore::GetProfileFilePath("/opt/quiltera/"), "/opt/quiltera/printer_edge_config");
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    EXPECT_EQ(ProfileStore::GetProfileFilePath(QString()), dataHome + "/quiltera/printer_edge_config");

    TempDir dir;
    const PreferenceStore prefs(dir.write("Quiltera.json", R"({"app_dir": "/usr/share/quiltera"})"));
    EXPECT_EQ(ProfileStore::GetProfileFilePath(prefs), "/usr/share/quiltera/printer_edge_config");
}

TEST(ProfileStoreFile, AFifoOrADeviceAtThePathNeitherBlocksNorIsReplaced)
{
    TempDir dir;
    const QStringList special = dir.specialFiles();
    ASSERT_EQ(special.size(), 2);
    for (const QString &path : special) {
        SCOPED_TRACE(path.toStdString());
        ProfileStore store(path);
        EXPECT_EQ(store.initControls(), ProfileStore::kReadFailed);
        EXPECT_EQ(store.profiles().size(), 3);
        EXPECT_FALSE(QFileInfo(path).isFile());
        EXPECT_TRUE(backupsBeside(path).isEmpty());
    }
}
