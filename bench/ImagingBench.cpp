#include "imaging/ImageObjectFactory.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace {

constexpr int kPhotoWidth = 8000; // 8000 x 6000: a 48-megapixel camera frame
constexpr int kPhotoHeight = 6000;
constexpr int kTileSide = 2000;

std::unique_ptr<ImageObject> createImage()
{
    std::unique_ptr<ImageObject> image = createImageObject();
    if (!image)
        throw std::runtime_error("no image object");
    return image;
}

void check(const ImagingResult &result)
{
    if (!result)
        throw std::runtime_error(result.errorText().toStdString());
}

// Gradients with pixel noise, so the codecs work about as hard as on a camera photo.
std::unique_ptr<ImageObject> makePhotoLikeImage(int width, int height)
{
    std::unique_ptr<ImageObject> image = createImage();
    check(image->NewImage(width, height, 0));
    const PixelArrayView pixels = image->PixelArray();
    quint32 noise = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = int(noise >> 28);
            pixels.setPixel(x, y, uchar(x * 239 / width + grain), uchar(y * 239 / height + grain),
                            uchar(((x / 40 + y / 40) & 1) * 120 + grain));
        }
    return image;
}

// The generated photo, written once for the whole benchmark run.
const QString &photoPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("photo48mp.jpg"));
        check(makePhotoLikeImage(kPhotoWidth, kPhotoHeight)->SaveFile(file, 1));
        return file;
    }();
    return path;
}

const ImageObject &loadedPhoto()
{
    static const std::unique_ptr<ImageObject> photo = [] {
        std::unique_ptr<ImageObject> image = createImage();
        check(image->LoadFile(photoPath()));
        return image;
    }();
    return *photo;
}

void BM_LoadJpeg48Megapixels(benchmark::State &state)
{
    const QString &path = photoPath();
    const std::unique_ptr<ImageObject> image = createImage();
    for (auto _ : state)
        check(image->LoadFile(path));
}
BENCHMARK(BM_LoadJpeg48Megapixels)->Unit(benchmark::kMillisecond);

void BM_Rotate48Megapixels90Degrees(benchmark::State &state)
{
    const ImageObject &photo = loadedPhoto();
    const std::unique_ptr<ImageObject> image = createImage();
    for (auto _ : state) {
        check(image->FromImage(photo));
        check(image->Rotate(90));
    }
}
BENCHMARK(BM_Rotate48Megapixels90Degrees)->Unit(benchmark::kMillisecond);

// Argument: the file type code (1 JPEG, 3 TIFF, 6 BMP).
void BM_EncodeTile2000(benchmark::State &state)
{
    const std::unique_ptr<ImageObject> tile = createImage();
    check(tile->FromPixelArray(*loadedPhoto().ConstPixelArray().region(1000, 1000, kTileSide, kTileSide)));
    QByteArray bytes;
    for (auto _ : state)
        check(tile->EncodeToBytes(bytes, int(state.range(0))));
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_EncodeTile2000)->ArgName("type")->Arg(1)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond);

} // namespace
