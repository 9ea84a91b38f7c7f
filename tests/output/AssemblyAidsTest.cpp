#include "output/AssemblyAids.h"
#include "resources/PosterStrings.h"

#include <gtest/gtest.h>

// Each aid asked for that the margins leave no room for is named with the margin it needs,
// in the paper's unit; an aid not asked for is not named.
TEST(AssemblyAids, AidsWithoutRoomNameTheMarginTheyNeed)
{
    AssemblyAids all;
    AssemblyAids noLabels;
    noLabels.labels = false;
    const QString noCutMarksMm = PosterStrings::cutMarksNeedRoomText("1.1", PosterStrings::kMillimetres);
    const QString noLabelsMm = PosterStrings::labelsNeedRoomText("3.7", PosterStrings::kMillimetres);
    const struct
    {
        const char *name;
        AssemblyAids aids;
        Units units;
        MarginArray margins; // top, right, bottom, left
        QStringList missing;
        MarginArray borders = {};
    } cases[] = {
        {"borderless", all, Units::Millimetres, {0, 0, 0, 0}, {PosterStrings::kGlueStripsNeedRoom, noCutMarksMm, noLabelsMm}},
        {"borderless, labels off", noLabels, Units::Millimetres, {0, 0, 0, 0}, {PosterStrings::kGlueStripsNeedRoom, noCutMarksMm}},
        {"no right margin", all, Units::Millimetres, {12, 0, 12, 12}, {PosterStrings::kGlueStripsNeedRoom}},
        {"thin top and bottom", all, Units::Millimetres, {3, 12, 3, 12}, {noLabelsMm}},
        {"12 mm all round", all, Units::Millimetres, {12, 12, 12, 12}, {}},
        {"inches", all, Units::Inches, {0.02, 0, 0.02, 0},
         {PosterStrings::kGlueStripsNeedRoom, PosterStrings::cutMarksNeedRoomText("0.04", PosterStrings::kInches),
          PosterStrings::labelsNeedRoomText("0.15", PosterStrings::kInches)}},
        // Compensation borders take their margins' room from labels and marks, not from the
        // glue strip, which covers the border it lies on.
        {"3 mm margins with 2 mm borders", all, Units::Millimetres, {3, 3, 3, 3},
         {PosterStrings::cutMarksNeedRoomText("3.1", PosterStrings::kMillimetres),
          PosterStrings::labelsNeedRoomText("5.7", PosterStrings::kMillimetres)}, {2, 2, 2, 2}},
    };
    for (const auto &[name, aids, units, margins, missing, borders] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(aidsWithoutRoom(aids, units, margins, borders), missing);
    }
}
