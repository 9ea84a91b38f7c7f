#include "output/PrintDialogChoices.h"
#include "resources/PosterStrings.h"

#include <gtest/gtest.h>

TEST(PrintDialogChoices, TheGuideNamesEachRowsPages)
{
    const QString intro = PosterStrings::kPageGuideIntro;
    const QString assembly = PosterStrings::kAssemblyPageIsFirst;
    const auto every = [](int) { return true; };
    EXPECT_EQ(printPageGuide(3, 2, true, every), intro + "\n" + assembly + "\nA1 to A3: pages 2 to 4\nB1 to B3: pages 5 to 7");
    EXPECT_EQ(printPageGuide(1, 2, false, every), intro + "\nA1: page 1\nB1: page 2");
    // Sheets left out of a picture kept whole have no page: B2 here, and the row's first.
    const auto notB1OrB2 = [](int t) { return t != 3 && t != 4; };
    EXPECT_EQ(printPageGuide(3, 2, false, notB1OrB2), intro + "\nA1 to A3: pages 1 to 3\nB3: page 4");
    const auto notA2 = [](int t) { return t != 1; };
    EXPECT_EQ(printPageGuide(3, 1, false, notA2), intro + "\nA1: page 1\nA3: page 2");
}

TEST(PrintDialogChoices, SeveralPagesPerSheetOrTwoSidedAreRefused)
{
    const QString refusal = PosterStrings::kOnePagePerSheetOneSided;
    const struct
    {
        QStringList options;
        bool twoSided;
        QString expected;
    } cases[] = {
        {{}, false, {}},
        {{"number-up", "1", "page-set", "all"}, false, {}},
        {{"page-set", "all", "number-up", "2"}, false, refusal},
        {{"number-up", "1"}, true, refusal},
        {{"sides", "two-sided-short-edge"}, false, refusal},
        {{"sides", "one-sided", "Duplex", "None"}, false, {}},
        {{"Duplex", "DuplexNoTumble"}, false, refusal},
    };
    for (const auto &[options, twoSided, expected] : cases)
        EXPECT_EQ(printChoicesThatBreakThePoster(options, twoSided), expected) << options.join(',').toStdString();
}
