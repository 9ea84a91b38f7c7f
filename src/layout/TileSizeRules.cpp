#include "layout/TileSizeRules.h"

#include "common/NumberFormat.h"
#include "layout/TileSizeLimits.h"
#include "resources/LayoutStrings.h"

#include <cmath>

namespace {

// NaN compares false both ways, so it fails here as well.
bool withinTileLimits(double inches)
{
    return inches >= kMinTileInches && inches <= kMaxTileInches;
}

enum class EdgeTrim { Top = 0, Right = 1, Bottom = 2, Left = 3 };

double trim(const LayoutState &state, EdgeTrim edge)
{
    return state.edgeTrimInches[static_cast<std::size_t>(edge)];
}

} // namespace

double ToInches(Units units, double length)
{
    return units == Units::Inches ? length : length / kMillimetresPerInch;
}

bool CheckTileSizesNoTrim(const LayoutState &state, double &dW, double &dH)
{
    dW = state.dTileWidth;
    dH = state.dTileHeight;

    const double w = ToInches(state.units, state.dTileWidth);
    if (!withinTileLimits(w))
        return false;
    dW = w;

    const double h = ToInches(state.units, state.dTileHeight);
    if (!withinTileLimits(h))
        return false;
    dH = h;
    return true;
}

bool CheckTileSizes(const LayoutState &state, double &dW, double &dH)
{
    if (!CheckTileSizesNoTrim(state, dW, dH))
        return false;
    if (!state.compensation)
        return true;

    dW = (dW - trim(state, EdgeTrim::Right)) - trim(state, EdgeTrim::Left);
    dH = (dH - trim(state, EdgeTrim::Top)) - trim(state, EdgeTrim::Bottom);
    // The limits do not apply to the trimmed size, but a side that is gone or not a
    // number would only lead to divisions by zero further on.
    return std::isfinite(dW) && std::isfinite(dH) && dW > 0 && dH > 0;
}

double getConstMinTileSize()
{
    return kMinTileInches;
}

double getConstMaxTileSize()
{
    return kMaxTileInches;
}

QString GetTileMin(const QLocale &locale)
{
    return locale.toString(kMinTileInches, 'g', 15);
}

QString GetTileMax(const QLocale &locale)
{
    return locale.toString(kMaxTileInches, 'g', 15);
}

QString tileSizeWarningText(Units units, const QLocale &locale)
{
    const double scale = units == Units::Inches ? 1.0 : kMillimetresPerInch;
    const QString mask = QStringLiteral("##0.00");
    const QString minimum = formatMask(kMinTileInches * scale, mask, locale);
    const QString maximum = formatMask(kMaxTileInches * scale, mask, locale);
    const QString unitWord = units == Units::Inches ? LayoutStrings::kInchesWord : LayoutStrings::kMillimetersWord;
    const QString blank = QStringLiteral(" ");
    return LayoutStrings::kInvalidTileSizeMessage + blank + minimum + blank + LayoutStrings::kRangeTo + blank
        + maximum + blank + unitWord + QStringLiteral(".");
}
