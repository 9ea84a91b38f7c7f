#include "paper/PaperRecord.h"
#include "paper/PaperSelection.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const QString kLetterName = QStringLiteral("Letter 8.5\" x 11\"");
const QString kLetterRecord = QStringLiteral("|0|Letter 8.5\" x 11\"|8.5|11|.5|.5|.5|.5|.5|.5|.5|.5|");
const QString kA4Record = QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|");

void expectBuiltInPaper(const PaperSelection &selection)
{
    const PaperValues values = selection.getWhuValues();
    EXPECT_EQ(values.units, Units::Inches);
    EXPECT_EQ(values.paperName, "Photo 4\" x 6\"");
    EXPECT_EQ(values.tileWidth, 6);
    EXPECT_EQ(values.tileHeight, 4);
    EXPECT_EQ(values.paperWidth, 6);
    EXPECT_EQ(values.paperHeight, 4);
    EXPECT_EQ(selection.selectedRow(Units::Inches), 0);
    EXPECT_EQ(selection.selectedRow(Units::Millimetres), 0);
}

// A record that fails must leave the selection as if freshly built, even after edits.
void expectRejectedSilently(const QString &record)
{
    SCOPED_TRACE(record.toStdString());
    PaperSelection selection;
    selection.setUnits(Units::Millimetres);
    selection.selectRow(Units::Millimetres, 7);
    selection.setSelectedPaperSize(300, 300);
    selection.selectRow(Units::Inches, 3);

    EXPECT_FALSE(selection.setPrefFromRegLine(record));
    expectBuiltInPaper(selection);
    EXPECT_EQ(selection.catalogue().row(Units::Millimetres, 7).width, 148);
}

} // namespace

TEST(PaperRecord, WritesTheClassicRecordText)
{
    PaperSelection selection;
    ASSERT_TRUE(selection.selectRow(Units::Inches, 3));
    EXPECT_EQ(selection.BuildPaperRegLine(), kLetterRecord);

    selection.setUnits(Units::Millimetres);
    ASSERT_TRUE(selection.selectRow(Units::Millimetres, 4));
    EXPECT_EQ(selection.BuildPaperRegLine(), kA4Record);

    PaperEntry odd;
    odd.name = "Odd";
    odd.width = 0.25;
    odd.height = 1e-5;
    odd.margins = {-0.5, 1.125, 0, 10};
    EXPECT_EQ(paperRecordText(Units::Inches, odd), "|0|Odd|.25|1E-05|0|0|0|0|-.5|1.125|0|10|");
}

TEST(PaperRecord, NoStoredRecordGivesTheBorderlessPhoto)
{
    PaperSelection selection;
    expectBuiltInPaper(selection);
    EXPECT_FALSE(selection.setPrefFromRegLine(QString()));
    expectBuiltInPaper(selection);
}

TEST(PaperRecord, ReadingSelectsTheEntryAndItsUnit)
{
    PaperSelection selection;
    ASSERT_TRUE(selection.setPrefFromRegLine(kA4Record));
    const PaperValues values = selection.getWhuValues();
    EXPECT_EQ(values.units, Units::Millimetres);
    EXPECT_EQ(values.paperName, "A4 - 210 x 297");
    EXPECT_EQ(values.tileWidth, 186);
    EXPECT_EQ(values.tileHeight, 273);
    EXPECT_EQ(selection.selectedRow(Units::Millimetres), 4);
    EXPECT_EQ(selection.selectedRow(Units::Inches), 0);
}

TEST(PaperRecord, WritingThenReadingRestoresEntryUnitAndMargins)
{
    PaperSelection written;
    written.setUnits(Units::Millimetres);
    written.selectRow(Units::Millimetres, 7);
    ASSERT_TRUE(written.setSelectedPaperSize(330.5, 482));
    ASSERT_TRUE(written.setSelectedMargins({3, 4.5, 0, 7.25}));

    PaperSelection read;
    ASSERT_TRUE(read.setPrefFromRegLine(written.BuildPaperRegLine()));
    EXPECT_EQ(read.units(), Units::Millimetres);
    EXPECT_EQ(read.selectedRow(Units::Millimetres), 7);
    EXPECT_EQ(read.selectedEntry().width, 330.5);
    EXPECT_EQ(read.selectedEntry().height, 482);
    EXPECT_EQ(read.selectedEntry().margins, (MarginArray{3, 4.5, 0, 7.25}));
    EXPECT_EQ(read.selectedEntry().defaultMargins, (MarginArray{12, 12, 12, 12}));
    EXPECT_EQ(read.BuildPaperRegLine(), written.BuildPaperRegLine());

    PaperSelection tenths;
    tenths.selectRow(Units::Inches, 2);
    ASSERT_TRUE(tenths.setSelectedMargins({0.1, 0.2, 0.3, 0.7}));
    PaperSelection tenthsRead;
    ASSERT_TRUE(tenthsRead.setPrefFromRegLine(tenths.BuildPaperRegLine()));
    EXPECT_EQ(tenthsRead.selectedEntry().margins, (MarginArray{0.1, 0.2, 0.3, 0.7}));
}

TEST(PaperRecord, MissingTrailingBarReadsTheSame)
{
    PaperSelection withBar;
    PaperSelection withoutBar;
    ASSERT_TRUE(withBar.setPrefFromRegLine(kLetterRecord));
    ASSERT_TRUE(withoutBar.setPrefFromRegLine(kLetterRecord.chopped(1)));
    EXPECT_EQ(withoutBar.BuildPaperRegLine(), withBar.BuildPaperRegLine());
    EXPECT_EQ(withoutBar.selectedEntry().name, kLetterName);
}

TEST(PaperRecord, OnlyTheCustomPaperTakesItsStoredSize)
{
    PaperSelection selection;
    ASSERT_TRUE(selection.setPrefFromRegLine("|0|Letter 8.5\" x 11\"|20|30|9|9|9|9|1|1|1|1|"));
    EXPECT_EQ(selection.selectedEntry().width, 8.5);
    EXPECT_EQ(selection.selectedEntry().height, 11);
    EXPECT_EQ(selection.selectedEntry().margins, (MarginArray{1, 1, 1, 1}));
    EXPECT_EQ(selection.selectedEntry().defaultMargins, (MarginArray{0.5, 0.5, 0.5, 0.5}));

    // Size and default pieces of a catalogue paper are never read, so their text does not matter.
    ASSERT_TRUE(selection.setPrefFromRegLine("|0|Letter 8.5\" x 11\"|x|y|a|b|c|d|1|1|1|1|"));
    EXPECT_EQ(selection.getWhuValues().tileWidth, 6.5);

    ASSERT_TRUE(selection.setPrefFromRegLine("|0|Custom (inches)|20|30|9|9|9|9|1|1|1|1|"));
    EXPECT_EQ(selection.getWhuValues().paperWidth, 20);
    EXPECT_EQ(selection.getWhuValues().tileHeight, 28);
}

TEST(PaperRecord, TileLimitsAreInclusiveInTheRecordsUnit)
{
    PaperSelection selection;
    EXPECT_TRUE(selection.setPrefFromRegLine("|1|Custom (mm)|1270|20|0|0|0|0|0|0|0|0|"));
    EXPECT_EQ(selection.getWhuValues().tileWidth, 1270);
    EXPECT_TRUE(selection.setPrefFromRegLine("|0|Custom (inches)|50|.75|0|0|0|0|0|0|0|0|"));
    EXPECT_TRUE(selection.setPrefFromRegLine("|1|Custom (mm)|19.05|19.05|0|0|0|0|0|0|0|0|"));

    expectRejectedSilently("|1|Custom (mm)|1270.5|20|0|0|0|0|0|0|0|0|");
    expectRejectedSilently("|1|Custom (mm)|100|19|0|0|0|0|0|0|0|0|");
    expectRejectedSilently("|0|Custom (inches)|60|10|0|0|0|0|0|0|0|0|");
    expectRejectedSilently("|0|Custom (inches)|10|.7|0|0|0|0|0|0|0|0|");
    // Margins eating the whole sheet leave no tile.
    expectRejectedSilently("|0|Letter 8.5\" x 11\"|8.5|11|.5|.5|.5|.5|.5|4.25|.5|4.25|");
}

TEST(PaperRecord, DamagedRecordsFallBackSilently)
{
    expectRejectedSilently("");
    expectRejectedSilently("garbage");
    expectRejectedSilently("|||||||||||||");
    expectRejectedSilently("|0|Letter 8.5\" x 11\"|8.5|11|.5|.5|.5|.5|.5|.5|.5");
    expectRejectedSilently("|0|Letter 8.5\" x 11\"|8.5|11|.5|.5|.5|.5|.5|.5|wide|.5|");
    expectRejectedSilently("|0|Letter 8.5\" x 11\"|8.5|11|.5|.5|.5|.5|.5|.5||.5|");
    expectRejectedSilently("|2|Letter 8.5\" x 11\"|8.5|11|.5|.5|.5|.5|.5|.5|.5|.5|");
    expectRejectedSilently("|x|Letter 8.5\" x 11\"|8.5|11|.5|.5|.5|.5|.5|.5|.5|.5|");
    expectRejectedSilently("|0|letter 8.5\" x 11\"|8.5|11|.5|.5|.5|.5|.5|.5|.5|.5|");
    expectRejectedSilently("|0|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|");
    expectRejectedSilently("|1|Custom (mm)|wide|210|12|12|12|12|12|12|12|12|");
    expectRejectedSilently("|0|Custom (inches)|inf|6|0|0|0|0|0|0|0|0|");
}

TEST(PaperRecord, NegativeMarginsAreRefused)
{
    // The tile would come out larger than the sheet it is printed on.
    expectRejectedSilently("|0|Letter 8.5\" x 11\"|8.5|11|.5|.5|.5|.5|-1|.5|.5|.5|");
    expectRejectedSilently("|1|A4 - 210 x 297|210|297|12|12|12|12|12|-5|12|12|");
}

TEST(PaperSelection, EachUnitKeepsItsOwnRowAndEditedValues)
{
    PaperSelection selection;
    ASSERT_TRUE(selection.selectRow(Units::Inches, 3));
    ASSERT_TRUE(selection.setSelectedMargins({1, 1, 1, 1}));
    EXPECT_FALSE(selection.setSelectedPaperSize(20, 20)) << "only the custom paper is resizable";

    selection.setUnits(Units::Millimetres);
    ASSERT_TRUE(selection.selectRow(Units::Millimetres, 0));
    EXPECT_EQ(selection.getWhuValues().tileWidth, 50);
    EXPECT_EQ(selection.getWhuValues().tileHeight, 29);

    selection.setUnits(Units::Inches);
    EXPECT_EQ(selection.selectedEntry().name, kLetterName);
    EXPECT_EQ(selection.getWhuValues().tileWidth, 6.5);
    EXPECT_EQ(selection.getWhuValues().units, Units::Inches);

    EXPECT_FALSE(selection.selectRow(Units::Inches, 7));
    EXPECT_FALSE(selection.selectRow(Units::Millimetres, -1));
    EXPECT_EQ(selection.selectedRow(Units::Inches), 3);

    selection.initPaperSizes();
    expectBuiltInPaper(selection);
    EXPECT_EQ(selection.catalogue().row(Units::Inches, 3).margins, (MarginArray{0.5, 0.5, 0.5, 0.5}));
}

TEST(PaperSelection, SettersRefuseNumbersThatAreNotFinite)
{
    PaperSelection selection;
    selection.selectRow(Units::Inches, 6);
    EXPECT_FALSE(selection.setSelectedPaperSize(std::numeric_limits<double>::quiet_NaN(), 5));
    EXPECT_FALSE(selection.setSelectedMargins({0, std::numeric_limits<double>::infinity(), 0, 0}));
    EXPECT_EQ(selection.selectedEntry().width, 4);
    EXPECT_EQ(selection.selectedEntry().margins, (MarginArray{0.5, 0.5, 0.5, 0.5}));
    EXPECT_TRUE(selection.setSelectedPaperSize(12, 18));
    EXPECT_EQ(selection.getWhuValues().tileHeight, 17);
}
