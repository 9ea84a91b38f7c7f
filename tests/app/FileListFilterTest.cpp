#include "app/FileListFilter.h"

#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QStringList listed(const TempDir &dir, FileTypeFilter filter)
{
    return listFolderFiles(dir.path(), filter).value_or(QStringList{QStringLiteral("<unreadable>")});
}

} // namespace

TEST(FileListFilter, EachFormatByItsEndingsInAnyCase)
{
    TempDir dir;
    for (const char *name : {"a.jpg", "x.bm", "photo.JPG", "photo.jpeg", "scan.TIF", "scan.tiff", "paint.Bmp",
                             "shot.PNG", "web.webp", "phone.HEIC", "map.PDF", "logo.svg", "logo.svgz", "notes.txt",
                             "photojpg"})
        dir.write(QString::fromLatin1(name), "x");

    EXPECT_EQ(listed(dir, FileTypeFilter::ImageFiles),
              (QStringList{"a.jpg", "logo.svg", "logo.svgz", "map.PDF", "paint.Bmp", "phone.HEIC", "photo.jpeg",
                           "photo.JPG", "scan.TIF", "scan.tiff", "shot.PNG", "web.webp"}));
    EXPECT_EQ(listed(dir, FileTypeFilter::JpegOnly), (QStringList{"a.jpg", "photo.jpeg", "photo.JPG"}));
    EXPECT_EQ(listed(dir, FileTypeFilter::TiffOnly), (QStringList{"scan.TIF", "scan.tiff"}));
    EXPECT_EQ(listed(dir, FileTypeFilter::BmpOnly), QStringList{"paint.Bmp"});
    EXPECT_EQ(listed(dir, FileTypeFilter::PngOnly), QStringList{"shot.PNG"});
    EXPECT_EQ(listed(dir, FileTypeFilter::WebpOnly), QStringList{"web.webp"});
    EXPECT_EQ(listed(dir, FileTypeFilter::HeifOnly), QStringList{"phone.HEIC"});
    EXPECT_EQ(listed(dir, FileTypeFilter::PdfOnly), QStringList{"map.PDF"});
    EXPECT_EQ(listed(dir, FileTypeFilter::SvgOnly), (QStringList{"logo.svg", "logo.svgz"}));
    // Four-character names never show, not even among all files.
    const QStringList all = listed(dir, FileTypeFilter::AllFiles);
    EXPECT_TRUE(all.contains("notes.txt"));
    EXPECT_TRUE(all.contains("photojpg"));
    EXPECT_FALSE(all.contains("x.bm"));
}

TEST(FileListFilter, FoldersAndUnreadablePlacesAreNotListed)
{
    TempDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("sub.jpg"));
    EXPECT_TRUE(listed(dir, FileTypeFilter::AllFiles).isEmpty());
    EXPECT_FALSE(listFolderFiles(dir.filePath("missing"), FileTypeFilter::AllFiles).has_value());
    EXPECT_FALSE(listFolderFiles(QString(), FileTypeFilter::AllFiles).has_value());
    EXPECT_EQ(fileTypeFilterFromIndex(kFileTypeFilterCount), FileTypeFilter::ImageFiles);
    EXPECT_EQ(fileTypeFilterFromIndex(-1), FileTypeFilter::ImageFiles);
}
