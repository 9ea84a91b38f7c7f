#include "prefs/StoredPaper.h"

#include <gtest/gtest.h>

TEST(StoredPaper, ARejectedOrMissingRecordGivesTheBuiltInPhotoPaper)
{
    for (const QString &record : {QString(), QStringLiteral("|0|no such paper|1|1|0|0|0|0|0|0|0|0|")}) {
        const PaperValues values = storedPaperValues(record);
        EXPECT_EQ(values.units, Units::Inches);
        EXPECT_DOUBLE_EQ(values.tileWidth, 6.0);
        EXPECT_DOUBLE_EQ(values.tileHeight, 4.0);
    }
}

TEST(StoredPaper, AnAcceptedRecordGivesItsPaperLessItsMargins)
{
    const PaperValues values = storedPaperValues("|1|A4 - 210 x 297|210|297|12|12|12|12|10|12|14|16|");
    EXPECT_EQ(values.units, Units::Millimetres);
    EXPECT_EQ(values.paperName, "A4 - 210 x 297");
    EXPECT_DOUBLE_EQ(values.paperWidth, 210.0);
    EXPECT_DOUBLE_EQ(values.tileWidth, 210.0 - 12 - 16);
    EXPECT_DOUBLE_EQ(values.tileHeight, 297.0 - 10 - 14);
}
