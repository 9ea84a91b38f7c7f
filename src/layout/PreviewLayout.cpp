#include "layout/PreviewLayout.h"

#include "common/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr uchar kGridChannel0 = 255;
constexpr uchar kGridChannel1 = 0;
constexpr uchar kGridChannel2 = 0;

// Below the picture: a quarter of the button's height as space above and below it.
constexpr double kButtonGapShare = 0.25;
// The picture takes the window's height less the button row and this much more (title bar
// and frame); a window with less room gets a picture of the minimum height.
constexpr int kMinRoomTwips = 455;
constexpr int kFrameAllowanceTwips = 405;
constexpr int kMinPictureHeightTwips = 50;

int nearestOr(double value, int fallback)
{
    return nearestInt32(value).value_or(fallback);
}

// The position of line `index` of `count` spread evenly over pixels 0 to extent - 1.
int evenLine(int index, int count, int extent)
{
    return std::clamp(nearestOr(double(index) / count * (extent - 1), 0), 0, extent - 1);
}

} // namespace

QRect fitBoxToRatio(double ratio, const QRect &box)
{
    const int width = box.width();
    const int height = box.height();
    if (width <= 0 || height <= 0 || !std::isfinite(ratio) || ratio <= 0)
        return box;
    if (ratio <= double(width) / height) {
        const int newWidth = std::clamp(nearestOr(ratio * height, width), 1, width);
        return QRect(box.left() + nearestOr((width - newWidth) / 2.0, 0), box.top(), newWidth, height);
    }
    const int newHeight = std::clamp(nearestOr(width * (1 / ratio), height), 1, height);
    return QRect(box.left(), box.top() + nearestOr((height - newHeight) / 2.0, 0), width, newHeight);
}

std::optional<PreviewPlacement> previewPlacement(double ratio, const PreviewWindowTwips &window)
{
    if (!std::isfinite(ratio) || ratio <= 0)
        return std::nullopt;
    const int buttonHeight = window.buttonHeight;
    const int gap = int(buttonHeight * kButtonGapShare);
    const int border = nearestOr((window.windowWidth - window.clientWidth) / 2.0, 0);

    int pictureHeight = window.windowHeight - (buttonHeight + 2 * gap);
    pictureHeight = pictureHeight >= kMinRoomTwips ? pictureHeight - kFrameAllowanceTwips : kMinPictureHeightTwips;
    const QRect room(0, 0, std::max(0, window.windowWidth - 2 * border), pictureHeight);

    PreviewPlacement placement;
    placement.closeButton = QPoint(
        std::max(0, nearestOr(room.width() / 2.0 + room.left() - window.buttonWidth / 2.0, 0)),
        gap + pictureHeight);
    placement.picture = fitBoxToRatio(ratio, room);
    return placement;
}

std::optional<PreviewCut> previewCut(const TileCoords &coords, const QSize &box)
{
    const int last = coords.count() - 1;
    if (last < 0 || box.width() <= 0 || box.height() <= 0)
        return std::nullopt;
    // One less than the inclusive span in each direction, as the preview has always cut it.
    const std::int64_t gridWidth = std::int64_t(coords.right(last)) - coords.left(0);
    const std::int64_t gridHeight = std::int64_t(coords.bottom(last)) - coords.top(0);
    if (gridWidth <= 0 || gridHeight <= 0 || gridWidth > INT32_MAX || gridHeight > INT32_MAX)
        return std::nullopt;

    const double gridShape = double(gridWidth) / double(gridHeight);
    QSize output;
    if (double(box.width()) / box.height() >= gridShape)
        output = QSize(nearestOr(box.height() * gridShape, 1), box.height());
    else
        output = QSize(box.width(), nearestOr(box.width() * (double(gridHeight) / double(gridWidth)), 1));
    // A very long, thin grid still shows at least one pixel across.
    output = output.expandedTo(QSize(1, 1)).boundedTo(box);
    return PreviewCut{QRect(coords.left(0), coords.top(0), int(gridWidth), int(gridHeight)), output};
}

void PaintPreview(const PixelArrayView &pixels, int tilesWide, int tilesHigh)
{
    if (pixels.isEmpty() || tilesWide < 1 || tilesHigh < 1)
        return;
    const int width = pixels.width();
    const int height = pixels.height();
    for (int i = 0; i <= tilesWide; ++i) {
        const int x = evenLine(i, tilesWide, width);
        for (int y = 0; y < height; ++y)
            pixels.setPixel(x, y, kGridChannel0, kGridChannel1, kGridChannel2);
    }
    for (int j = 0; j <= tilesHigh; ++j) {
        const int y = evenLine(j, tilesHigh, height);
        for (int x = 0; x < width; ++x)
            pixels.setPixel(x, y, kGridChannel0, kGridChannel1, kGridChannel2);
    }
}

void paintLeftOutSheets(QImage &picture, const TileCoords &coords, const LayoutState &state, double scale)
{
    constexpr QRgb kLeftOutGrey = qRgb(200, 200, 200);
    for (int t = 0; t < coords.count(); ++t) {
        if (tileHoldsPicture(coords, t, state.lImgWidth, state.lImgHeight))
            continue;
        const int left = std::max(0, nearestOr((coords.left(t) - coords.left(0)) * scale, 0));
        const int top = std::max(0, nearestOr((coords.top(t) - coords.top(0)) * scale, 0));
        const int right = std::min(picture.width() - 1, nearestOr((coords.right(t) + 1 - coords.left(0)) * scale, 0) - 1);
        const int bottom = std::min(picture.height() - 1, nearestOr((coords.bottom(t) + 1 - coords.top(0)) * scale, 0) - 1);
        for (int y = top; y <= bottom; ++y) {
            auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
            std::fill(row + left, row + right + 1, kLeftOutGrey);
        }
    }
}

std::optional<QImage> previewPicture(const LayoutState &state, const ConstPixelArrayView &source, const QSize &box,
                                     double sourceScale)
{
    if (!state.bImgSelected)
        return std::nullopt;
    TileCoords coords;
    const int width = sourceScale == 1.0 ? source.width() : state.lImgWidth;
    const int height = sourceScale == 1.0 ? source.height() : state.lImgHeight;
    if (CalcTileCoord(state, coords) <= 0 || !fitTilesToImage(coords, width, height, state.fit))
        return std::nullopt;
    const std::optional<PreviewCut> cut = previewCut(coords, box);
    if (!cut)
        return std::nullopt;
    // The grid's area in the source's own pixels; a reduced source may end a pixel short.
    const QRect scaled(QPoint(int(cut->area.left() * sourceScale), int(cut->area.top() * sourceScale)),
                       QPoint(int(std::ceil((cut->area.right() + 1) * sourceScale)) - 1,
                              int(std::ceil((cut->area.bottom() + 1) * sourceScale)) - 1));
    const bool whole = state.fit == FitMode::WholePicture;
    const QRect within = sourceScale == 1.0 && !whole
        ? scaled
        : scaled.intersected(QRect(0, 0, source.width(), source.height()));
    const auto area = source.region(within.left(), within.top(), within.width(), within.height());
    if (!area)
        return std::nullopt;

    // A read-only image over the source's own rows: the scaling reads the grid area in
    // place, so even a 100-megapixel source is never copied.
    const QImage inPlace(area->row(0), area->width(), area->height(), area->bytesPerLine(), QImage::Format_RGB32);
    QImage picture;
    if (within == scaled) {
        picture = inPlace.scaled(cut->output, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        // A picture kept whole lies on the grid's paper: blank where it does not reach,
        // grey on the sheets left out.
        const double perPixel = double(cut->output.width()) / scaled.width();
        picture = QImage(cut->output, QImage::Format_RGB32);
        if (picture.isNull())
            return std::nullopt;
        picture.fill(Qt::white);
        paintLeftOutSheets(picture, coords, state, perPixel * sourceScale);
        const QRect onPaper(nearestOr((within.left() - scaled.left()) * perPixel, 0),
                            nearestOr((within.top() - scaled.top()) * perPixel, 0),
                            std::max(1, nearestOr(within.width() * perPixel, 1)),
                            std::max(1, nearestOr(within.height() * perPixel, 1)));
        const QImage shown = inPlace.scaled(onPaper.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < shown.height() && onPaper.top() + y < picture.height(); ++y)
            std::memcpy(picture.scanLine(onPaper.top() + y) + qsizetype(onPaper.left()) * 4, shown.constScanLine(y),
                        size_t(std::min(shown.width(), picture.width() - onPaper.left())) * 4);
    }
    if (!picture.isNull() && picture.format() != QImage::Format_RGB32)
        picture.convertTo(QImage::Format_RGB32);
    if (picture.isNull())
        return std::nullopt;
    PaintPreview(PixelArrayView(picture.bits(), picture.width(), picture.height(), picture.bytesPerLine()),
                 state.tilesWide(), state.tilesHigh());
    return picture;
}
