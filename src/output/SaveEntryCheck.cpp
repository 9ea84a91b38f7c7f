#include "output/SaveEntryCheck.h"

#include "layout/TileCoordinates.h"
#include "layout/TileSizeRules.h"
#include "resources/LayoutStrings.h"
#include "resources/OutputStrings.h"

SaveEntry checkSaveEntry(const LayoutState &layout, const QString &imageFileName)
{
    double width = 0.0;
    double height = 0.0;
    if (!CheckTileSizes(layout, width, height))
        return {std::nullopt, {tileSizeWarningText(layout.units), LayoutStrings::kInvalidTileSizeTitle}};

    TileCoords coords;
    if (CalcTileCoord(layout, coords) <= 0)
        return {std::nullopt, {OutputStrings::kInvalidTileInfo, OutputStrings::kInvalidTileInfoTitle}};

    return suggestSaveNames(imageFileName);
}
