#pragma once

#include "output/PicturePixels.h"

// A page of a PDF or SVG file measured at a size of pixels: each tile is drawn from the
// page at its own part, on every core, so that the page is never drawn whole.
class PagePixels final : public PicturePixels
{
public:
    PagePixels(std::shared_ptr<const VectorPage> page, int turn, QSize size);

    QSize size() const override { return m_size; }
    PictureDamage damage() const override { return {}; }
    QByteArray colourProfile() const override { return {}; }
    std::unique_ptr<TileSource> tiles(const TileCoords &cuts, int rowsBelow, Wanted wanted,
                                      TilePrepare prepare) override;
    QImage reduced(QSize atLeast) const override;
    std::optional<PageArt> pageArt() const override { return PageArt{m_page, m_turn}; }

private:
    std::shared_ptr<const VectorPage> m_page;
    int m_turn;
    QSize m_size;
};
