#include "paper/MarginValues.h"
#include "paper/PaperCatalogue.h"
#include "paper/PaperLimits.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QSet>

TEST(PaperCatalogue, BuiltInRowsKeepTheirNamesSizesAndOrientation)
{
    const PaperCatalogue catalogue;
    ASSERT_EQ(catalogue.rowCount(Units::Inches), 7);
    ASSERT_EQ(catalogue.rowCount(Units::Millimetres), 8);

    const QStringList inchNames = {"Photo 4\" x 6\"", "Photo 5\" x 7\"",  "Photo 8\" x 10\"", "Letter 8.5\" x 11\"",
                                   "Legal 8.5\" x 14\"", "Canvas 11\" x 17\"", "Custom (inches)"};
    for (int row = 0; row < inchNames.size(); ++row)
        EXPECT_EQ(catalogue.row(Units::Inches, row).name, inchNames[row]);
    EXPECT_EQ(catalogue.row(Units::Millimetres, 0).name, "A8 - 53 x 74");
    EXPECT_EQ(catalogue.row(Units::Millimetres, 7).name, "Custom (mm)");

    // The small photo sizes and A8 to A6 are stored landscape.
    const PaperEntry &photo = catalogue.row(Units::Inches, 0);
    EXPECT_EQ(photo.width, 6);
    EXPECT_EQ(photo.height, 4);
    EXPECT_EQ(catalogue.row(Units::Inches, 1).width, 7);
    EXPECT_EQ(catalogue.row(Units::Millimetres, 2).width, 148);
    EXPECT_EQ(catalogue.row(Units::Millimetres, 2).height, 105);
    EXPECT_EQ(catalogue.row(Units::Millimetres, 3).width, 148);
    EXPECT_EQ(catalogue.row(Units::Millimetres, 3).height, 210);

    EXPECT_TRUE(catalogue.isCustomRow(Units::Inches, 6));
    EXPECT_FALSE(catalogue.isCustomRow(Units::Inches, 5));
    EXPECT_TRUE(catalogue.isCustomRow(Units::Millimetres, 7));
    EXPECT_FALSE(catalogue.isCustomRow(Units::Millimetres, 6));
}

TEST(PaperCatalogue, TileIsTheSheetLessItsMargins)
{
    const PaperCatalogue catalogue;
    const PaperEntry &photo = catalogue.row(Units::Inches, 0);
    EXPECT_EQ(photo.tileWidth(), 6);
    EXPECT_EQ(photo.tileHeight(), 4);

    const PaperEntry &a8 = catalogue.row(Units::Millimetres, 0);
    EXPECT_EQ(a8.tileWidth(), 50);
    EXPECT_EQ(a8.tileHeight(), 29);

    PaperEntry uneven = catalogue.row(Units::Inches, 3);
    uneven.margins = {1, 0.25, 2, 0.5};
    EXPECT_DOUBLE_EQ(uneven.tileWidth(), 8.5 - 0.25 - 0.5);
    EXPECT_DOUBLE_EQ(uneven.tileHeight(), 11 - 1 - 2);
}

TEST(PaperCatalogue, RebuildDiscardsEdits)
{
    PaperCatalogue catalogue;
    catalogue.row(Units::Inches, 3).margins = {1, 1, 1, 1};
    catalogue.row(Units::Inches, 6).width = 20;
    catalogue.row(Units::Millimetres, 7).height = 400;

    catalogue.BuildPaperCatalogue();

    EXPECT_EQ(catalogue.row(Units::Inches, 3).margins, (MarginArray{0.5, 0.5, 0.5, 0.5}));
    EXPECT_EQ(catalogue.row(Units::Inches, 6).width, 4);
    EXPECT_EQ(catalogue.row(Units::Inches, 6).height, 6);
    EXPECT_EQ(catalogue.row(Units::Millimetres, 7).width, 148);
    EXPECT_EQ(catalogue.row(Units::Millimetres, 7).height, 210);
    EXPECT_EQ(catalogue.rowCount(Units::Inches), 7);
}

TEST(PaperCatalogue, FindsOnlyExactNamesOfTheRightUnit)
{
    const PaperCatalogue catalogue;
    EXPECT_EQ(catalogue.FindPaperByName(Units::Inches, "Letter 8.5\" x 11\""), 3);
    EXPECT_EQ(catalogue.FindPaperByName(Units::Millimetres, "A4 - 210 x 297"), 4);
    EXPECT_EQ(catalogue.FindPaperByName(Units::Inches, "A4 - 210 x 297"), -1);
    EXPECT_EQ(catalogue.FindPaperByName(Units::Millimetres, "a4 - 210 x 297"), -1);
    EXPECT_EQ(catalogue.FindPaperByName(Units::Millimetres, ""), -1);
}

TEST(PaperCatalogue, AddPaperFillsTheFirstFreeRowAndRefusesWhenFull)
{
    PaperCatalogue catalogue;
    EXPECT_FALSE(catalogue.AddPaper(Units::Inches, "Tabloid", 11, 17, 1, 1, 1, 1));

    catalogue.row(Units::Inches, 2) = PaperEntry{};
    EXPECT_TRUE(catalogue.row(Units::Inches, 2).isFree());
    ASSERT_TRUE(catalogue.AddPaper(Units::Inches, "Tabloid", 11, 17, 0.1, 0.2, 0.3, 0.4));
    const PaperEntry &added = catalogue.row(Units::Inches, 2);
    EXPECT_EQ(added.name, "Tabloid");
    EXPECT_EQ(added.defaultMargins, (MarginArray{0.1, 0.2, 0.3, 0.4}));
    EXPECT_EQ(added.margins, added.defaultMargins);
}

TEST(PaperCatalogue, RowsOutsideTheCatalogueAreRefused)
{
    const PaperCatalogue catalogue;
    EXPECT_FALSE(catalogue.isValidRow(Units::Inches, 7));
    EXPECT_FALSE(catalogue.isValidRow(Units::Millimetres, -1));
    EXPECT_THROW(catalogue.row(Units::Inches, 7), std::out_of_range);
    EXPECT_THROW(catalogue.row(Units::Millimetres, -1), std::out_of_range);
}

TEST(MarginValues, ListsEndWhereTheAccumulatedStepStops)
{
    const QStringList inches = marginValueTexts(Units::Inches);
    ASSERT_EQ(inches.size(), 201);
    EXPECT_EQ(inches.front(), "0.00");
    EXPECT_EQ(inches[50], "0.50");
    EXPECT_EQ(inches.back(), "2.00");
    EXPECT_FALSE(inches.contains("2.01"));
    EXPECT_EQ(QSet<QString>(inches.begin(), inches.end()).size(), 201) << "no value shown twice";

    const QStringList millimetres = marginValueTexts(Units::Millimetres);
    ASSERT_EQ(millimetres.size(), 102);
    EXPECT_EQ(millimetres.front(), "0.0");
    EXPECT_EQ(millimetres[24], "12.0");
    EXPECT_EQ(millimetres.back(), "50.5");
}

TEST(MarginValues, SizesShowWithTheMaskOfTheirPlace)
{
    EXPECT_EQ(formatPaperNumber(8.5, PaperNumberUse::SizeBox, Units::Inches), "8.50");
    EXPECT_EQ(formatPaperNumber(0.5, PaperNumberUse::SizeBox, Units::Inches), "0.50");
    EXPECT_EQ(formatPaperNumber(210, PaperNumberUse::SizeBox, Units::Millimetres), "210.0");
    EXPECT_EQ(formatPaperNumber(29, PaperNumberUse::ResultLabel, Units::Millimetres), "29.0");
    EXPECT_EQ(formatPaperNumber(1270, PaperNumberUse::MainWindowReadout, Units::Millimetres), "1270.0");
    EXPECT_EQ(formatPaperNumber(minCustomPaperSide(Units::Inches), PaperNumberUse::MinimumSizeNotice, Units::Inches),
              ".75");
    EXPECT_EQ(formatPaperNumber(minCustomPaperSide(Units::Millimetres), PaperNumberUse::MinimumSizeNotice,
                                Units::Millimetres),
              "20");
}

TEST(MarginValues, TextsKeepThePointWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German));
    const QString text = formatPaperNumber(0.5, PaperNumberUse::SizeBox, Units::Inches);
    const QStringList items = marginValueTexts(Units::Millimetres);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(text, "0.50");
    EXPECT_EQ(items[1], "0.5");
}

TEST(PaperLimits, MillimetreLimitsAreTheInchLimitsConverted)
{
    EXPECT_DOUBLE_EQ(minTileSide(Units::Millimetres), 19.05);
    EXPECT_EQ(maxTileSide(Units::Millimetres), 1270);
    EXPECT_TRUE(isTileSideWithinLimits(1270, Units::Millimetres));
    EXPECT_FALSE(isTileSideWithinLimits(1270.01, Units::Millimetres));
    EXPECT_TRUE(isTileSideWithinLimits(0.75, Units::Inches));
    EXPECT_FALSE(isTileSideWithinLimits(0.74, Units::Inches));
    EXPECT_EQ(minCustomPaperSide(Units::Millimetres), 20);
}
