#include "paper/PaperResults.h"

#include "paper/MarginValues.h"
#include "paper/PaperValidation.h"
#include "resources/PaperDialogStrings.h"

PaperResultTexts paperResultTexts(int status, const PaperEntry &paper, Units units)
{
    if (status == kPaperSizeInvalid)
        return {PaperDialogStrings::kInvalidPaperSizeResult, PaperDialogStrings::kNoTileResult};

    const QString sheet = paperSizeResultText(paper.width, paper.height, units);
    if (status == kPaperMarginsInvalid)
        return {sheet, PaperDialogStrings::kInvalidMarginResult};
    return {sheet, paperSizeResultText(paper.tileWidth(), paper.tileHeight(), units)};
}

QString paperSizeResultText(double width, double height, Units units)
{
    const QString unit = units == Units::Inches ? PaperDialogStrings::kResultUnitInches
                                                : PaperDialogStrings::kResultUnitMillimetres;
    return formatPaperNumber(width, PaperNumberUse::ResultLabel, units) + PaperDialogStrings::kSizeSeparator
           + formatPaperNumber(height, PaperNumberUse::ResultLabel, units) + unit;
}

MarginEdge oppositeEdge(MarginEdge edge)
{
    switch (edge) {
    case kTopEdge:
        return kBottomEdge;
    case kRightEdge:
        return kLeftEdge;
    case kBottomEdge:
        return kTopEdge;
    case kLeftEdge:
        return kRightEdge;
    }
    return edge;
}
