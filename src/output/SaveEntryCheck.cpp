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

bool tilesNeedMissingRows(const TileCoords &cuts, const PictureDamage &damage)
{
    for (int t = 0; t < cuts.count(); ++t)
        if (damage.missingWithin(QRect(QPoint(cuts.left(t), cuts.top(t)), QPoint(cuts.right(t), cuts.bottom(t)))))
            return true;
    return false;
}

bool tilesNeedMissingRows(const LayoutState &layout, const PictureDamage &damage)
{
    TileCoords cuts;
    return damage.dataRunsOut && CalcTileCoord(layout, cuts) > 0
        && fitTilesToImage(cuts, layout.lImgWidth, layout.lImgHeight, layout.fit) && tilesNeedMissingRows(cuts, damage);
}
