#include "support/LayoutTestStates.h"
#include "layout/PaperLabels.h"

#include <gtest/gtest.h>

TEST(PaperLabels, NewPaperIsShownInItsOwnUnit)
{
    LayoutState state = posterOf(2, 2, 8, 10);
    takeNewPaper(state, QStringLiteral("A4 - 210 x 297"), Units::Millimetres, 186, 273, 210, 297,
                   QStringLiteral("record"));
    EXPECT_EQ(state.units, Units::Millimetres);
    EXPECT_EQ(state.dTileWidth, 186);
    EXPECT_EQ(state.dTileHeight, 273);
    EXPECT_EQ(state.sPaperRegLine, QStringLiteral("record"));

    PaperLabels labels = paperLabels(state, QLocale::c());
    EXPECT_EQ(labels.paperSize, QStringLiteral("210.0 x 297.0"));
    EXPECT_EQ(labels.tileSize, QStringLiteral("186.0 x 273.0"));
    EXPECT_EQ(labels.paperName, QStringLiteral("A4 - 210 x 297"));
    EXPECT_EQ(labels.units, QStringLiteral("Millimeters"));

    takeNewPaper(state, QStringLiteral("Letter"), Units::Inches, 7.5, 10, 8.5, 11, QString());
    labels = paperLabels(state, QLocale::c());
    EXPECT_EQ(labels.paperSize, QStringLiteral("8.50 x 11.00"));
    EXPECT_EQ(labels.tileSize, QStringLiteral("7.50 x 10.00"));
    EXPECT_EQ(labels.units, QStringLiteral("Inches"));
}
