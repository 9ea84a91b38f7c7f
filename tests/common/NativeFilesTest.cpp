#include "common/NativeFiles.h"

#include "app/FileListFilter.h"
#include "imaging/ImageFileReader.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>

TEST(NativePath, EveryNameComesBackAsTheSameBytes)
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

TEST(NativePath, TheBrowserListsAndLoadsANameThatIsNotUtf8)
{
    TempDir dir;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    QByteArray bmp;
    QBuffer device(&bmp);
    device.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&device, "BMP"));
    std::FILE *file = std::fopen((QFile::encodeName(dir.path()) + "/caf\xe9.bmp").constData(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bmp.constData(), 1, size_t(bmp.size()), file);
    std::fclose(file);

    const std::optional<QStringList> listed = listFolderFiles(dir.path(), FileTypeFilter::ImageFiles);
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->size(), 1);
    QImage loaded;
    EXPECT_TRUE(decodeImageFile(dir.path() + '/' + listed->first(), loaded).ok());
    EXPECT_EQ(loaded.size(), picture.size());
    // Qt's own clean-up cannot name such a file either.
    std::remove((QFile::encodeName(dir.path()) + "/caf\xe9.bmp").constData());
}
