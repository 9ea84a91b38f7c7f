#include "common/AtomicFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

// Names as long as the system allows are written and replaced, and nothing else is left
// in the folder, whether the write is committed or dropped.
TEST(AtomicFile, WritesAndReplacesNamesOfTheLongestLengthLeavingNothingBeside)
{
    TempDir dir;
    const QString longest = dir.filePath(QString(251, u'n') + ".tif");
    for (const QString &path : {dir.filePath("short.bmp"), longest}) {
        SCOPED_TRACE(path.size());
        QString reason;
        ASSERT_TRUE(writeFileAtomically(path, "first", reason)) << reason.toStdString();
        ASSERT_TRUE(writeFileAtomically(path, "second, longer", reason)) << reason.toStdString();
        EXPECT_EQ(contentOf(path), "second, longer");

        AtomicFile dropped;
        ASSERT_TRUE(dropped.open(path));
        ASSERT_TRUE(dropped.write(QByteArray("never committed")));
    }
    EXPECT_EQ(entriesOf(dir.path()), QStringList({longest.section('/', -1), "short.bmp"}));
}

TEST(AtomicFile, AFolderThatCannotTakeTheFileReportsWhyAndCommitsNothing)
{
    TempDir dir;
    AtomicFile file;
    EXPECT_FALSE(file.open(dir.filePath("missing/tile.bmp")));
    EXPECT_FALSE(file.errorText().isEmpty());
    EXPECT_FALSE(file.write(QByteArray("x")));
    EXPECT_FALSE(file.commit());
}
