#pragma once

#include "layout/LayoutState.h"
#include "common/Units.h"

#include <QLocale>
#include <QString>

// A length in the user's unit, in inches (millimetres are divided by 25.4).
double ToInches(Units units, double length);

// The check every layout computation runs first. The tile's print width and height,
// in inches, must each lie within the tile size limits (both ends included). On success
// dW and dH receive the usable tile size in inches: with edge compensation on, the
// active profile's trims are taken off (right then left, top then bottom).
// On failure dW and dH may hold the untouched or partly converted inputs; callers must
// not use them. Any NaN in the sizes or trims fails the check, and so does a trimmed
// side that is no longer positive (nothing would be left to print).
bool CheckTileSizes(const LayoutState &state, double &dW, double &dH);

// The same check, giving the untrimmed tile size in inches.
bool CheckTileSizesNoTrim(const LayoutState &state, double &dW, double &dH);

double getConstMinTileSize();
double getConstMaxTileSize();

// The two limits as the locale writes numbers ("0.75" and "50" with a point).
QString GetTileMin(const QLocale &locale = QLocale());
QString GetTileMax(const QLocale &locale = QLocale());

// The message shown when the tile size check fails, with the limits in the given unit.
// Its title is LayoutStrings::kInvalidTileSizeTitle.
QString tileSizeWarningText(Units units, const QLocale &locale = QLocale());
