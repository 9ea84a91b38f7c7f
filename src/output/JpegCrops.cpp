#include "output/JpegCrops.h"

#include "imaging/DecodeBudget.h"
#include "imaging/LibjpegDecoding.h"
#include "output/JpegCropCutter.h"

#include <algorithm>

namespace {

// The most coded blocks held at once: a progressive picture of some 130 megapixels (4:2:0),
// whose rows come in scan after scan, is held whole. A poster needing more is cut band by
// band from decoded pixels.
constexpr qint64 kMaxHeldBlockBytes = qint64(400) << 20;

// libjpeg's progress monitor, called before each row of MCUs is read.
struct CutProgress
{
    jpeg_progress_mgr monitor{};
    JpegCropCutter *cutter = nullptr;
};

bool anyWarning(const JpegCodec &codec)
{
    return codec.errors.num_warnings > 0;
}

void beforeRow(j_common_ptr common)
{
    auto *info = reinterpret_cast<j_decompress_ptr>(common);
    JpegCodec &codec = *static_cast<JpegCodec *>(info->client_data);
    if (anyWarning(codec) || !reinterpret_cast<CutProgress *>(info->progress)->cutter->beforeRow(info->input_iMCU_row))
        std::longjmp(codec.fatal, 1);
}

// Every warning counts: damaged coded data is not passed on. The poster is then cut from
// decoded pixels, which say which rows the file could not give.
void countWarnings(j_common_ptr info, int level)
{
    if (level < 0)
        ++info->err->num_warnings;
}

// The header's promise checked: a colour or grey JPEG of the picture's size, 8 bits.
bool canCut(const jpeg_decompress_struct &info, QSize picture)
{
    return QSize(int(info.image_width), int(info.image_height)) == picture
        && (info.jpeg_color_space == JCS_YCbCr || info.jpeg_color_space == JCS_GRAYSCALE)
        && info.data_precision == 8;
}

std::optional<std::vector<JpegCrop>> cutAreas(JpegCodec &codec, const std::vector<QRect> &areas, QSize picture)
{
    if (areas.empty() || !canCut(codec.info, picture))
        return std::nullopt;
    const QSize mcu = jpegMcuSize(codec.info);
    std::vector<QRect> regions;
    for (const QRect &area : areas) {
        regions.push_back(wholeBlocksAround(area, mcu, picture));
        if (regions.back().isEmpty())
            return std::nullopt;
    }
    JpegCropCutter cutter(codec, regions);
    const qint64 held = cutter.peakHeldBytes();
    if (held > kMaxHeldBlockBytes || !DecodeBudget::checkRoomFor(held))
        return std::nullopt;
    CutProgress progress;
    progress.monitor.progress_monitor = beforeRow;
    progress.cutter = &cutter;
    codec.info.progress = &progress.monitor;
    codec.errors.emit_message = countWarnings;
    if (setjmp(codec.fatal))
        return std::nullopt;
    jpeg_read_coefficients(&codec.info);
    if (anyWarning(codec) || !cutter.finish())
        return std::nullopt;
    return cutter.takeCrops();
}

} // namespace

QRect wholeBlocksAround(const QRect &area, QSize mcu, QSize picture)
{
    const QRect inside = area.intersected(QRect(QPoint(), picture));
    if (inside.isEmpty())
        return QRect();
    const int left = inside.left() / mcu.width() * mcu.width();
    const int top = inside.top() / mcu.height() * mcu.height();
    const int right = std::min(picture.width(), (inside.right() / mcu.width() + 1) * mcu.width());
    const int bottom = std::min(picture.height(), (inside.bottom() / mcu.height() + 1) * mcu.height());
    return QRect(left, top, right - left, bottom - top);
}

std::optional<std::vector<JpegCrop>> cutJpegAreas(const QByteArray &jpeg, const std::vector<QRect> &areas,
                                                  QSize picture)
{
    JpegCodec codec;
    if (!readJpegHeader(codec, jpeg))
        return std::nullopt;
    return cutAreas(codec, areas, picture);
}

std::optional<std::vector<JpegCrop>> cutJpegFileAreas(const QString &path, const std::vector<QRect> &areas,
                                                      QSize picture)
{
    const JpegFile file = openJpegFile(path);
    JpegCodec codec;
    if (!file || !readJpegHeader(codec, file.get()))
        return std::nullopt;
    return cutAreas(codec, areas, picture);
}
