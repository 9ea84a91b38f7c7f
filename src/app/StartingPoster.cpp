#include "app/StartingPoster.h"

#include "layout/PaperLabels.h"
#include "prefs/StoredPaper.h"

LayoutState startingPoster(const MainSettings &stored, const ProfileStore &profiles)
{
    LayoutState layout;
    const PaperValues paper = storedPaperValues(stored.paperRegLine);
    takeNewPaper(layout, paper.paperName, paper.units, paper.tileWidth, paper.tileHeight, paper.paperWidth,
                   paper.paperHeight, stored.paperRegLine);
    layout.iMarginLocked = stored.marginLocked;
    layout.tilesWideIndex = stored.tilesWideIndex;
    layout.tilesHighIndex = stored.tilesHighIndex;
    layout.lockWh = stored.lockWh == 1;
    layout.compensation = stored.compensation == 1;
    layout.fit = stored.wholePicture == 1 ? FitMode::WholePicture : FitMode::FillSheets;
    const int profileRow = stored.profileIndex >= 0 && stored.profileIndex < profiles.profiles().size()
                               ? stored.profileIndex
                               : 0;
    layout.edgeTrimInches = profiles.FillCurEdgeTrimInches(profileRow);
    return layout;
}
