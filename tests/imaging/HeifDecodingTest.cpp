#include "imaging/ImageFileReader.h"
#include "imaging/ImageFileRules.h"
#include "resources/ImagingStrings.h"
#include "support/HeifFiles.h"
#include "support/TempDir.h"

#include <QColorSpace>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Four flat quarters, which a lossy codec keeps within a few levels.
QImage quarters(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, width / 2, height / 2, QColor(200, 30, 30));
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, QColor(30, 200, 30));
    painter.fillRect(0, height / 2, width / 2, height - height / 2, QColor(30, 30, 200));
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, QColor(220, 220, 40));
    return picture;
}

bool near(QRgb a, QRgb b)
{
    constexpr int kLevels = 12;
    return std::abs(qRed(a) - qRed(b)) <= kLevels && std::abs(qGreen(a) - qGreen(b)) <= kLevels
        && std::abs(qBlue(a) - qBlue(b)) <= kLevels;
}

} // namespace

// A phone's HEIC photo reads as the picture it holds, turned as the file asks and with its
// colour profile, through the window's and the command line's one loader.
TEST(HeifDecoding, APhonePhotoReadsTurnedWithItsProfile)
{
    TempDir dir;
    const QImage stored = quarters(320, 240);
    const QByteArray profile = QColorSpace(QColorSpace::DisplayP3).iccProfile();
    const struct
    {
        heif_orientation orientation;
        QSize size;
        QPoint storedTopLeft; // where the stored top-left quarter lands
    } cases[] = {
        {heif_orientation_normal, QSize(320, 240), QPoint(10, 10)},
        {heif_orientation_rotate_90_cw, QSize(240, 320), QPoint(230, 10)},
        {heif_orientation_rotate_180, QSize(320, 240), QPoint(310, 230)},
    };
    for (const auto &[orientation, size, storedTopLeft] : cases) {
        SCOPED_TRACE(int(orientation));
        const QString path = dir.filePath(QStringLiteral("phone-%1.HEIC").arg(int(orientation)));
        ASSERT_TRUE(test_heif::writeHeic(stored, path, orientation, profile));
        ASSERT_TRUE(ImageFileRules::hasLoadableImageEnding(path));
        const LoadedSourceImage loaded = loadSourceImage(path, 0);
        ASSERT_TRUE(loaded.ok()) << loaded.errorText.toStdString();
        const QImage &picture = loaded.image->image();
        EXPECT_EQ(picture.size(), size);
        EXPECT_TRUE(near(picture.pixel(storedTopLeft), stored.pixel(10, 10)));
        EXPECT_EQ(loaded.image->ColourProfile(), profile);
        EXPECT_EQ(ImageFileRules::ownTileFormat(path), ImageFileType::Jpeg);
    }
}

// Broken or cut-off HEIF data says why and never crashes.
TEST(HeifDecoding, BrokenFilesSayWhy)
{
    TempDir dir;
    const QString whole = dir.filePath("whole.heic");
    ASSERT_TRUE(test_heif::writeHeic(quarters(64, 64), whole));
    QFile file(whole);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (const QByteArray &broken : {bytes.left(bytes.size() / 2), bytes.left(40), QByteArray("\0\0\0\x18" "ftypheic", 12)}) {
        const QString path = dir.write("broken.heic", broken);
        QImage image;
        const ImagingResult read = decodeImageFile(path, image, DecodeFormats::WithPngAndWebp);
        EXPECT_FALSE(read);
        EXPECT_FALSE(read.errorText().isEmpty());
    }
}
