#include "output/TileRenderer.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

TileCoords oneTile(int left, int top, int right, int bottom)
{
    TileCoords coords(1);
    coords.set(0, 0, left);
    coords.set(1, 0, top);
    coords.set(2, 0, right);
    coords.set(3, 0, bottom);
    return coords;
}

QImage pattern(QImage::Format format)
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, 77));
    return image.convertToFormat(format);
}

TileRunValues plainRun()
{
    TileRunValues run;
    run.resolutionTag = 150;
    return run;
}

} // namespace

TEST(TileRendererEncoding, ReadsTheSourceInPlaceWithoutTouchingIt)
{
    const QImage source = pattern(QImage::Format_RGB32);
    const QImage before = source.copy();
    const RenderedTile tile = renderTileForEncoding(source, oneTile(5, 7, 24, 21), 0, plainRun());
    ASSERT_EQ(tile.status, RenderStatus::Ok);
    EXPECT_EQ(tile.image.constScanLine(0), source.constScanLine(7) + 5 * 4) << "the tile was copied out";
    EXPECT_EQ(tile.image, RenderTile(source, oneTile(5, 7, 24, 21), 0, plainRun()).image);
    EXPECT_EQ(tile.image.size(), QSize(20, 15));
    EXPECT_EQ(qRound(tile.image.dotsPerMeterX() * 0.0254), 150);
    EXPECT_EQ(source, before);
    EXPECT_EQ(source.dotsPerMeterX(), before.dotsPerMeterX());
}

TEST(TileRendererEncoding, TurnedWidenedOrOtherFormatTilesAreTheirOwn)
{
    const QImage source = pattern(QImage::Format_RGB32);
    TileRunValues turned = plainRun();
    turned.rotated = true;
    const RenderedTile tile = renderTileForEncoding(source, oneTile(0, 0, 9, 4), 0, turned);
    ASSERT_EQ(tile.status, RenderStatus::Ok);
    EXPECT_EQ(tile.image.size(), QSize(5, 10));
    EXPECT_EQ(tile.image.pixel(0, 0), source.pixel(9, 0));

    // A 24-bit source is read in place for a tile as cut, and copied to 32 bits to be turned.
    const QImage rgb888 = pattern(QImage::Format_RGB888);
    const RenderedTile inPlace = renderTileForEncoding(rgb888, oneTile(1, 1, 10, 10), 0, plainRun());
    ASSERT_EQ(inPlace.status, RenderStatus::Ok);
    EXPECT_EQ(inPlace.image.format(), QImage::Format_RGB888);
    EXPECT_EQ(inPlace.image.constBits(), rgb888.constScanLine(1) + 3);
    const RenderedTile converted = renderTileForEncoding(rgb888, oneTile(1, 1, 10, 10), 0, turned);
    ASSERT_EQ(converted.status, RenderStatus::Ok);
    EXPECT_EQ(converted.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(converted.image.pixel(0, 0), rgb888.pixel(10, 1));
}
