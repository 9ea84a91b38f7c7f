#include "common/NativeFiles.h"

#include "app/FileListFilter.h"
#include "imaging/ImageFileReader.h"
#include "support/PhotoFiles.h"
#include "support/TempDir.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>

TEST(NativeFiles, EveryNameComesBackAsTheSameBytes)
{
    const QByteArray names[] = {
        "plain.jpg", "caf\xc3\xa9.jpg", "caf\xe9.jpg", "\xff\xfe", "\xc3", "\xe2\x82", "\xed\xa0\x80",
        "\xf0\x9f\x98\x80 smile", "\xc0\xaf overlong", "a\x80" "b\xbf" "c",
    };
    for (const QByteArray &name : names) {
        SCOPED_TRACE(name.toHex().toStdString());
        EXPECT_EQ(encodeNativePath(decodeNativePath(name)), name);
    }
    EXPECT_EQ(decodeNativePath("caf\xc3\xa9"), QString::fromUtf8("caf\xc3\xa9"));
}

TEST(NativeFiles, TheBrowserListsAndLoadsANameThatIsNotUtf8)
{
    TempDir dir;
    const QImage picture = photo_files::quarters(40, 30);
    ASSERT_TRUE(photo_files::writeUnderRawName(QFile::encodeName(dir.path()) + "/caf\xe9.bmp", picture, "bmp"));

    const std::optional<QStringList> listed = listFolderFiles(dir.path(), FileTypeFilter::ImageFiles);
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->size(), 1);
    QImage loaded;
    EXPECT_TRUE(decodeImageFile(dir.path() + '/' + listed->first(), loaded).ok());
    EXPECT_EQ(loaded.size(), picture.size());
    // Qt's own clean-up cannot name such a file either.
    std::remove((QFile::encodeName(dir.path()) + "/caf\xe9.bmp").constData());
}
