#pragma once

#include "layout/LayoutState.h"
#include "layout/TileCoordinates.h"
#include "output/AssemblyAids.h"
#include "output/SheetStrips.h"
#include "output/TileRenderer.h"
#include "paper/PaperCatalogue.h"

#include <QImage>
#include <QLineF>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QSizeF>

#include <functional>
#include <optional>

// The poster as pages of paper: an optional assembly page, then one page per sheet, each
// exactly the size of the paper in its unit (landscape papers stay landscape). A sheet's
// page shows exactly the tile the save run would write, at the tile's print resolution,
// with its own pixels starting at the margins' corner as without compensation, and any
// compensation borders reaching outward into the margins. A glue strip covers the border on
// its side, so that the neighbour's pixels, not repeated edge pixels, meet the seam; the
// other aids lie outside the borders. Every measure is in points (1/72 inch) from the
// paper's top-left corner.
// The current margins of the layout's paper (top, right, bottom, left) in its unit.
MarginArray paperMargins(const LayoutState &layout);

// The paper of the layout in points, as its pages are.
QSizeF paperSizePoints(const LayoutState &layout);

// The most the compensation borders reach into each margin, in the paper's unit: the
// profile's trims when compensation is on, else zero.
MarginArray compensationBorders(const LayoutState &layout);

class PosterPages
{
public:
    // Nothing when the layout gives no tiles.
    static std::optional<PosterPages> create(const LayoutState &layout, const TileCoords &cuts,
                                             const TileRunValues &run, const AssemblyAids &aids);

    // Every sheet of the grid, made or left out.
    int sheetCount() const { return m_cuts.count(); }
    // A sheet that holds none of a picture kept whole is left out: no page, no strip toward it.
    bool sheetMade(int t) const;
    int madeSheetCount() const;
    // Sheet t's place among the sheets made, from 1.
    int madeSheetNumber(int t) const;
    int pageCount() const { return madeSheetCount() + (m_aids.assemblyPage ? 1 : 0); }
    QSizeF pageSize() const { return m_pageSize; }
    const LayoutState &layout() const { return m_layout; }
    const AssemblyAids &aids() const { return m_aids; }
    const TileCoords &cuts() const { return m_cuts; }

    // The pixels per inch the pictures print at: the tile's own, or 64 for resampled tiles.
    double picturePixelsPerInch() const;
    // Where a rendered tile lies on its page, compensation borders included.
    QRectF pictureRect(const QSize &tile) const;
    // The part of it that holds the tile's own pixels: the part that joins the poster.
    QRectF ownPixelsRect(const QSize &tile) const;

    // A glue strip: where it lies on sheet t's page and the neighbour's pixels it shows.
    struct GlueStrip
    {
        QRectF rect;
        bool right = true; // along the page's right edge, else its bottom edge
        QImage picture;
        // The dashed line along which the neighbour's picture will start, drawn on the
        // strip beside the sheet's own picture, which no aid touches.
        QLineF boundary;
    };
    // The pixels of the neighbour's picture that the strip along the right (or the bottom)
    // edge of sheet t's page shows, in the whole picture's coordinates before any turn;
    // nothing when the sheet has no neighbour there or the poster no strips. The area lies
    // in the neighbour's tile: in sheet t's row of tiles or the row below.
    std::optional<QRect> neighbourStripArea(int t, bool right) const;
    // How many pixels of its neighbour a glue strip shows at most; 0 without strips.
    int stripPixels() const;
    // Those pixels cut out, turned as the sheet's tile is.
    SheetStrips cutStrips(int t, const std::function<QImage(const QRect &area)> &cut) const;
    // The strips sheet t carries beside its own pixels, with their pictures: one in the
    // right margin when it has a right neighbour on the page, one in the bottom margin when
    // it has one below.
    QList<GlueStrip> glueStrips(const QRectF &ownPixels, const SheetStrips &pictures) const;
    // The same strips, without pictures, for a sheet with neighbours to the right and below
    // as given.
    QList<GlueStrip> glueStrips(const QRectF &ownPixels, bool right, bool bottom) const;
    // Short marks in the margins, outside the whole picture, along every edge of its own
    // pixels.
    QList<QLineF> cutMarks(const QRectF &ownPixels, const QRectF &picture) const;
    // Where sheet t's label goes, or nothing when no margin has room.
    std::optional<QRectF> labelRect(const QRectF &picture, const QList<GlueStrip> &strips) const;

    // A bar of a round length (50 mm, or 2 inches for a poster measured in inches) and the
    // words saying what it must measure, so that a person can check on the first sheet
    // printed that the printer did not scale the page. It lies in the bottom margin, below
    // any glue strip and off the cut marks, where that has room and the label is not there.
    struct ScaleBar
    {
        QLineF bar;
        QPointF textBaseline; // where the words begin
        QString text;
    };
    std::optional<ScaleBar> scaleBar(const QRectF &picture, const QList<GlueStrip> &strips,
                                     const std::optional<QRectF> &label) const;

    // "A1": the row letter (A to Y) and the column number of sheet t.
    QString sheetLabel(int t) const;

    static constexpr double kLabelPoints = 7.0;
    // The width of every line drawn: cut marks and the glue strip's boundary.
    static constexpr double kLineWidthPoints = 0.5;

private:
    PosterPages() = default;

    double borderPoints(int edge) const;

    LayoutState m_layout;
    TileCoords m_cuts;
    TileRunValues m_run;
    AssemblyAids m_aids;
    QSizeF m_pageSize;
    MarginArray m_margins{}; // points
    double m_glueStrip = 0.0; // points
    AidsRoom m_room;
};
