#include "output/JpegCrops.h"
#include "support/ImageDifference.h"
#include "support/PhotoFiles.h"

#include <QImage>

#include <turbojpeg.h>

#include <gtest/gtest.h>

namespace {

// The picture coded with the colour sampling given (TJSAMP_...), as cameras code theirs.
QByteArray jpegOf(const QImage &image, int sampling, int flags = 0)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    tjhandle coder = tjInitCompress();
    unsigned char *out = nullptr;
    unsigned long size = 0;
    const int failed = tjCompress2(coder, rgb.constBits(), rgb.width(), int(rgb.bytesPerLine()), rgb.height(), TJPF_RGB,
                                   &out, &size, sampling, 85, flags);
    QByteArray bytes = failed ? QByteArray() : QByteArray(reinterpret_cast<const char *>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(coder);
    return bytes;
}

} // namespace

TEST(JpegCrops, ARegionOfWholeBlocksHoldsTheAreaAndEndsOnlyAtThePicturesEdge)
{
    const QSize picture(1000, 700);
    const struct
    {
        QRect area;
        QSize mcu;
        QRect region;
    } cases[] = {
        {{0, 0, 16, 16}, {16, 16}, {0, 0, 16, 16}},
        {{17, 9, 30, 40}, {16, 16}, {16, 0, 32, 64}},
        {{17, 9, 30, 40}, {8, 8}, {16, 8, 32, 48}},
        {{990, 690, 50, 50}, {16, 16}, {976, 688, 24, 12}},
        {{-20, -20, 30, 30}, {16, 8}, {0, 0, 16, 16}},
        {{2000, 0, 10, 10}, {16, 16}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wholeBlocksAround(c.area, c.mcu, picture), c.region) << c.area.x() << "," << c.area.y();
}

// Each crop decodes to the source's own pixels of its region, whatever the colour
// sampling, in one scan or several, with areas that overlap and come in any order (rows
// are let go of as the cut works down); a JPEG of another size, a damaged one, or none,
// is not cut.
TEST(JpegCrops, EachCropIsTheSourcesOwnPixelsOfItsRegion)
{
    // Tall enough for the cut to let go of rows while crops are still coded.
    const QImage picture = photo_files::detailedPicture(333, 700);
    const std::vector<QRect> areas{{150, 437, 61, 170}, {0, 0, 100, 100}, {150, 37, 61, 490},
                                   {300, 680, 33, 20},  {0, 390, 333, 20}, {17, 40, 8, 8}};
    for (const auto [sampling, flags] : {std::pair{TJSAMP_420, 0}, {TJSAMP_422, 0}, {TJSAMP_444, 0}, {TJSAMP_GRAY, 0},
                                         {TJSAMP_420, TJFLAG_PROGRESSIVE}}) {
        const QByteArray jpeg = jpegOf(picture, sampling, flags);
        ASSERT_FALSE(jpeg.isEmpty());
        const QImage decoded = QImage::fromData(jpeg).convertToFormat(QImage::Format_RGB32);
        const std::optional<std::vector<JpegCrop>> crops = cutJpegAreas(jpeg, areas, picture.size());
        ASSERT_TRUE(crops.has_value()) << sampling;
        ASSERT_EQ(crops->size(), areas.size());
        for (std::size_t i = 0; i < areas.size(); ++i) {
            const JpegCrop &crop = (*crops)[i];
            EXPECT_TRUE(crop.region.contains(areas[i])) << sampling << i;
            const QImage cut = QImage::fromData(crop.jpeg).convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(cut.size(), crop.region.size()) << sampling << i;
            EXPECT_LE(image_difference::largestChannel(cut, decoded, crop.region.topLeft(), 1), 1) << sampling << i;
        }
    }
    const QByteArray jpeg = jpegOf(picture, TJSAMP_420);
    EXPECT_FALSE(cutJpegAreas(jpeg, areas, QSize(332, 700)).has_value());
    EXPECT_FALSE(cutJpegAreas("not a JPEG", areas, picture.size()).has_value());
    EXPECT_FALSE(cutJpegAreas(photo_files::jpegWithDataCut(jpeg, 0.6), areas, picture.size()).has_value());
    // A second frame header after the scan, which libjpeg reads into its fields before
    // refusing it, while crops may be coding.
    QByteArray twoFrames = jpeg;
    twoFrames.insert(twoFrames.lastIndexOf("\xFF\xD9"),
                     QByteArray::fromHex("FFC00011081000100003012200021101031101"));
    EXPECT_FALSE(cutJpegAreas(twoFrames, areas, picture.size()).has_value());
    EXPECT_FALSE(cutJpegAreas(jpeg, {}, picture.size()).has_value());
}
