#include "layout/OutputReport.h"
#include "layout/PosterSizing.h"
#include "layout/TileCoordinates.h"
#include "support/LayoutTestStates.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

LayoutState whole(LayoutState layout, int hPlacement = 100, int vPlacement = 100)
{
    layout.fit = FitMode::WholePicture;
    layout.iHPlacement = hPlacement;
    layout.iVPlacement = vPlacement;
    return layout;
}

} // namespace

// The grid reaches round the whole picture, meeting it exactly along the axis it fits, and
// the placement slides the picture along the other; the report gives the picture's own
// size, pixels and sheets.
TEST(WholePicture, TheGridHoldsThePictureAndThePlacementSlidesIt)
{
    const struct
    {
        const char *name;
        LayoutState layout;
        bool fitsAcross; // the picture meets the grid's left and right edges
        const char *size;
        const char *sheets;
    } cases[] = {
        {"3:2 photo, 3 x 2 A4 portrait", whole(a4Poster(6000, 4000)), true, "55.8 x 37.2 cm", "6"},
        {"flush top", whole(a4Poster(6000, 4000), 100, 0), true, "55.8 x 37.2 cm", "6"},
        {"flush bottom", whole(a4Poster(6000, 4000), 100, 200), true, "55.8 x 37.2 cm", "6"},
        {"tall picture, 4 x 1", whole(withImage(posterOf(4, 1, 2.0, 3.0), 300, 1200)), false, "0.75 x 3.00 inches",
         "2 (2 left out)"},
        {"tall picture flush right", whole(withImage(posterOf(4, 1, 2.0, 3.0), 300, 1200), 200), false,
         "0.75 x 3.00 inches", "1 (3 left out)"},
        {"wide strip over 5 x 5", whole(withImage(posterOf(5, 5, 1.0, 1.0), 1000, 101), 100, 0), true,
         "5.00 x 0.51 inches", "5 (20 left out)"},
    };
    for (const auto &[name, layout, fitsAcross, size, sheets] : cases) {
        SCOPED_TRACE(name);
        TileCoords coords;
        ASSERT_GT(CalcTileCoord(layout, coords), 0);
        ASSERT_TRUE(fitTilesToImage(coords, layout.lImgWidth, layout.lImgHeight, layout.fit));
        const int last = coords.count() - 1;
        const int w = layout.lImgWidth;
        const int h = layout.lImgHeight;
        EXPECT_LE(coords.left(0), 0);
        EXPECT_LE(coords.top(0), 0);
        EXPECT_GE(coords.right(last), w - 1);
        EXPECT_GE(coords.bottom(last), h - 1);
        if (fitsAcross) {
            EXPECT_EQ(coords.left(0), 0);
            EXPECT_EQ(coords.right(last), w - 1);
            // Placement 0 puts the picture at the grid's top, 200 at its bottom.
            if (layout.iVPlacement == 0)
                EXPECT_EQ(coords.top(0), 0);
            // Rounding may leave a row of blank paper below it.
            if (layout.iVPlacement == kMaxPlacement)
                EXPECT_NEAR(coords.bottom(last), h - 1, 1);
        } else {
            EXPECT_EQ(coords.top(0), 0);
            EXPECT_EQ(coords.bottom(last), h - 1);
            if (layout.iHPlacement == kMaxPlacement)
                EXPECT_NEAR(coords.right(last), w - 1, 1);
        }
        const std::optional<OutputReport> report = computeOutputReport(layout, QLocale::c());
        ASSERT_TRUE(report);
        EXPECT_EQ(report->finalSize, size);
        EXPECT_EQ(report->sheets, sheets);
        EXPECT_EQ(report->megapixels, QLocale::c().toString(w * double(h) / 1e6, 'f', 2));
    }
}

// The example that asked for the mode: every one of a 6000 x 4000 photo's columns is on a
// sheet, where filling 3 x 2 A4 sheets keeps 68 percent of them.
TEST(WholePicture, APhotoKeepsEveryColumn)
{
    for (const FitMode fit : {FitMode::FillSheets, FitMode::WholePicture}) {
        LayoutState layout = a4Poster(6000, 4000);
        layout.fit = fit;
        TileCoords coords;
        ASSERT_GT(CalcTileCoord(layout, coords), 0);
        ASSERT_TRUE(fitTilesToImage(coords, 6000, 4000, fit));
        const int columns = coords.right(2) - coords.left(0) + 1;
        EXPECT_EQ(columns, fit == FitMode::WholePicture ? 6000 : 4088);
    }
}

TEST(PosterSizing, LengthsAndTheFewestSheetsThatHoldThePicture)
{
    EXPECT_DOUBLE_EQ(*parseLengthInches("1m", Units::Inches), 1000 / 25.4);
    EXPECT_DOUBLE_EQ(*parseLengthInches(" 90 CM ", Units::Inches), 900 / 25.4);
    EXPECT_DOUBLE_EQ(*parseLengthInches("36in", Units::Millimetres), 36);
    EXPECT_DOUBLE_EQ(*parseLengthInches("254", Units::Millimetres), 10);
    for (const char *bad : {"", "0", "-1m", "1 km", "m", "nan"})
        EXPECT_FALSE(parseLengthInches(bad, Units::Inches)) << bad;

    // A4 portrait with 12 mm margins holds 186 x 273 mm of picture a sheet.
    const LayoutState a4 = a4Poster(6000, 4000);
    const struct
    {
        PosterSide side;
        double millimetres;
        std::optional<TileCounts> counts;
    } cases[] = {
        {PosterSide::Width, 1000, TileCounts{6, 3}},  // 1000 x 667 mm
        {PosterSide::Width, 558, TileCounts{3, 2}},   // exactly three sheets wide
        {PosterSide::Height, 273, TileCounts{3, 1}},  // 410 x 273 mm
        {PosterSide::Width, 4651, std::nullopt},      // 26 sheets across
        {PosterSide::Height, 6825, std::nullopt},     // 25 down, but 37 across
    };
    for (const auto &[side, millimetres, counts] : cases) {
        SCOPED_TRACE(millimetres);
        const std::optional<TileCounts> found = tilesForPosterSize(a4, side, millimetres / 25.4);
        ASSERT_EQ(found.has_value(), counts.has_value());
        if (counts) {
            EXPECT_EQ(found->wide, counts->wide);
            EXPECT_EQ(found->high, counts->high);
        }
    }
}
