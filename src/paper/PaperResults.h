#pragma once

#include "paper/PaperCatalogue.h"
#include "common/Units.h"

#include <QString>

// What the paper dialog's two result labels read.
struct PaperResultTexts
{
    QString sizeWithBorders;
    QString sizeWithoutBorders;
};

// For a check status (kPaperInputValid, kPaperSizeInvalid, kPaperMarginsInvalid): a size
// failure replaces both texts, a margin failure only the tile's; any other status shows
// the paper's sheet and tile sizes as stored.
PaperResultTexts paperResultTexts(int status, const PaperEntry &paper, Units units);

// A size as "width x height unit", for instance "8.50 x 11.00 Inches" or "210.0 x 297.0 mm".
QString paperSizeResultText(double width, double height, Units units);

// The margin that mirrors an edge when left equals right and top equals bottom.
MarginEdge oppositeEdge(MarginEdge edge);
