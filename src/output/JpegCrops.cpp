#include "output/JpegCrops.h"

#include "imaging/DecodeBudget.h"

#include <turbojpeg.h>

#include <memory>

namespace {

// The coded blocks of a picture of about 65 megapixels (4:2:0). The cut holds them and as
// much again for the crops' own blocks: a bigger picture's poster is cut band by band.
constexpr qint64 kMaxCoefficientBytes = qint64(200) << 20;

struct TurboJpeg
{
    tjhandle handle = tjInitTransform();
    ~TurboJpeg() { tjDestroy(handle); }
};

// The outputs TurboJPEG allocates, handed back to it however the cut ends.
struct Outputs
{
    explicit Outputs(std::size_t count) : buffers(count, nullptr), sizes(count, 0) {}
    ~Outputs()
    {
        for (unsigned char *buffer : buffers)
            tjFree(buffer);
    }
    std::vector<unsigned char *> buffers;
    std::vector<unsigned long> sizes;
};

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
    const TurboJpeg turbo;
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colourSpace = 0;
    const auto *bytes = reinterpret_cast<const unsigned char *>(jpeg.constData());
    if (turbo.handle == nullptr || areas.empty()
        || tjDecompressHeader3(turbo.handle, bytes, static_cast<unsigned long>(jpeg.size()), &width, &height,
                               &subsampling, &colourSpace)
            != 0
        || QSize(width, height) != picture || (colourSpace != TJCS_YCbCr && colourSpace != TJCS_GRAY)
        || subsampling < 0 || subsampling >= TJ_NUMSAMP)
        return std::nullopt;
    // The transform reads every coded block of the picture into memory: two bytes for each
    // coefficient, with the colour planes at their own resolution.
    const QSize mcu(tjMCUWidth[subsampling], tjMCUHeight[subsampling]);
    const qint64 lumaPixels = qint64(width) * height;
    const double chromaShare = colourSpace == TJCS_GRAY ? 0.0 : 2.0 * 64.0 / (mcu.width() * mcu.height());
    const qint64 coefficientBytes = qint64(lumaPixels * 2 * (1.0 + chromaShare));
    if (coefficientBytes > kMaxCoefficientBytes || !DecodeBudget::checkRoomFor(coefficientBytes))
        return std::nullopt;

    std::vector<JpegCrop> crops;
    std::vector<tjtransform> transforms(areas.size());
    for (std::size_t i = 0; i < areas.size(); ++i) {
        const QRect region = wholeBlocksAround(areas[i], mcu, picture);
        if (region.isEmpty())
            return std::nullopt;
        crops.push_back({QByteArray(), region});
        transforms[i].r = {region.x(), region.y(), region.width(), region.height()};
        transforms[i].op = TJXOP_NONE;
        // Markers stay behind: the poster gives every picture the photo's colour profile itself.
        transforms[i].options = TJXOPT_CROP | TJXOPT_COPYNONE;
    }
    Outputs outputs(areas.size());
    // Damaged coded data is not passed on: the poster is then cut from decoded pixels,
    // which say which rows the file could not give.
    if (tjTransform(turbo.handle, bytes, static_cast<unsigned long>(jpeg.size()), int(areas.size()),
                    outputs.buffers.data(), outputs.sizes.data(), transforms.data(), TJFLAG_STOPONWARNING)
        != 0)
        return std::nullopt;
    for (std::size_t i = 0; i < areas.size(); ++i)
        crops[i].jpeg = QByteArray(reinterpret_cast<const char *>(outputs.buffers[i]), qsizetype(outputs.sizes[i]));
    return crops;
}
