#include "output/TileRenderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Every pixel distinct enough to tell where it came from.
QImage patternImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256)));
    return image;
}

TEST(TileRendererResolutionTag, RoundsHalvesToEvenAndNeverBelowTwo)
{
    EXPECT_EQ(resolutionTagOf(150.5), 150);
    EXPECT_EQ(resolutionTagOf(151.5), 152);
    EXPECT_EQ(resolutionTagOf(1.3), 2);
    EXPECT_EQ(resolutionTagOf(200.0), 200);
    EXPECT_FALSE(resolutionTagOf(0.0));
    EXPECT_FALSE(resolutionTagOf(std::nan("")));
    EXPECT_FALSE(resolutionTagOf(1e12));
}

TEST(TileRendererPrepareTileRun, DensityComesFromTileZeroAcrossThePaperWidth)
{
    LayoutState layout;
    layout.tilesWideIndex = 1;
    layout.tilesHighIndex = 1;
    layout.dTileWidth = 7.5;
    layout.dTileHeight = 5.0;
    layout.lImgWidth = 3000;
    layout.lImgHeight = 2000;
    TileCoords coords;
    ASSERT_EQ(CalcTileCoord(layout, coords), 4);

    const std::optional<TileRunValues> run = PrepareTileRun(layout, coords);
    ASSERT_TRUE(run);
    EXPECT_DOUBLE_EQ(run->pixelsPerInch, 200.0);
    EXPECT_EQ(run->resolutionTag, 200);
    EXPECT_EQ(run->stampedResolution(), 200);
    EXPECT_FALSE(PrepareTileRun(layout, TileCoords()));
}

// A picture kept whole leaves blank paper where a tile reaches beyond it; a tile that
// holds none of it is not cut.
TEST(TileRendererRenderTile, BeyondTheSourceIsWhitePaper)
{
    const QImage source = patternImage(100, 100);
    TileCoords coords(2);
    const int rects[2][4] = {{-3, 90, 9, 104}, {100, 0, 120, 99}}; // overlapping the corner; wholly right of it
    for (int t = 0; t < 2; ++t)
        for (int k = 0; k < 4; ++k)
            coords.set(k, t, rects[t][k]);
    const RenderedTile tile = RenderTile(source, coords, 0, TileRunValues());
    ASSERT_EQ(tile.status, RenderStatus::Ok);
    ASSERT_EQ(tile.image.size(), QSize(13, 15));
    EXPECT_EQ(tile.image.pixel(2, 0), qRgb(255, 255, 255));
    EXPECT_EQ(tile.image.pixel(3, 0), source.pixel(0, 90));
    EXPECT_EQ(tile.image.pixel(12, 9), source.pixel(9, 99));
    EXPECT_EQ(tile.image.pixel(12, 10), qRgb(255, 255, 255));
    EXPECT_EQ(RenderTile(source, coords, 1, TileRunValues()).status, RenderStatus::CutFailed);
    EXPECT_EQ(RenderTile(source, coords, 2, TileRunValues()).status, RenderStatus::CutFailed);
}

TEST(TileRendererRotateTileImage, QuarterTurnCounterClockwise)
{
    const QImage tile = patternImage(300, 200);
    const QImage turned = RotateTileImage(tile);
    ASSERT_EQ(turned.size(), QSize(200, 300));
    EXPECT_EQ(turned.pixel(0, 0), tile.pixel(299, 0));     // top-right becomes top-left
    EXPECT_EQ(turned.pixel(0, 299), tile.pixel(0, 0));     // top-left becomes bottom-left
    EXPECT_EQ(turned.pixel(199, 299), tile.pixel(0, 199)); // bottom-left becomes bottom-right
    EXPECT_EQ(turned.pixel(17, 5), tile.pixel(299 - 5, 17));
}

TEST(TileRendererAddEdgeClipBorders, WidensByFlooredTrimsRepeatingEdgePixels)
{
    const QImage tile = patternImage(700, 900);
    const std::array<double, 4> trims{2.0 / 64, 3.0 / 64, 0.0, 1.0 / 64};
    const std::optional<QImage> padded = AddEdgeClipBorders(tile, 100.0, trims);
    ASSERT_TRUE(padded);
    // Borders 3, 4, 0 and 1 pixels: floor of 3.125, 4.6875, 0 and 1.5625.
    ASSERT_EQ(padded->size(), QSize(705, 903));
    EXPECT_EQ(padded->pixel(1, 3), tile.pixel(0, 0));
    EXPECT_EQ(padded->pixel(700, 902), tile.pixel(699, 899));
    EXPECT_EQ(padded->pixel(0, 0), tile.pixel(0, 0));       // top-left corner block
    EXPECT_EQ(padded->pixel(704, 0), tile.pixel(699, 0));   // top-right corner block
    EXPECT_EQ(padded->pixel(704, 902), tile.pixel(699, 899));
    EXPECT_EQ(padded->pixel(50, 1), tile.pixel(49, 0));     // top border
    EXPECT_EQ(padded->pixel(0, 400), tile.pixel(0, 397));   // left border
    EXPECT_EQ(padded->pixel(703, 400), tile.pixel(699, 397)); // right border
}

TEST(TileRendererAddEdgeClipBorders, LowDensityTilesAreResampledFirst)
{
    const QImage tile = patternImage(400, 500);
    const std::optional<QImage> padded = AddEdgeClipBorders(tile, 40.0, {});
    ASSERT_TRUE(padded);
    EXPECT_EQ(padded->size(), QSize(640, 800));

    // At 64 pixels per inch a 1/64 inch trim is exactly one pixel.
    const std::optional<QImage> bordered = AddEdgeClipBorders(tile, 40.0, {1.0 / 64, 1.0 / 64, 1.0 / 64, 1.0 / 64});
    ASSERT_TRUE(bordered);
    EXPECT_EQ(bordered->size(), QSize(642, 802));

    // With enough density and no trims the tile keeps its size.
    EXPECT_EQ(AddEdgeClipBorders(tile, 64.0, {})->size(), QSize(400, 500));
}

TEST(TileRendererAddEdgeClipBorders, FailsOnUnusableInput)
{
    const QImage tile = patternImage(10, 10);
    EXPECT_FALSE(AddEdgeClipBorders(tile, 100.0, {-1.0, 0.0, 0.0, 0.0}));
    EXPECT_FALSE(AddEdgeClipBorders(tile, 100.0, {1e9, 0.0, 0.0, 0.0}));
    EXPECT_FALSE(AddEdgeClipBorders(tile, 1e-9, {})); // would resample past any size
    EXPECT_FALSE(AddEdgeClipBorders(QImage(), 100.0, {}));
}

TEST(TileRendererRenderTile, TurnsBeforeCompensating)
{
    const QImage source = patternImage(300, 200);
    TileCoords coords(1);
    coords.set(2, 0, 299);
    coords.set(3, 0, 199);
    TileRunValues run;
    run.rotated = true;
    run.compensation = true;
    run.pixelsPerInch = 64.0;
    run.resolutionTag = 64;
    run.trims = {1.0 / 64, 0.0, 0.0, 0.0}; // one row on top of the turned tile

    const RenderedTile tile = RenderTile(source, coords, 0, run);
    ASSERT_EQ(tile.status, RenderStatus::Ok);
    EXPECT_EQ(tile.image.size(), QSize(200, 301));
    EXPECT_EQ(tile.image.pixel(0, 1), source.pixel(299, 0));

    run.trims = {-1.0, 0.0, 0.0, 0.0};
    EXPECT_EQ(RenderTile(source, coords, 0, run).status, RenderStatus::CompensationFailed);
}

} // namespace

// Where a picture kept whole lies on a rendered tile is where the rendering put its pixels:
// the bounding box of what is not white paper, for every turn, border and resampling.
TEST(TileRendererPictureOnRenderedTile, IsWhereTheRenderingPutThePictureOnATileOfTheSizeForeseen)
{
    QImage black(100, 80, QImage::Format_RGB32);
    black.fill(Qt::black);
    TileCoords coords(1);
    const int rect[4] = {-30, 50, 89, 119}; // 120 x 70, reaching past the left and bottom edges
    for (int k = 0; k < 4; ++k)
        coords.set(k, 0, rect[k]);
    const auto runOf = [](bool rotated, bool compensation, double pixelsPerInch) {
        TileRunValues run;
        run.rotated = rotated;
        run.compensation = compensation;
        run.trims = {3.0 / 64, 5.0 / 64, 7.0 / 64, 9.0 / 64};
        run.pixelsPerInch = pixelsPerInch;
        run.resolutionTag = int(pixelsPerInch);
        return run;
    };
    const struct
    {
        const char *name;
        TileRunValues run;
    } cases[] = {
        {"plain", runOf(false, false, 100)},
        {"turned", runOf(true, false, 100)},
        {"compensated", runOf(false, true, 128)},
        {"turned and compensated", runOf(true, true, 128)},
        {"compensated and resampled", runOf(false, true, 32)},
    };
    for (const auto &[name, run] : cases) {
        SCOPED_TRACE(name);
        const RenderedTile tile = RenderTile(black, coords, 0, run);
        ASSERT_EQ(tile.status, RenderStatus::Ok);
        // A poster drawn from page art places its sheets by this size, never rendering them.
        EXPECT_EQ(renderedTileSize(coords, 0, run), tile.image.size());
        QRect inked;
        for (int y = 0; y < tile.image.height(); ++y)
            for (int x = 0; x < tile.image.width(); ++x)
                if (qGray(tile.image.pixel(x, y)) < 128)
                    inked |= QRect(x, y, 1, 1);
        const QRect found = pictureOnRenderedTile(coords, 0, black.size(), run, tile.image.size());
        // Resampling blurs the picture's edge by a pixel.
        const int slack = run.resamplesTiles() ? 1 : 0;
        EXPECT_NEAR(found.left(), inked.left(), slack);
        EXPECT_NEAR(found.top(), inked.top(), slack);
        EXPECT_NEAR(found.right(), inked.right(), slack);
        EXPECT_NEAR(found.bottom(), inked.bottom(), slack);
    }
}
