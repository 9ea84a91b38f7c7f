#include "layout/TileSizeRules.h"
#include "output/PosterPages.h"
#include "resources/PosterStrings.h"
#include "support/LayoutTestStates.h"

#include <QImage>

#include <gtest/gtest.h>

// No aid touches a sheet's own pixels: every cut mark, glue strip boundary and scale bar, at
// its full line width, lies outside them, so no hairline shows at a seam; marks and the
// scale bar also keep off the compensation borders.
TEST(PosterPages, NoAidLineTouchesTheSheetsPicture)
{
    for (const bool compensated : {false, true}) {
        SCOPED_TRACE(compensated ? "compensated" : "plain");
        LayoutState layout = a4Poster(1200, 1100);
        layout.compensation = compensated;
        layout.edgeTrimInches = {8 / 64.0, 8 / 64.0, 8 / 64.0, 8 / 64.0};
        TileCoords cuts;
        ASSERT_GT(CalcTileCoord(layout, cuts), 0);
        const std::optional<TileRunValues> run = PrepareTileRun(layout, cuts);
        ASSERT_TRUE(run);
        const std::optional<PosterPages> pages = PosterPages::create(layout, cuts, *run, AssemblyAids{});
        ASSERT_TRUE(pages);
        QImage source(1200, 1100, QImage::Format_RGB32);
        source.fill(Qt::darkGreen);
        constexpr double kHalfLine = PosterPages::kLineWidthPoints / 2;
        int strips = 0;
        for (int t = 0; t < pages->sheetCount(); ++t) {
            SCOPED_TRACE(t);
            const QSize tile(cuts.right(t) - cuts.left(t) + 1, cuts.bottom(t) - cuts.top(t) + 1);
            const QRectF picture = pages->pictureRect(tile);
            const QRectF own = pages->ownPixelsRect(tile);
            EXPECT_EQ(picture == own, !compensated);
            QList<QLineF> lines = pages->cutMarks(own, picture);
            QList<QLineF> linesOffBorders = lines;
            const SheetStrips pictures = pages->cutStrips(t, [&source](const QRect &area) { return source.copy(area); });
            for (const PosterPages::GlueStrip &strip : pages->glueStrips(own, pictures)) {
                lines.append(strip.boundary);
                ++strips;
            }
            // A 50 mm line below the picture and its strips wherever the bottom margin has room:
            // the lower row here, whose sheets carry no strip there, and every sheet when
            // the trims leave the own pixels short of the margins.
            const std::optional<PosterPages::ScaleBar> scale =
                pages->scaleBar(picture, pages->glueStrips(own, pictures), pages->labelRect(picture, {}));
            ASSERT_EQ(scale.has_value(), t >= 3 || compensated);
            if (scale) {
                EXPECT_NEAR(scale->bar.length(), 50 / 25.4 * 72, 1e-9);
                EXPECT_EQ(scale->text, PosterStrings::scaleBarText("50 mm"));
                lines.append(scale->bar);
                linesOffBorders.append(scale->bar);
            }
            const auto touches = [](const QLineF &line, const QRectF &area) {
                const QRectF stroke =
                    QRectF(line.p1(), line.p2()).normalized().adjusted(-kHalfLine, -kHalfLine, kHalfLine, kHalfLine);
                return !stroke.intersected(area).isEmpty();
            };
            for (const QLineF &line : lines)
                EXPECT_FALSE(touches(line, own)) << line.x1() << "," << line.y1() << " to " << line.x2() << "," << line.y2();
            for (const QLineF &line : linesOffBorders)
                EXPECT_FALSE(touches(line, picture)) << line.x1() << "," << line.y1();
        }
        EXPECT_EQ(strips, 4 + 3); // right of the first two columns, below the top row
    }
}
