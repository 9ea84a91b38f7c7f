#include "support/LayoutTestStates.h"
#include "layout/OutputReport.h"

#include <gtest/gtest.h>

namespace {

OutputReport reportOf(const LayoutState &state, const QLocale &locale = QLocale::c())
{
    const std::optional<OutputReport> report = computeOutputReport(state, locale);
    EXPECT_TRUE(report.has_value());
    return report.value_or(OutputReport{});
}

} // namespace

TEST(OutputReport, WithoutImageOnlyTheSizeIsKnown)
{
    const LayoutState state = posterOf(3, 2, 8, 10);
    const OutputReport report = reportOf(state);
    EXPECT_EQ(report.finalSize, QStringLiteral("24.00 x 20.00 inches"));
    EXPECT_EQ(report.resolution, QStringLiteral("---"));
    EXPECT_EQ(report.quality, QStringLiteral("---"));
    EXPECT_EQ(report.megapixels, QStringLiteral("---"));
    EXPECT_FALSE(actionButtonsEnabled(state));
}

TEST(OutputReport, ImageAtZoomZeroAndHundredInInches)
{
    LayoutState state = withImage(posterOf(3, 2, 8, 10), 3000, 2000);
    OutputReport report = reportOf(state);
    EXPECT_EQ(report.finalSize, QStringLiteral("24.00 x 20.00 inches"));
    EXPECT_EQ(report.resolution, QStringLiteral("100.0 dpi"));
    EXPECT_EQ(report.quality, QStringLiteral("Good"));
    EXPECT_EQ(report.megapixels, QStringLiteral("4.80"));
    EXPECT_TRUE(actionButtonsEnabled(state));

    state.zoom = 100;
    report = reportOf(state);
    EXPECT_EQ(report.resolution, QStringLiteral("50.0 dpi"));
    EXPECT_EQ(report.quality, QStringLiteral("Good from a distance"));
    EXPECT_EQ(report.megapixels, QStringLiteral("1.20"));
}

TEST(OutputReport, MillimetreUsersReadCentimetresAndDotsPerCentimetre)
{
    LayoutState state = withImage(posterOf(3, 2, 8 * 25.4, 10 * 25.4), 3000, 2000);
    state.units = Units::Millimetres;
    const OutputReport report = reportOf(state);
    EXPECT_EQ(report.finalSize, QStringLiteral("61.0 x 50.8 cm"));
    EXPECT_EQ(report.resolution, QStringLiteral("39.4 dots/cm"));
    EXPECT_EQ(report.quality, QStringLiteral("Good"));
    EXPECT_EQ(report.megapixels, QStringLiteral("4.80"));
}

TEST(OutputReport, RotatedTilesAndTrimmedEdgesChangeThePosterSize)
{
    LayoutState state = withImage(posterOf(3, 2, 8, 10), 3000, 2000);
    state.bTileRotated = true;
    EXPECT_EQ(reportOf(state).finalSize, QStringLiteral("30.00 x 16.00 inches"));

    state.bTileRotated = false;
    state.compensation = true;
    state.edgeTrimInches = {0.25, 0.125, 0.25, 0.125};
    EXPECT_EQ(reportOf(state).finalSize, QStringLiteral("23.25 x 19.00 inches"));
}

TEST(OutputReport, LocaleDecimalSeparatorIsUsed)
{
    const LayoutState state = withImage(posterOf(3, 2, 8, 10), 3000, 2000);
    const OutputReport report = reportOf(state, QLocale(QLocale::German));
    EXPECT_EQ(report.finalSize, QStringLiteral("24,00 x 20,00 inches"));
    EXPECT_EQ(report.resolution, QStringLiteral("100,0 dpi"));
    EXPECT_EQ(report.megapixels, QStringLiteral("4,80"));
}

TEST(OutputReport, FailedTileCheckGivesNoReportAndDisablesActions)
{
    LayoutState state = withImage(posterOf(3, 2, 8, 10), 3000, 2000);
    state.dTileHeight = 50.5;
    EXPECT_FALSE(computeOutputReport(state).has_value());
    EXPECT_FALSE(actionButtonsEnabled(state));
}

TEST(OutputReport, ImageWithoutPixelsIsReportedAsNoImage)
{
    const LayoutState state = withImage(posterOf(3, 2, 8, 10), 3000, 0);
    const OutputReport report = reportOf(state);
    EXPECT_EQ(report.finalSize, QStringLiteral("24.00 x 20.00 inches"));
    EXPECT_EQ(report.resolution, QStringLiteral("---"));
    EXPECT_EQ(report.megapixels, QStringLiteral("---"));
}

TEST(OutputReport, QualityBoundariesAreStrict)
{
    EXPECT_EQ(QualityText(200.01), QStringLiteral("Excellent"));
    EXPECT_EQ(QualityText(200), QStringLiteral("Very Good"));
    EXPECT_EQ(QualityText(140), QStringLiteral("Good"));
    EXPECT_EQ(QualityText(90), QStringLiteral("Fair"));
    EXPECT_EQ(QualityText(70), QStringLiteral("Good from a distance"));
    EXPECT_EQ(QualityText(35), QStringLiteral("Fair from a distance"));
    EXPECT_EQ(QualityText(0), QStringLiteral("Fair from a distance"));
}

TEST(OutputReport, StripSuffixRemovesOnlyATrailingMatch)
{
    EXPECT_EQ(StripSuffix(QStringLiteral("100."), QStringLiteral(".")), QStringLiteral("100"));
    EXPECT_EQ(StripSuffix(QStringLiteral("100.0"), QStringLiteral(".")), QStringLiteral("100.0"));
    EXPECT_EQ(StripSuffix(QStringLiteral("jpg"), QStringLiteral("tile.jpg")), QStringLiteral("jpg"));
    EXPECT_EQ(StripSuffix(QStringLiteral("abc"), QString()), QStringLiteral("abc"));
}
