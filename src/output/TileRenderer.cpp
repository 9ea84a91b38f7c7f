#include "output/TileRenderer.h"

#include "common/Units.h"
#include "common/Rounding.h"
#include "imaging/ImageLimits.h"
#include "layout/TileSizeRules.h"

#include <QColorSpace>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {


enum Edge { Top = 0, Right = 1, Bottom = 2, Left = 3 };

// floor(scale x trim) as a border width, or nothing when it is negative, not a number
// or wider than any image could be.
std::optional<int> borderWidth(double scale, double trimInches)
{
    const double width = std::floor(scale * trimInches);
    if (!(width >= 0.0) || width > double(std::numeric_limits<int>::max()))
        return std::nullopt;
    return int(width);
}

// The image resampled so that it has 64 pixels per inch of print instead of p.
std::optional<QImage> resampledToMinimumDensity(const QImage &tile, double pixelsPerInch)
{
    const double factor = TileRunValues::kMinCompensationPixelsPerInch;
    const std::optional<std::int32_t> width = nearestInt32(tile.width() * factor / pixelsPerInch);
    const std::optional<std::int32_t> height = nearestInt32(tile.height() * factor / pixelsPerInch);
    if (!width || !height || !ImageLimits::isAllowedImageSize(*width, *height))
        return std::nullopt;
    QImage resized = tile.scaled(*width, *height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    if (resized.isNull())
        return std::nullopt;
    return resized;
}

// The tile's rectangle of the source in place: its first pixel and the source's row
// length, no pixels copied. The pointer is only read; the non-const constructor keeps Qt
// from copying the pixels when the resolution is stamped on the view.
QImage viewOfSource(const QImage &source, int left, int top, int width, int height)
{
    const uchar *first = source.constScanLine(top) + qsizetype(left) * (source.depth() / 8);
    return QImage(const_cast<uchar *>(first), width, height, source.bytesPerLine(), source.format());
}

RenderedTile renderTile(const QImage &source, const TileCoords &coords, int t, const TileRunValues &run,
                        bool mayShareSource)
{
    const qint64 left = coords.left(t);
    const qint64 top = coords.top(t);
    const qint64 width = qint64(coords.right(t)) - left + 1;
    const qint64 height = qint64(coords.bottom(t)) - top + 1;
    if (t < 0 || t >= coords.count() || width <= 0 || height <= 0)
        return {RenderStatus::CutFailed, {}};
    const bool withinPicture =
        left >= 0 && top >= 0 && left + width <= source.width() && top + height <= source.height();

    // A 24-bit source is read in place only for a tile that goes to the encoder as it is
    // cut; turning and borders work on 32-bit pixels.
    const bool untouched = !run.rotated && !run.compensation;
    const bool sharesSource = mayShareSource
                              && (source.format() == QImage::Format_RGB32
                                  || (source.format() == QImage::Format_RGB888 && untouched));
    // copy() reads only the rectangle's part of each source scanline.
    QImage tile = !withinPicture ? areaOnPaper(source, QRect(int(left), int(top), int(width), int(height)))
        : sharesSource           ? viewOfSource(source, int(left), int(top), int(width), int(height))
                                 : source.copy(int(left), int(top), int(width), int(height)).convertToFormat(QImage::Format_RGB32);
    if (tile.isNull())
        return {RenderStatus::CutFailed, {}};
    if (run.rotated)
        tile = RotateTileImage(tile);
    if (run.compensation) {
        std::optional<QImage> padded = AddEdgeClipBorders(tile, run.pixelsPerInch, run.trims);
        if (!padded)
            return {RenderStatus::CompensationFailed, {}};
        tile = std::move(*padded);
    }
    if (tile.isNull())
        return {RenderStatus::CutFailed, {}};
    stampResolution(tile, run.stampedResolution());
    // The source's colour profile goes into every tile unchanged; the pixels are not converted.
    tile.setColorSpace(source.colorSpace());
    return {RenderStatus::Ok, std::move(tile)};
}

} // namespace

std::int32_t TileRunValues::stampedResolution() const
{
    return resamplesTiles() ? std::int32_t(kMinCompensationPixelsPerInch) : resolutionTag;
}

std::optional<std::int32_t> resolutionTagOf(double pixelsPerInch)
{
    if (!(pixelsPerInch > 0.0))
        return std::nullopt;
    const std::optional<std::int32_t> tag = nearestInt32(pixelsPerInch);
    if (!tag)
        return std::nullopt;
    return std::max<std::int32_t>(*tag, 2);
}

std::optional<TileRunValues> PrepareTileRun(const LayoutState &layout, const TileCoords &coords)
{
    double printableWidth = 0.0;
    double printableHeight = 0.0;
    if (coords.count() <= 0 || !CheckTileSizes(layout, printableWidth, printableHeight))
        return std::nullopt;

    TileRunValues run;
    run.compensation = layout.compensation;
    run.rotated = layout.bTileRotated;
    run.trims = layout.edgeTrimInches;
    // The extent that lies across the paper's width: the tile's height when turned.
    const qint64 referenceExtent = run.rotated ? qint64(coords.bottom(0)) - coords.top(0) + 1
                                               : qint64(coords.right(0)) - coords.left(0) + 1;
    run.pixelsPerInch = double(referenceExtent) / printableWidth;
    const std::optional<std::int32_t> tag = resolutionTagOf(run.pixelsPerInch);
    if (!tag || !std::isfinite(run.pixelsPerInch))
        return std::nullopt;
    run.resolutionTag = *tag;
    return run;
}

RenderedTile RenderTile(const QImage &source, const TileCoords &coords, int t, const TileRunValues &run)
{
    return renderTile(source, coords, t, run, false);
}

RenderedTile renderTileForEncoding(const QImage &source, const TileCoords &coords, int t,
                                   const TileRunValues &run)
{
    return renderTile(source, coords, t, run, true);
}

QImage RotateTileImage(const QImage &tile)
{
    // Qt turns clockwise for positive angles in its y-down coordinates.
    return tile.transformed(QTransform().rotate(270));
}

std::optional<QImage> AddEdgeClipBorders(const QImage &tile, double pixelsPerInch,
                                         const std::array<double, 4> &trims)
{
    if (tile.isNull() || !(pixelsPerInch > 0.0) || !std::isfinite(pixelsPerInch))
        return std::nullopt;

    QImage image = tile.convertToFormat(QImage::Format_RGB32);
    double scale = pixelsPerInch;
    if (pixelsPerInch < TileRunValues::kMinCompensationPixelsPerInch) {
        std::optional<QImage> resampled = resampledToMinimumDensity(image, pixelsPerInch);
        if (!resampled)
            return std::nullopt;
        image = std::move(*resampled);
        scale = TileRunValues::kMinCompensationPixelsPerInch;
    }

    const std::optional<int> top = borderWidth(scale, trims[Top]);
    const std::optional<int> right = borderWidth(scale, trims[Right]);
    const std::optional<int> bottom = borderWidth(scale, trims[Bottom]);
    const std::optional<int> left = borderWidth(scale, trims[Left]);
    if (!top || !right || !bottom || !left)
        return std::nullopt;
    const int width = image.width();
    const int height = image.height();
    const qint64 paddedWidth = qint64(width) + *left + *right;
    const qint64 paddedHeight = qint64(height) + *top + *bottom;
    if (!ImageLimits::isAllowedImageSize(paddedWidth, paddedHeight))
        return std::nullopt;

    QImage padded(int(paddedWidth), int(paddedHeight), QImage::Format_RGB32);
    if (padded.isNull())
        return std::nullopt;
    padded.setDotsPerMeterX(image.dotsPerMeterX());
    padded.setDotsPerMeterY(image.dotsPerMeterY());

    // Each image row goes in whole, its first and last pixel repeated into the side borders.
    for (int y = 0; y < height; ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(padded.scanLine(*top + y));
        std::fill(to, to + *left, from[0]);
        std::memcpy(to + *left, from, sizeof(QRgb) * size_t(width));
        std::fill(to + *left + width, to + paddedWidth, from[width - 1]);
    }
    // The top and bottom borders repeat the first and last finished rows, corners included.
    const size_t rowBytes = sizeof(QRgb) * size_t(paddedWidth);
    for (int y = 0; y < *top; ++y)
        std::memcpy(padded.scanLine(y), padded.constScanLine(*top), rowBytes);
    for (int y = *top + height; y < paddedHeight; ++y)
        std::memcpy(padded.scanLine(y), padded.constScanLine(*top + height - 1), rowBytes);
    return padded;
}

std::optional<QSize> renderedTileSize(const TileCoords &coords, int t, const TileRunValues &run)
{
    const qint64 width = qint64(coords.right(t)) - coords.left(t) + 1;
    const qint64 height = qint64(coords.bottom(t)) - coords.top(t) + 1;
    if (t < 0 || t >= coords.count() || width <= 0 || height <= 0)
        return std::nullopt;
    double across = double(run.rotated ? height : width);
    double down = double(run.rotated ? width : height);
    if (!run.compensation)
        return QSize(int(across), int(down));
    double scale = run.pixelsPerInch;
    if (run.resamplesTiles()) {
        const double factor = TileRunValues::kMinCompensationPixelsPerInch / run.pixelsPerInch;
        const std::optional<std::int32_t> resampledAcross = nearestInt32(across * factor);
        const std::optional<std::int32_t> resampledDown = nearestInt32(down * factor);
        if (!resampledAcross || !resampledDown)
            return std::nullopt;
        across = *resampledAcross;
        down = *resampledDown;
        scale = TileRunValues::kMinCompensationPixelsPerInch;
    }
    std::array<int, 4> border{};
    for (int edge = Top; edge <= Left; ++edge) {
        const std::optional<int> width = borderWidth(scale, run.trims[std::size_t(edge)]);
        if (!width)
            return std::nullopt;
        border[std::size_t(edge)] = *width;
    }
    const double paddedAcross = across + border[Left] + border[Right];
    const double paddedDown = down + border[Top] + border[Bottom];
    if (!ImageLimits::isAllowedImageSize(qint64(paddedAcross), qint64(paddedDown)))
        return std::nullopt;
    return QSize(int(paddedAcross), int(paddedDown));
}

QRect pictureOnRenderedTile(const TileCoords &coords, int t, QSize picture, const TileRunValues &run, QSize rendered)
{
    const qint64 width = qint64(coords.right(t)) - coords.left(t) + 1;
    const qint64 height = qint64(coords.bottom(t)) - coords.top(t) + 1;
    // The picture's part of the cut, in the tile's own pixels, ends excluded.
    const qint64 left = std::max<qint64>(0, -qint64(coords.left(t)));
    const qint64 top = std::max<qint64>(0, -qint64(coords.top(t)));
    const qint64 right = std::min<qint64>(width, qint64(picture.width()) - coords.left(t));
    const qint64 bottom = std::min<qint64>(height, qint64(picture.height()) - coords.top(t));
    if (left >= right || top >= bottom || width <= 0 || height <= 0)
        return QRect();
    if (left == 0 && top == 0 && right == width && bottom == height)
        return QRect(QPoint(0, 0), rendered);
    // Turned a quarter counter-clockwise: the right edge becomes the top.
    const bool turned = run.rotated;
    const double coreWidth = double(turned ? height : width);
    const double coreHeight = double(turned ? width : height);
    const double x0 = turned ? double(top) : double(left);
    const double x1 = turned ? double(bottom) : double(right);
    const double y0 = turned ? double(width - right) : double(top);
    const double y1 = turned ? double(width - left) : double(bottom);
    std::array<int, 4> border{0, 0, 0, 0};
    if (run.compensation) {
        const double scale = run.resamplesTiles() ? TileRunValues::kMinCompensationPixelsPerInch : run.pixelsPerInch;
        for (int edge = Top; edge <= Left; ++edge)
            border[std::size_t(edge)] = borderWidth(scale, run.trims[std::size_t(edge)]).value_or(0);
    }
    // The tile's own pixels as rendered, resampled or not: what lies between the borders.
    const double ownWidth = rendered.width() - border[Left] - border[Right];
    const double ownHeight = rendered.height() - border[Top] - border[Bottom];
    const double across = ownWidth / coreWidth;
    const double down = ownHeight / coreHeight;
    const int fromX = x0 <= 0 ? 0 : border[Left] + int(std::floor(x0 * across));
    const int toX = x1 >= coreWidth ? rendered.width() : border[Left] + int(std::ceil(x1 * across));
    const int fromY = y0 <= 0 ? 0 : border[Top] + int(std::floor(y0 * down));
    const int toY = y1 >= coreHeight ? rendered.height() : border[Top] + int(std::ceil(y1 * down));
    return QRect(QPoint(fromX, fromY), QPoint(toX - 1, toY - 1));
}

QImage areaOnPaper(const QImage &source, const QRect &area)
{
    const QRect part = area.intersected(source.rect());
    if (part.isEmpty() || !ImageLimits::isAllowedImageSize(area.width(), area.height()))
        return QImage();
    if (part == area)
        return source.copy(area);
    QImage paper(area.size(), QImage::Format_RGB32);
    if (paper.isNull())
        return QImage();
    paper.fill(Qt::white);
    const QImage piece = source.copy(part).convertToFormat(QImage::Format_RGB32);
    if (piece.isNull())
        return QImage();
    for (int y = 0; y < piece.height(); ++y)
        std::memcpy(paper.scanLine(part.top() - area.top() + y) + qsizetype(part.left() - area.left()) * 4,
                    piece.constScanLine(y), size_t(piece.width()) * 4);
    paper.setColorSpace(source.colorSpace());
    return paper;
}

void stampResolution(QImage &image, std::int32_t pixelsPerInch)
{
    const int dotsPerMetre = nearestInt32(pixelsPerInch / kMetresPerInch).value_or(0);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
}
