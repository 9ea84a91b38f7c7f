#include "imaging/ImageFileReader.h"
#include "imaging/StreamingJpegDecoder.h"
#include "output/SaveEntryCheck.h"
#include "support/LayoutTestStates.h"
#include "support/PhotoFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The first row at which two pictures of one size differ; the height when none does.
int firstDifferentRow(const QImage &a, const QImage &b)
{
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), std::size_t(a.width()) * 4) != 0)
            return y;
    return a.height();
}

} // namespace

// Every decoder names the same first row that its file could not give: no later than the
// first row that differs from the sound file's picture, and within one row group of it.
TEST(PictureDamage, EveryDecoderFindsTheRowsAJpegCutShortCouldNotGive)
{
    TempDir dir;
    const QString soundPath = dir.write("sound.jpg", photo_files::encoded(photo_files::detailedPicture(640, 480), "jpeg"));
    QImage sound;
    ASSERT_TRUE(decodeImageFile(soundPath, sound));
    PictureDamage none;
    ASSERT_TRUE(decodeImageFile(soundPath, sound, DecodeFormats::PosterFormats, &none));
    EXPECT_FALSE(none.found());

    for (const double kept : {0.3, 0.75}) {
        SCOPED_TRACE(kept);
        const QByteArray jpeg = photo_files::encoded(photo_files::detailedPicture(640, 480), "jpeg");
        const QString path = dir.write("cut.jpg", photo_files::jpegWithDataCut(jpeg, kept));
        QImage whole;
        PictureDamage ordinary;
        ASSERT_TRUE(decodeImageFile(path, whole, DecodeFormats::PosterFormats, &ordinary));
        ASSERT_TRUE(ordinary.found());
        EXPECT_TRUE(ordinary.dataRunsOut);
        EXPECT_EQ(ordinary.area, QRect(0, ordinary.firstStoredRow, 640, 480 - ordinary.firstStoredRow));
        const int firstGrey = firstDifferentRow(whole, sound);
        EXPECT_LE(ordinary.firstStoredRow, firstGrey);
        EXPECT_GT(ordinary.firstStoredRow + 16, firstGrey);

        std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::start(path);
        ASSERT_NE(decoder, nullptr);
        ASSERT_TRUE(decoder->waitForRows(480));
        PictureDamage reduced;
        ASSERT_FALSE(decoder->reducedPicture(QSize(80, 60), &reduced).isNull());
        for (const PictureDamage &found : {decoder->damage(), reduced}) {
            EXPECT_EQ(found.firstStoredRow, ordinary.firstStoredRow);
            EXPECT_TRUE(found.dataRunsOut);
        }
        // Tiles above the missing rows may be cut; tiles that reach them may not.
        EXPECT_TRUE(decoder->waitForRowsToCut(ordinary.firstStoredRow));
        EXPECT_FALSE(decoder->waitForRowsToCut(ordinary.firstStoredRow + 1));
        EXPECT_EQ(decoder->errorText(), ImagingStrings::kIncompleteFile);
    }
}

// A damaged picture turned by its file or by the person keeps its damage on the same pixels.
TEST(PictureDamage, TurnsWithThePicture)
{
    const PictureDamage stored = PictureDamage::fromStoredRows(300, true, QSize(640, 480));
    EXPECT_EQ(stored.transformed(QTransform().rotate(90), QSize(640, 480)).area, QRect(0, 0, 180, 640));
    EXPECT_EQ(stored.transformed(QTransform().rotate(180), QSize(640, 480)).area, QRect(0, 0, 640, 180));
    EXPECT_EQ(stored.transformed(QTransform().rotate(270), QSize(640, 480)).area, QRect(300, 0, 180, 640));
    EXPECT_EQ(stored.transformed(QTransform::fromScale(1, -1), QSize(640, 480)).area, QRect(0, 0, 640, 180));
}

// Only data that runs out refuses a poster, and only where its tiles reach the grey rows.
TEST(PictureDamage, OnlyTilesReachingRowsPastTheDataRefuseThePoster)
{
    const LayoutState poster = layout3x2(); // rows 0 to 99 and 100 to 199 of 300 x 200
    const struct
    {
        int firstRow;
        bool runsOut;
        bool refused;
    } cases[] = {{150, true, true}, {199, true, true}, {150, false, false}, {-1, false, false}};
    for (const auto &[firstRow, runsOut, refused] : cases) {
        SCOPED_TRACE(firstRow);
        EXPECT_EQ(tilesNeedMissingRows(poster, PictureDamage::fromStoredRows(firstRow, runsOut, QSize(300, 200))), refused);
    }
    LayoutState topRowOnly = poster;
    topRowOnly.zoom = 100; // a grid half the size, placed at the top
    topRowOnly.iVPlacement = 0;
    EXPECT_FALSE(tilesNeedMissingRows(topRowOnly, PictureDamage::fromStoredRows(150, true, QSize(300, 200))));
}
