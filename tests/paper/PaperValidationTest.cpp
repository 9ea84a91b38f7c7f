#include "paper/PaperSelection.h"
#include "paper/PaperValidation.h"

#include <gtest/gtest.h>

namespace {

PaperInputTexts texts(const QString &width, const QString &height, const QString &top, const QString &right,
                      const QString &bottom, const QString &left)
{
    return PaperInputTexts{width, height, {top, right, bottom, left}};
}

void expectFailure(const PaperInputResult &result, PaperInputStatus status, const QString &message)
{
    EXPECT_EQ(result.status, status);
    EXPECT_EQ(result.message, message);
}

} // namespace

TEST(PaperValidation, TypedCustomSizeMustBeReadableAndLargeEnough)
{
    expectFailure(validatePaperInput(texts("0.5", "6", "0", "0", "0", "0"), Units::Inches, true), kPaperSizeInvalid,
                  "Invalid paper size - size too small.  Minimum size is .75.");
    expectFailure(validatePaperInput(texts("19", "100", "0", "0", "0", "0"), Units::Millimetres, true),
                  kPaperSizeInvalid, "Invalid paper size - size too small.  Minimum size is 20.");
    expectFailure(validatePaperInput(texts("wide", "6", "0", "0", "0", "0"), Units::Inches, true), kPaperSizeInvalid,
                  "Invalid Paper Width or Height");
    // For a catalogue paper the same size problem is reported by the margin check.
    expectFailure(validatePaperInput(texts("", "6", "0", "0", "0", "0"), Units::Inches, false), kPaperMarginsInvalid,
                  "Invalid Paper Width or Height");

    EXPECT_EQ(CheckPaperSizeText("20", "20", Units::Millimetres).check, kPaperSizeReadable);
    EXPECT_EQ(CheckPaperSizeText("19.99", "20", Units::Millimetres).check, kPaperSizeBelowMinimum);
}

TEST(PaperValidation, MarginsAreCheckedInEdgeOrder)
{
    expectFailure(validatePaperInput(texts("8.5", "11", "x", "-1", ".5", ".5"), Units::Inches, false),
                  kPaperMarginsInvalid, "You entered invalid values for print margins.");
    expectFailure(validatePaperInput(texts("8.5", "11", ".5", "-1", "x", ".5"), Units::Inches, false),
                  kPaperMarginsInvalid, "Invalid margin value - can't be less than zero");
    expectFailure(validatePaperInput(texts("8.5", "11", "6", "4.25", "6", "4.25"), Units::Inches, false),
                  kPaperMarginsInvalid,
                  "Invalid Left / Right Margins.  Together they are larger than the paper width.");
    expectFailure(validatePaperInput(texts("8.5", "11", "5.5", ".5", "5.5", ".5"), Units::Inches, false),
                  kPaperMarginsInvalid,
                  "Invalid Top / Bottom Margins.  Together they are larger than the paper height.");
}

TEST(PaperValidation, SheetAndTileMustFitTheTileLimits)
{
    expectFailure(validatePaperInput(texts("60", "10", ".1", ".1", ".1", ".1"), Units::Inches, true),
                  kPaperSizeInvalid, "Paper size too large");
    expectFailure(validatePaperInput(texts("1271", "200", "0", "0", "0", "0"), Units::Millimetres, true),
                  kPaperSizeInvalid, "Paper size too large");
    expectFailure(validatePaperInput(texts("8.5", "11", ".5", "4", ".5", "4"), Units::Inches, false),
                  kPaperMarginsInvalid, "Paper/Margins too small");

    const PaperInputResult edge = validatePaperInput(texts("1270.0", "20.0", "0.0", "0.0", "0.0", "0.0"),
                                                     Units::Millimetres, true);
    EXPECT_EQ(edge.status, kPaperInputValid);
    EXPECT_EQ(edge.width, 1270);
    EXPECT_EQ(edge.height, 20);
}

TEST(PaperValidation, OnlyCheckedValuesReachTheSelectedPaper)
{
    PaperSelection selection;
    selection.selectRow(Units::Inches, 6);
    ASSERT_EQ(selection.ValidateAndStore(texts("12.00", "18.00", "0.25", "0.50", "0.75", "1.00")).status,
              kPaperInputValid);
    EXPECT_EQ(selection.selectedEntry().width, 12);
    EXPECT_EQ(selection.selectedEntry().margins, (MarginArray{0.25, 0.5, 0.75, 1}));

    EXPECT_EQ(selection.ValidateAndStore(texts("0.5", "18.00", "0", "0", "0", "0")).status, kPaperSizeInvalid);
    EXPECT_EQ(selection.ValidateAndStore(texts("12.00", "18.00", "0", "bad", "0", "0")).status, kPaperMarginsInvalid);
    EXPECT_EQ(selection.selectedEntry().width, 12);
    EXPECT_EQ(selection.selectedEntry().margins, (MarginArray{0.25, 0.5, 0.75, 1}));

    // A catalogue paper takes the margins but never a size.
    selection.selectRow(Units::Inches, 3);
    ASSERT_EQ(selection.ValidateAndStore(texts("9.00", "12.00", "0", "0", "0", "0")).status, kPaperInputValid);
    EXPECT_EQ(selection.getWhuValues().tileWidth, 8.5);
    EXPECT_EQ(selection.getWhuValues().tileHeight, 11);
}
