#pragma once

#include "common/Units.h"
#include "paper/PaperCatalogue.h"

#include <QString>
#include <QStringList>

#include <optional>

// The helps for putting a printed poster together, each of which can be switched off.
// They are drawn only in the margins, never over the picture.
struct AssemblyAids
{
    // A sheet with a right or lower neighbour also prints, in that margin, the first strip
    // of the neighbour's picture, to glue the neighbour over.
    bool glueStrip = true;
    // The strip's width in the paper's unit; nothing takes the default: 10 mm or 0.4 inch,
    // or the margin when that is smaller.
    std::optional<double> glueStripLength;
    bool cutMarks = true;
    // The sheet's row letter and column number ("A1" at the top left) and "sheet k of N".
    bool labels = true;
    // A first page with the whole poster, its grid and labels, and what it prints as.
    bool assemblyPage = true;

    static constexpr double kDefaultGlueInches = 0.4;
    static constexpr double kDefaultGlueMillimetres = 10.0;
    // Points between the picture and a cut mark: a margin must be wider to hold one.
    static constexpr double kCutMarkGapPoints = 3.0;
    // The height of a sheet label's line and a half, which its margin must have.
    static constexpr double kLabelRoomPoints = 10.5;
};

// Which aids the margins have room for, whether asked for or not. The borders are the widths
// of the edge compensation borders that reach into each margin (zero without compensation):
// no cut mark or label may lie on them, while a glue strip covers them.
struct AidsRoom
{
    bool glueStrip = true; // a right and a bottom margin
    bool cutMarks = true;  // a margin wider than the cut mark's gap
    bool labels = true;    // a top or bottom margin as high as a label's line
};
AidsRoom roomForAids(Units units, const MarginArray &margins, const MarginArray &borders = {});

// For each aid asked for that the margins leave no room for, what margin it needs, in the
// paper's unit; empty when every aid asked for is drawn.
QStringList aidsWithoutRoom(const AssemblyAids &aids, Units units, const MarginArray &margins,
                            const MarginArray &borders = {});

// The glue strip width a poster uses, in the paper's unit: the one asked for, or the
// default, or the margin that holds the strip when that is smaller. Zero without a strip.
double glueStripLength(const AssemblyAids &aids, Units units, const MarginArray &margins);

// The message for a glue strip wider than the right or bottom margin it must fit in,
// naming that margin and the largest length allowed; empty when it fits.
QString glueStripMisfit(const AssemblyAids &aids, Units units, const MarginArray &margins);
