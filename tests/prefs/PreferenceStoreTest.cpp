#include "prefs/PreferenceStore.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <thread>
#include <sys/stat.h>

namespace {

QJsonObject storedObject(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(PreferenceStore, WholeNumbersAreStoredAsNumbersAndOtherTextAsTrimmedStrings)
{
    TempDir dir;
    const PreferenceStore store(dir.filePath("Quiltera.json"));
    store.SavePref(kPrefShowTiles, "1");
    store.SavePref(kPrefMarginLocked, "0");
    store.SavePref(kPrefHeightEqualsWidth, "-1");
    store.SavePref(kPrefLastFolder, "  /home/me/My Pictures  ");
    store.SavePref(kPrefNumTiles, "w02h01");
    store.SavePref(kPrefEdgeAdjust, "1_03");
    store.SavePref(kPrefPaperRegLine, "1.5");

    const QJsonObject object = storedObject(store.filePath());
    EXPECT_TRUE(object.value("prefs_showTiles").isDouble());
    EXPECT_EQ(object.value("prefs_showTiles").toInt(), 1);
    EXPECT_TRUE(object.value("cmbMarginLocked").isDouble());
    EXPECT_EQ(object.value("prefs_heightEqualsWidth").toInt(), -1);
    EXPECT_EQ(object.value("last_folder").toString(), "/home/me/My Pictures");
    EXPECT_EQ(object.value("prefs_numTiles").toString(), "w02h01");
    EXPECT_EQ(object.value("prefs_edgeAdjust").toString(), "1_03");
    EXPECT_TRUE(object.value("paperRegLine").isString());

    EXPECT_EQ(store.GetPref(kPrefShowTiles), "1");
    EXPECT_EQ(store.GetPref(kPrefMarginLocked), "0");
    EXPECT_EQ(store.GetPref(kPrefHeightEqualsWidth), "-1");
    EXPECT_EQ(store.GetPref(kPrefLastFolder), "/home/me/My Pictures");
    EXPECT_EQ(store.GetPref(kPrefNumTiles), "w02h01");
    EXPECT_EQ(store.GetPref(kPrefPaperRegLine), "1.5");
}

TEST(PreferenceStore, TextBeyondThirtyTwoBitsStaysText)
{
    EXPECT_EQ(PreferenceStore::storedNumber("2147483647"), 2147483647);
    EXPECT_EQ(PreferenceStore::storedNumber("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(PreferenceStore::storedNumber("2147483648"));
    EXPECT_FALSE(PreferenceStore::storedNumber(""));
    EXPECT_FALSE(PreferenceStore::storedNumber("|0|Letter|"));
}

TEST(PreferenceStore, ValuesOfOtherJsonTypesReadAsMissing)
{
    TempDir dir;
    const QString path = dir.write("Quiltera.json", R"({
        "prefs_showTiles": true,
        "last_folder": ["/home"],
        "prefs_numTiles": {"w": 2},
        "paperRegLine": null,
        "cmbMarginLocked": 1.5,
        "prefs_edgeAdjust": 1e12,
        "prefs_heightEqualsWidth": "1\u0000junk"
    })");
    const PreferenceStore store(path);
    for (int value : {kPrefShowTiles, kPrefLastFolder, kPrefNumTiles, kPrefPaperRegLine, kPrefMarginLocked,
                      kPrefEdgeAdjust})
        EXPECT_EQ(store.GetPref(value), QString()) << PrefValueName(value).toStdString();
    // A string ends at its first NUL, as the stored values always did.
    EXPECT_EQ(store.GetPref(kPrefHeightEqualsWidth), "1");
    EXPECT_EQ(store.GetPref(99), QString());
}

TEST(PreferenceStore, BrokenFilesReadAsEmptyAndAreReplacedByTheNextWrite)
{
    const QList<QByteArray> contents = {
        "", "not json at all", "[1, 2, 3]", "\"just a string\"", "{\"prefs_showTiles\": ",
        QByteArray("\x00\xff\xfe{\x01\x02", 6),
    };
    for (const QByteArray &content : contents) {
        TempDir dir;
        const PreferenceStore store(dir.write("Quiltera.json", content));
        EXPECT_EQ(store.GetPref(kPrefShowTiles), QString()) << content.toStdString();
        store.SavePref(kPrefShowTiles, "0");
        EXPECT_EQ(store.GetPref(kPrefShowTiles), "0") << content.toStdString();
        // Whatever did not parse is kept beside the new file; an empty file held nothing.
        EXPECT_EQ(fileBytes(store.filePath() + ".bak1"), content.isEmpty() ? QByteArray() : content)
            << content.toStdString();
        EXPECT_EQ(QFileInfo::exists(store.filePath() + ".bak1"), !content.isEmpty());
    }
}

TEST(PreferenceStore, TwoStoresWritingOneFileNeverLoseEachOthersValues)
{
    TempDir dir;
    const PreferenceStore first(dir.filePath("Quiltera.json"));
    const PreferenceStore second(dir.filePath("Quiltera.json"));
    constexpr int kWrites = 150;
    std::thread other([&second] {
        for (int i = 0; i < kWrites; ++i)
            second.SavePref(kPrefLastFolder, "/second/" + QString::number(i));
    });
    for (int i = 0; i < kWrites; ++i)
        first.SavePref(kPrefNumTiles, "w" + QString::number(i));
    other.join();
    const QJsonObject stored = storedObject(first.filePath());
    EXPECT_EQ(stored.value("prefs_numTiles").toString(), "w" + QString::number(kWrites - 1));
    EXPECT_EQ(stored.value("last_folder").toString(), "/second/" + QString::number(kWrites - 1));
}

TEST(PreferenceStore, AFifoOrADeviceAtThePathNeitherBlocksNorIsReplaced)
{
    TempDir dir;
    const QStringList special = dir.specialFiles();
    ASSERT_EQ(special.size(), 2);
    for (const QString &path : special) {
        SCOPED_TRACE(path.toStdString());
        const PreferenceStore store(path);
        EXPECT_EQ(store.GetPref(kPrefShowTiles), QString());
        store.SavePref(kPrefShowTiles, "1");
        EXPECT_FALSE(QFileInfo(path).isFile());
    }
    EXPECT_TRUE(QFileInfo(special.last()).isSymLink());
}

TEST(PreferenceStore, WritingOneValueKeepsEveryOtherAndNeverTouchesAppDir)
{
    TempDir dir;
    const QString path = dir.write("Quiltera.json", R"({"app_dir": "/opt/quiltera", "someday": [1]})");
    const PreferenceStore store(path);
    store.SavePref(kPrefLastFolder, "/srv/photos");
    store.SavePref(kPrefShowTiles, "0");
    store.SavePref(kPrefShowTiles, "1");
    store.SavePref(kPrefAppDir, "/tmp/elsewhere");
    store.SavePref(42, "ignored");

    const QJsonObject object = storedObject(path);
    EXPECT_EQ(object.size(), 4);
    EXPECT_TRUE(object.value("someday").isArray());
    EXPECT_EQ(store.GetPref(kPrefAppDir), "/opt/quiltera");
    EXPECT_EQ(store.GetPref(kPrefLastFolder), "/srv/photos");
    EXPECT_EQ(store.GetPref(kPrefShowTiles), "1");
}

TEST(PreferenceStore, EveryReadGoesToTheFile)
{
    TempDir dir;
    const PreferenceStore first(dir.filePath("Quiltera.json"));
    const PreferenceStore second(first.filePath());
    first.SavePref(kPrefLastFolder, "/a");
    EXPECT_EQ(second.GetPref(kPrefLastFolder), "/a");
    dir.write("Quiltera.json", R"({"last_folder": "/b"})");
    EXPECT_EQ(first.GetPref(kPrefLastFolder), "/b");
    QFile::remove(first.filePath());
    EXPECT_EQ(first.GetPref(kPrefLastFolder), QString());
}

TEST(PreferenceStore, CreatesItsFolderAndFileInTheUserConfigFolder)
{
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + "/QuilteraSoftwareLLC/Quiltera.json";
    const PreferenceStore store;
    ASSERT_EQ(store.filePath(), expected);
    QFile::remove(expected);
    QDir(QFileInfo(expected).absolutePath()).removeRecursively();

    EXPECT_FALSE(store.KeyExists(PreferenceStore::Key::Parent));
    store.SavePref(kPrefNumTiles, "w03h03");
    EXPECT_TRUE(store.KeyExists(PreferenceStore::Key::Parent));
    EXPECT_TRUE(store.KeyExists(PreferenceStore::Key::Product));
    EXPECT_EQ(PreferenceStore().GetPref(kPrefNumTiles), "w03h03");
}

TEST(PreferenceStore, AnUnwritableLocationNeitherFailsLoudlyNorCreatesAnything)
{
    TempDir dir;
    // A plain file where the settings folder should be: no one, not even root, can write there.
    const QString blocker = dir.write("QuilteraSoftwareLLC", "not a folder");
    const PreferenceStore store(blocker + "/Quiltera.json");
    store.SavePref(kPrefShowTiles, "1");
    EXPECT_EQ(store.GetPref(kPrefShowTiles), QString());
    EXPECT_FALSE(store.CreateRegKey(PreferenceStore::Key::Parent));
    EXPECT_EQ(fileBytes(blocker), "not a folder");
}

TEST(PreferenceStore, NeverReplacesSomethingItCannotRead)
{
    TempDir dir;
    // A folder standing at the file's path cannot be read as settings and must survive.
    const QString path = dir.filePath("Quiltera.json");
    ASSERT_TRUE(QDir().mkpath(path + "/inside"));
    const PreferenceStore store(path);
    EXPECT_FALSE(store.KeyExists(PreferenceStore::Key::Product));
    store.SavePref(kPrefShowTiles, "1");
    EXPECT_EQ(store.GetPref(kPrefShowTiles), QString());
    EXPECT_TRUE(QFileInfo(path + "/inside").isDir());
}
