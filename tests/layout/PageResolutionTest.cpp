#include "layout/PageResolution.h"
#include "layout/PosterFit.h"
#include "support/LayoutTestStates.h"

#include <gtest/gtest.h>

// A page's picture is measured again so that the sheets print at the resolution asked,
// whatever the grid, the zoom or the fit, unless a sheet would pass the pixels a JPEG
// holds.
TEST(PageResolution, ThePosterPrintsAtTheResolutionAskedUpToTheSheetsLimit)
{
    const auto zoomed = [](LayoutState layout, int zoom) {
        layout.zoom = zoom;
        return layout;
    };
    const auto whole = [](LayoutState layout) {
        layout.fit = FitMode::WholePicture;
        return layout;
    };
    const auto compensated = [](LayoutState layout) {
        layout.compensation = true;
        layout.edgeTrimInches = {0.25, 0.5, 0.25, 0.5};
        return layout;
    };
    const struct
    {
        const char *what;
        LayoutState layout;
        double asked;
        double reached;
    } cases[] = {
        {"3 x 2 of 6 x 4 inches", withImage(posterOf(3, 2, 6, 4), 2480, 3508), 300, 300},
        {"25 x 25 of A4", withImage(posterOf(25, 25, 7.8, 10.7), 9933, 14043), 300, 300},
        {"zoomed in", zoomed(withImage(posterOf(2, 2, 8, 10), 2480, 3508), 200), 150, 150},
        {"whole picture", whole(withImage(posterOf(4, 1, 6, 4), 3000, 2000)), 600, 600},
        {"a 50-inch sheet at 2400 dpi", withImage(posterOf(1, 1, 50, 40), 3000, 2400), 2400, 65500.0 / 50},
        // The trims come off the tile and go back on as borders: the sheet is 50 inches
        // still.
        {"a compensated 50-inch sheet", compensated(withImage(posterOf(1, 1, 50, 30), 3000, 2000)), 2400, 65500.0 / 50},
    };
    for (const auto &c : cases) {
        const std::optional<PageLayout> page = layoutAtResolution(c.layout, c.asked);
        ASSERT_TRUE(page.has_value()) << c.what;
        EXPECT_DOUBLE_EQ(page->dotsPerInch, c.reached) << c.what;
        EXPECT_NEAR(*posterDotsPerInch(page->layout), c.reached, c.reached * 0.002) << c.what;
        // The picture keeps its shape.
        EXPECT_NEAR(double(page->layout.lImgWidth) / page->layout.lImgHeight,
                    double(c.layout.lImgWidth) / c.layout.lImgHeight, 0.001)
            << c.what;
    }
    EXPECT_FALSE(layoutAtResolution(posterOf(3, 2, 6, 4), 300).has_value());
}
