#include "output/PosterPages.h"

#include "common/Units.h"
#include "paper/PaperRecord.h"
#include "resources/PosterStrings.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMarkGap = AssemblyAids::kCutMarkGapPoints;
constexpr double kMarkLength = 18.0; // a quarter inch

// Where the bottom margin's free room begins: below the picture and its glue strip.
double bottomOfPictureAndStrips(const QRectF &picture, const QList<PosterPages::GlueStrip> &strips)
{
    double below = picture.bottom();
    for (const PosterPages::GlueStrip &strip : strips)
        below = std::max(below, strip.rect.bottom());
    return below;
}

} // namespace

MarginArray paperMargins(const LayoutState &layout)
{
    if (const std::optional<PaperRecordFields> record = readPaperRecord(layout.sPaperRegLine))
        return record->margins;
    // The built-in paper has no record yet; its margins are even on opposite sides.
    const double sides = (layout.dPaperWidth - layout.dTileWidth) / 2;
    const double ends = (layout.dPaperHeight - layout.dTileHeight) / 2;
    return {ends, sides, ends, sides};
}

QSizeF paperSizePoints(const LayoutState &layout)
{
    const double scale = pointsPerUnit(layout.units);
    return QSizeF(layout.dPaperWidth * scale, layout.dPaperHeight * scale);
}

MarginArray compensationBorders(const LayoutState &layout)
{
    MarginArray borders{};
    if (!layout.compensation)
        return borders;
    const double perInch = layout.units == Units::Inches ? 1.0 : kMillimetresPerInch;
    for (size_t edge = 0; edge < 4; ++edge)
        borders[edge] = layout.edgeTrimInches[edge] * perInch;
    return borders;
}

std::optional<PosterPages> PosterPages::create(const LayoutState &layout, const TileCoords &cuts,
                                               const TileRunValues &run, const AssemblyAids &aids)
{
    if (cuts.count() <= 0 || !(run.pixelsPerInch > 0.0))
        return std::nullopt;
    const MarginArray margins = paperMargins(layout);
    PosterPages pages;
    pages.m_layout = layout;
    pages.m_cuts = cuts;
    pages.m_run = run;
    pages.m_aids = aids;
    const double scale = pointsPerUnit(layout.units);
    pages.m_pageSize = paperSizePoints(layout);
    for (size_t edge = 0; edge < 4; ++edge)
        pages.m_margins[edge] = margins[edge] * scale;
    pages.m_glueStrip = glueStripLength(aids, layout.units, margins) * scale;
    pages.m_room = roomForAids(layout.units, margins, compensationBorders(layout));
    return pages;
}

double PosterPages::picturePixelsPerInch() const
{
    return m_run.resamplesTiles() ? TileRunValues::kMinCompensationPixelsPerInch : m_run.pixelsPerInch;
}

double PosterPages::borderPoints(int edge) const
{
    if (!m_run.compensation)
        return 0.0;
    // The borders are whole pixels: floor(pixels per inch x trim), as the renderer makes them.
    const double ppi = picturePixelsPerInch();
    return std::floor(ppi * m_run.trims[size_t(edge)]) * kPointsPerInch / ppi;
}

QRectF PosterPages::pictureRect(const QSize &tile) const
{
    const double pointsPerPixel = kPointsPerInch / picturePixelsPerInch();
    return QRectF(m_margins[kLeftEdge] - borderPoints(kLeftEdge), m_margins[kTopEdge] - borderPoints(kTopEdge),
                  tile.width() * pointsPerPixel, tile.height() * pointsPerPixel);
}

QRectF PosterPages::ownPixelsRect(const QSize &tile) const
{
    return pictureRect(tile).adjusted(borderPoints(kLeftEdge), borderPoints(kTopEdge), -borderPoints(kRightEdge),
                                      -borderPoints(kBottomEdge));
}

int PosterPages::stripPixels() const
{
    return m_glueStrip > 0.0 ? std::max(1, int(std::lround(m_glueStrip / kPointsPerInch * m_run.pixelsPerInch))) : 0;
}

bool PosterPages::sheetMade(int t) const
{
    return tileHoldsPicture(m_cuts, t, m_layout.lImgWidth, m_layout.lImgHeight);
}

int PosterPages::madeSheetCount() const
{
    return tilesHoldingPicture(m_cuts, m_layout.lImgWidth, m_layout.lImgHeight);
}

int PosterPages::madeSheetNumber(int t) const
{
    int number = 0;
    for (int s = 0; s <= t; ++s)
        number += sheetMade(s) ? 1 : 0;
    return number;
}

std::optional<QRect> PosterPages::neighbourStripArea(int t, bool right) const
{
    if (m_glueStrip <= 0.0)
        return std::nullopt;
    const int wide = m_layout.tilesWide();
    const int row = t / wide;
    const int column = t % wide;
    // A turned tile shows the poster a quarter turn counter-clockwise: its page's right edge
    // is the poster's bottom edge, and its page's bottom edge the poster's left edge.
    int neighbourRow = row;
    int neighbourColumn = column;
    if (!m_run.rotated)
        (right ? neighbourColumn : neighbourRow) += 1;
    else if (right)
        neighbourRow += 1;
    else
        neighbourColumn -= 1;
    if (neighbourRow >= m_layout.tilesHigh() || neighbourColumn < 0 || neighbourColumn >= wide)
        return std::nullopt;
    const int n = neighbourRow * wide + neighbourColumn;
    if (!sheetMade(n))
        return std::nullopt;
    const int pixels = stripPixels();
    const int left = m_cuts.left(n);
    const int top = m_cuts.top(n);
    const int width = m_cuts.right(n) - left + 1;
    const int height = m_cuts.bottom(n) - top + 1;
    // The strip runs along the edge of the neighbour that meets sheet t.
    if (!m_run.rotated)
        return right ? QRect(left, top, std::min(pixels, width), height) : QRect(left, top, width, std::min(pixels, height));
    if (right)
        return QRect(left, top, width, std::min(pixels, height));
    return QRect(left + width - std::min(pixels, width), top, std::min(pixels, width), height);
}

SheetStrips PosterPages::cutStrips(int t, const std::function<QImage(const QRect &area)> &cut) const
{
    const auto strip = [&](bool right) {
        const std::optional<QRect> area = neighbourStripArea(t, right);
        if (!area)
            return QImage();
        const QImage pixels = cut(*area);
        return m_run.rotated && !pixels.isNull() ? RotateTileImage(pixels) : pixels;
    };
    return {strip(true), strip(false)};
}

QList<PosterPages::GlueStrip> PosterPages::glueStrips(const QRectF &ownPixels, const SheetStrips &pictures) const
{
    QList<GlueStrip> strips = glueStrips(ownPixels, !pictures.right.isNull(), !pictures.bottom.isNull());
    for (GlueStrip &strip : strips)
        strip.picture = strip.right ? pictures.right : pictures.bottom;
    return strips;
}

QList<PosterPages::GlueStrip> PosterPages::glueStrips(const QRectF &ownPixels, bool right, bool bottom) const
{
    QList<GlueStrip> strips;
    const double roomRight = m_pageSize.width() - ownPixels.right();
    const double roomBelow = m_pageSize.height() - ownPixels.bottom();
    if (roomRight > 0.0 && right) {
        const QRectF rect(ownPixels.right(), ownPixels.top(), std::min(m_glueStrip, roomRight), ownPixels.height());
        const QPointF inward(kLineWidthPoints / 2, 0.0);
        strips.append({rect, true, QImage(), QLineF(rect.topLeft() + inward, rect.bottomLeft() + inward)});
    }
    if (roomBelow > 0.0 && bottom) {
        const QRectF rect(ownPixels.left(), ownPixels.bottom(), ownPixels.width(), std::min(m_glueStrip, roomBelow));
        const QPointF inward(0.0, kLineWidthPoints / 2);
        strips.append({rect, false, QImage(), QLineF(rect.topLeft() + inward, rect.topRight() + inward)});
    }
    return strips;
}

QList<QLineF> PosterPages::cutMarks(const QRectF &ownPixels, const QRectF &picture) const
{
    QList<QLineF> marks;
    if (!m_aids.cutMarks || !m_room.cutMarks)
        return marks;
    const double above = picture.top() - kMarkGap;
    const double below = picture.bottom() + kMarkGap;
    const double leftOf = picture.left() - kMarkGap;
    const double rightOf = picture.right() + kMarkGap;
    for (const double x : {ownPixels.left(), ownPixels.right()}) {
        if (above > 0.0)
            marks.append(QLineF(x, above, x, std::max(0.0, above - kMarkLength)));
        if (below < m_pageSize.height())
            marks.append(QLineF(x, below, x, std::min(m_pageSize.height(), below + kMarkLength)));
    }
    for (const double y : {ownPixels.top(), ownPixels.bottom()}) {
        if (leftOf > 0.0)
            marks.append(QLineF(leftOf, y, std::max(0.0, leftOf - kMarkLength), y));
        if (rightOf < m_pageSize.width())
            marks.append(QLineF(rightOf, y, std::min(m_pageSize.width(), rightOf + kMarkLength), y));
    }
    return marks;
}

std::optional<QRectF> PosterPages::labelRect(const QRectF &picture, const QList<GlueStrip> &strips) const
{
    if (!m_aids.labels || !m_room.labels)
        return std::nullopt;
    constexpr double kRoom = AssemblyAids::kLabelRoomPoints;
    if (picture.top() >= kRoom)
        return QRectF(0.0, 0.0, m_pageSize.width(), picture.top());
    const double below = bottomOfPictureAndStrips(picture, strips);
    if (m_pageSize.height() - below >= kRoom)
        return QRectF(0.0, below, m_pageSize.width(), m_pageSize.height() - below);
    return std::nullopt;
}

std::optional<PosterPages::ScaleBar> PosterPages::scaleBar(const QRectF &picture, const QList<GlueStrip> &strips,
                                                           const std::optional<QRectF> &label) const
{
    // The words are estimated at Helvetica's widest average, so that they never run into
    // the cut mark at the picture's right edge.
    constexpr double kCharacterWidth = kLabelPoints * 0.6;
    constexpr double kRoom = kLabelPoints * 2.5;
    const double below = bottomOfPictureAndStrips(picture, strips);
    if (m_pageSize.height() - below < kRoom || (label && label->top() >= below))
        return std::nullopt;
    const bool inches = m_layout.units == Units::Inches;
    const double length = inches ? 2.0 * kPointsPerInch : 50.0 * pointsPerUnit(Units::Millimetres);
    const QString text = PosterStrings::scaleBarText(inches ? QStringLiteral("2 in") : QStringLiteral("50 mm"));
    const double left = picture.left() + kMarkGap * 2;
    const double textLeft = left + length + kMarkGap;
    if (textLeft + text.size() * kCharacterWidth > picture.right() - kMarkGap * 2)
        return std::nullopt;
    const double y = below + kRoom / 2;
    return ScaleBar{QLineF(left, y, left + length, y), QPointF(textLeft, y + kLabelPoints * 0.35), text};
}

QString PosterPages::sheetLabel(int t) const
{
    const int wide = m_layout.tilesWide();
    return QChar(u'A' + t / wide) + QString::number(t % wide + 1);
}
