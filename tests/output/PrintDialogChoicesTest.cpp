#include "output/PrintDialogChoices.h"
#include "resources/PosterStrings.h"

#include <gtest/gtest.h>

TEST(PrintDialogChoices, TheGuideNamesEachRowsPages)
{
    const QString intro = PosterStrings::kPageGuideIntro;
    const QString assembly = PosterStrings::kAssemblyPageIsFirst;
    EXPECT_EQ(printPageGuide(3, 2, true), intro + "\n" + assembly + "\nA1 to A3: pages 2 to 4\nB1 to B3: pages 5 to 7");
    EXPECT_EQ(printPageGuide(1, 2, false), intro + "\nA1: page 1\nB1: page 2");
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
