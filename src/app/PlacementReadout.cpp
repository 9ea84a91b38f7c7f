#include "app/PlacementReadout.h"

#include "resources/AppStrings.h"

namespace {

QString bracketed(const QString &words)
{
    return QLatin1Char('(') + words + QLatin1Char(')');
}

QString offCentre(const QString &direction, int percent)
{
    return bracketed(direction + QLatin1Char(' ') + QString::number(percent) + QLatin1Char('%'));
}

} // namespace

PlacementReadout placementReadout(PlacementAxis axis, int gridExtent, int imageExtent, int placement)
{
    const bool horizontal = axis == PlacementAxis::Horizontal;
    if (gridExtent >= imageExtent)
        return {bracketed(horizontal ? AppStrings::kFullWidth : AppStrings::kFullHeight), 100};
    if (placement > 100)
        return {offCentre(horizontal ? AppStrings::kRight : AppStrings::kDown, placement - 100), placement};
    if (placement < 100)
        return {offCentre(horizontal ? AppStrings::kLeft : AppStrings::kUp, 100 - placement), placement};
    return {bracketed(AppStrings::kCenter), placement};
}
