#pragma once

#include "layout/LayoutState.h"
#include "common/Units.h"

#include <QLocale>
#include <QString>

// The main window's paper read-outs, in the current unit (never converted).
struct PaperLabels
{
    QString paperSize; // paper width " x " height
    QString tileSize;  // tile width " x " height, before any edge trim
    QString paperName;
    QString units;     // "Inches" or "Millimeters"
};

PaperLabels paperLabels(const LayoutState &state, const QLocale &locale = QLocale());

// Takes over the paper that the paper dialog accepted: name, unit, tile and paper sizes
// in that unit, and the paper record text kept for the preferences.
void takeNewPaper(LayoutState &state, const QString &sNewCurPaperName, Units iNewCurUnits,
                    double dNewCurTileWidth, double dNewCurTileHeight, double dNewCurPaperWidth,
                    double dNewCurPaperHeight, const QString &sNewPaperRegLine);
