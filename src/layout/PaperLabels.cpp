#include "layout/PaperLabels.h"

#include "common/NumberFormat.h"
#include "resources/LayoutStrings.h"

PaperLabels paperLabels(const LayoutState &state, const QLocale &locale)
{
    const bool inches = state.units == Units::Inches;
    const QString mask = inches ? QStringLiteral("#####0.00") : QStringLiteral("#####0.0");
    const auto sizeText = [&](double width, double height) {
        return formatMask(width, mask, locale) + LayoutStrings::kSizeSeparator + formatMask(height, mask, locale);
    };

    PaperLabels labels;
    labels.paperSize = sizeText(state.dPaperWidth, state.dPaperHeight);
    labels.tileSize = sizeText(state.dTileWidth, state.dTileHeight);
    labels.paperName = state.sPaperName;
    labels.units = inches ? LayoutStrings::kInchesLabel : LayoutStrings::kMillimetersLabel;
    return labels;
}

void takeNewPaper(LayoutState &state, const QString &sNewCurPaperName, Units iNewCurUnits,
                    double dNewCurTileWidth, double dNewCurTileHeight, double dNewCurPaperWidth,
                    double dNewCurPaperHeight, const QString &sNewPaperRegLine)
{
    state.units = iNewCurUnits;
    state.dTileHeight = dNewCurTileHeight;
    state.dTileWidth = dNewCurTileWidth;
    state.dPaperHeight = dNewCurPaperHeight;
    state.dPaperWidth = dNewCurPaperWidth;
    state.sPaperRegLine = sNewPaperRegLine;
    state.sPaperName = sNewCurPaperName;
}
