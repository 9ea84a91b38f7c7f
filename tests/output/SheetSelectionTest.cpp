#include "output/SheetSelection.h"

#include <gtest/gtest.h>

// Sheets named by label, number or range, on a poster 3 wide and 2 high (A1 to B3).
TEST(SheetSelection, NamesSheetsByLabelNumberOrRangeAndRefusesOthers)
{
    const struct
    {
        const char *list;
        std::optional<QList<int>> sheets;
    } cases[] = {
        {"A2", QList<int>{1}},
        {"b1, a3", QList<int>{2, 3}},
        {"3-4", QList<int>{2, 3}},
        {"6,1,B3", QList<int>{0, 5}},
        {"C1", std::nullopt},  // a third row
        {"A4", std::nullopt},  // a fourth column
        {"7", std::nullopt},   // past the last sheet
        {"4-2", std::nullopt}, // a range backwards
        {"0", std::nullopt},
        {"", std::nullopt},
        {"A1,,B2", std::nullopt},
    };
    for (const auto &[list, sheets] : cases) {
        SCOPED_TRACE(list);
        EXPECT_EQ(parseSheetList(QString::fromLatin1(list), 3, 2), sheets);
    }
}

TEST(SheetSelection, PageRangesJoinNeighbouringPages)
{
    EXPECT_EQ(cupsPageRanges({2, 3, 5, 7, 8, 9}), "2-3,5,7-9");
    EXPECT_EQ(cupsPageRanges({4}), "4");
}
