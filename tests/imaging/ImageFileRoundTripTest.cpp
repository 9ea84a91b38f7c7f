#include "support/TestImages.h"

#include "imaging/ImageEncoder.h"
#include "imaging/ImageFileType.h"
#include "resources/ImagingStrings.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace test_images;

namespace {

struct FormatCase
{
    int typeCode;
    const char *suffix;
    int maxChannelError; // 0: lossless
};

class ImageFileRoundTrip : public ::testing::TestWithParam<FormatCase>
{
protected:
    // A smooth picture, where JPEG's error stays small.
    static std::unique_ptr<ImageObject> gradientImage(int width, int height)
    {
        std::unique_ptr<ImageObject> image = makeImage();
        EXPECT_TRUE(image->NewImage(width, height, 0).ok());
        const PixelArrayView pixels = image->PixelArray();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.setPixel(x, y, uchar(x * 255 / (width - 1)), uchar(y * 255 / (height - 1)), 128);
        return image;
    }

    TempDir m_dir;
};

} // namespace

TEST_P(ImageFileRoundTrip, ReadsBackPixelsAndResolution)
{
    const FormatCase format = GetParam();
    const std::unique_ptr<ImageObject> written =
        format.maxChannelError == 0 ? makePatternImage(37, 23) : gradientImage(37, 23);
    ASSERT_TRUE(written->SetResolution(ImageObject::kHorizontalAxis, 200).ok());
    ASSERT_TRUE(written->SetResolution(ImageObject::kVerticalAxis, 150).ok());
    const QString path = m_dir.filePath(QStringLiteral("tile.%1").arg(format.suffix));
    ASSERT_TRUE(written->SaveFile(path, format.typeCode).ok());

    const std::unique_ptr<ImageObject> read = makeImage();
    ASSERT_TRUE(read->LoadFile(path).ok());
    ASSERT_EQ(read->Width(), 37);
    ASSERT_EQ(read->Height(), 23);
    EXPECT_EQ(read->Resolution(ImageObject::kHorizontalAxis), 200);
    EXPECT_EQ(read->Resolution(ImageObject::kVerticalAxis), 150);

    int worst = 0;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) {
            const Rgb expected = pixelAt(*written, x, y);
            const Rgb actual = pixelAt(*read, x, y);
            for (int c = 0; c < 3; ++c)
                worst = std::max(worst, std::abs(expected[c] - actual[c]));
        }
    EXPECT_LE(worst, format.maxChannelError);
}

TEST_P(ImageFileRoundTrip, EncodedBytesAreExactlyTheSavedFile)
{
    const FormatCase format = GetParam();
    const std::unique_ptr<ImageObject> image = makePatternImage(64, 48);
    ASSERT_TRUE(image->SetResolution(ImageObject::kHorizontalAxis, 300).ok());
    QByteArray encoded;
    ASSERT_TRUE(image->EncodeToBytes(encoded, format.typeCode).ok());
    const QString path = m_dir.filePath(QStringLiteral("tile.%1").arg(format.suffix));
    ASSERT_TRUE(image->SaveFile(path, format.typeCode).ok());

    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.size(), encoded.size());
    EXPECT_EQ(saved.readAll(), encoded);
}

INSTANTIATE_TEST_SUITE_P(EachFormat, ImageFileRoundTrip,
                         ::testing::Values(FormatCase{6, "bmp", 0}, FormatCase{3, "tif", 0},
                                           FormatCase{1, "jpg", 8}),
                         [](const auto &info) { return std::string(info.param.suffix); });

TEST(ImageFileWriting, RefusesUnknownTypesAndEmptyImages)
{
    TempDir dir;
    const std::unique_ptr<ImageObject> image = makePatternImage(4, 4);
    QByteArray bytes("untouched");
    for (int code : {0, 2, 4, 5, 7, -1}) {
        EXPECT_EQ(image->EncodeToBytes(bytes, code).errorText(), ImagingStrings::kUnknownFileType);
        EXPECT_FALSE(image->SaveFile(dir.filePath("x.bmp"), code).ok());
    }
    EXPECT_EQ(bytes, "untouched");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("x.bmp")));

    const std::unique_ptr<ImageObject> empty = makeImage();
    EXPECT_EQ(empty->EncodeToBytes(bytes, 6).errorText(), ImagingStrings::kNoImage);
}

TEST(ImageFileWriting, ReplacesAnExistingFileAndReportsAnUnwritablePlace)
{
    TempDir dir;
    const QString path = dir.write("tile.bmp", "old content");
    const std::unique_ptr<ImageObject> image = makePatternImage(10, 10);
    ASSERT_TRUE(image->SaveFile(path, 6).ok());
    const std::unique_ptr<ImageObject> read = makeImage();
    ASSERT_TRUE(read->LoadFile(path).ok());
    EXPECT_EQ(read->Width(), 10);

    const ImagingResult missingFolder = image->SaveFile(dir.filePath("no/such/folder/tile.bmp"), 6);
    EXPECT_FALSE(missingFolder.ok());
    EXPECT_TRUE(missingFolder.errorText().startsWith(ImagingStrings::kWriteFailed));
}

TEST(ImageFileWriting, FailedWriteKeepsTheEarlierFileWhole)
{
    TempDir dir;
    const QString folder = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = dir.write("locked/tile.bmp", "earlier tile");
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    const ImagingResult result = writeImageFile(path, QByteArray(1000, 'x'));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (result.ok())
        GTEST_SKIP() << "running with rights that ignore folder permissions";

    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "earlier tile");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 1);
}

TEST(ImageResolution, RefusesBadValuesAndFollowsTheImage)
{
    const std::unique_ptr<ImageObject> image = makePatternImage(6, 4);
    EXPECT_FALSE(image->SetResolution(2, 100).ok());
    EXPECT_FALSE(image->SetResolution(5, 100).ok());
    EXPECT_FALSE(image->SetResolution(ImageObject::kHorizontalAxis, 0).ok());
    EXPECT_FALSE(image->SetResolution(ImageObject::kHorizontalAxis, -5).ok());
    EXPECT_FALSE(makeImage()->SetResolution(ImageObject::kHorizontalAxis, 100).ok());

    ASSERT_TRUE(image->SetResolution(ImageObject::kHorizontalAxis, 2).ok());
    ASSERT_TRUE(image->SetResolution(ImageObject::kVerticalAxis, 64).ok());
    ASSERT_TRUE(image->Resize(12, 8).ok());
    EXPECT_EQ(image->Resolution(ImageObject::kHorizontalAxis), 2);
    ASSERT_TRUE(image->Rotate(90).ok());
    EXPECT_EQ(image->Resolution(ImageObject::kHorizontalAxis), 64);
    EXPECT_EQ(image->Resolution(ImageObject::kVerticalAxis), 2);

    const std::unique_ptr<ImageObject> copy = makeImage();
    ASSERT_TRUE(copy->FromImage(*image).ok());
    EXPECT_EQ(copy->Resolution(ImageObject::kHorizontalAxis), 64);
}
