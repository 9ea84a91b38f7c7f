#include "paper/PaperValidation.h"

#include "common/NumberFormat.h"
#include "paper/MarginValues.h"
#include "paper/PaperLimits.h"
#include "resources/PaperStrings.h"

#include <optional>

namespace {

PaperInputResult failure(PaperInputStatus status, const QString &message)
{
    PaperInputResult result;
    result.status = status;
    result.message = message;
    return result;
}

} // namespace

PaperSizeResult CheckPaperSizeText(const QString &widthText, const QString &heightText, Units units)
{
    PaperSizeResult result;
    const std::optional<double> width = parseDecimalText(widthText);
    const std::optional<double> height = parseDecimalText(heightText);
    if (!width || !height) {
        result.check = kPaperSizeUnreadable;
        result.message = PaperStrings::kInvalidPaperWidthOrHeight;
        return result;
    }
    result.width = *width;
    result.height = *height;

    const double minimum = minCustomPaperSide(units);
    if (*width < minimum || *height < minimum) {
        result.check = kPaperSizeBelowMinimum;
        result.message = PaperStrings::kPaperSizeBelowMinimum + QLatin1Char(' ')
                         + formatPaperNumber(minimum, PaperNumberUse::MinimumSizeNotice, units)
                         + QLatin1Char('.');
    }
    return result;
}

MarginResult CheckMarginText(const PaperInputTexts &texts, Units units)
{
    MarginResult result;
    const PaperSizeResult size = CheckPaperSizeText(texts.width, texts.height, units);
    if (size.check != kPaperSizeReadable) {
        result.valid = false;
        result.message = size.message;
        return result;
    }
    result.width = size.width;
    result.height = size.height;

    for (int edge = 0; edge < 4; ++edge) {
        const std::optional<double> margin = parseDecimalText(texts.margins[edge]);
        if (!margin || *margin < 0) {
            result.valid = false;
            result.message = margin ? PaperStrings::kNegativeMargin : PaperStrings::kInvalidMarginValues;
            return result;
        }
        result.margins[edge] = *margin;
    }

    const MarginArray &m = result.margins;
    if (result.width - m[kRightEdge] - m[kLeftEdge] <= 0) {
        result.valid = false;
        result.message = PaperStrings::kLeftRightMarginsTooLarge;
    } else if (result.height - m[kTopEdge] - m[kBottomEdge] <= 0) {
        result.valid = false;
        result.message = PaperStrings::kTopBottomMarginsTooLarge;
    }
    return result;
}

PaperInputResult validatePaperInput(const PaperInputTexts &texts, Units units, bool customPaper)
{
    if (customPaper) {
        const PaperSizeResult size = CheckPaperSizeText(texts.width, texts.height, units);
        if (size.check != kPaperSizeReadable)
            return failure(kPaperSizeInvalid, size.message);
    }
    const MarginResult margins = CheckMarginText(texts, units);
    if (!margins.valid)
        return failure(kPaperMarginsInvalid, margins.message);

    PaperEntry paper;
    paper.width = margins.width;
    paper.height = margins.height;
    paper.margins = margins.margins;

    const double minimum = minTileSide(units);
    const double maximum = maxTileSide(units);
    if (paper.width < minimum || paper.height < minimum)
        return failure(kPaperSizeInvalid, PaperStrings::kPaperSizeTooSmall);
    if (paper.width > maximum || paper.height > maximum)
        return failure(kPaperSizeInvalid, PaperStrings::kPaperSizeTooLarge);
    if (paper.tileWidth() < minimum || paper.tileHeight() < minimum)
        return failure(kPaperMarginsInvalid, PaperStrings::kTileTooSmall);
    if (paper.tileWidth() > maximum || paper.tileHeight() > maximum)
        return failure(kPaperMarginsInvalid, PaperStrings::kTileTooLarge);

    PaperInputResult result;
    result.width = paper.width;
    result.height = paper.height;
    result.margins = paper.margins;
    return result;
}
