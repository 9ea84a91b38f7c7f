// Feeds any bytes to every way the program decodes a JPEG it is given: the check of its
// coded data, the streaming decoder's reduced picture, whole picture and bands, and the
// ordinary decoder. Nothing may read out of bounds, crash or hang, whatever the bytes.

#include "imaging/ImageFileReader.h"
#include "imaging/LibjpegDecoding.h"
#include "imaging/StreamingJpegDecoder.h"
#include "output/JpegCrops.h"
#include "output/BandRing.h"

#include <QGuiApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>
#include <vector>

namespace {

// Bigger pictures only make each run slower, not the code paths different.
constexpr qint64 kMaxPixels = 2'000'000;

const QString &scratchFile()
{
    // The imaging component works inside a GUI application; no display is needed.
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "JpegDecodingFuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    Q_UNUSED(offscreen);
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("input.jpg"));
    return path;
}

void decodeInBands(StreamingJpegDecoder &decoder)
{
    const int height = decoder.size().height();
    std::vector<RowBand> bands;
    for (int top = 0; top < height; top += 7)
        bands.push_back({top, std::min(height - 1, top + 9), 1});
    // Rows shared by two bands, as neighbouring rows of tiles share them.
    for (std::size_t b = 1; b < bands.size(); ++b)
        bands[b].top = std::max(bands[b - 1].top + 1, bands[b].top - 2);
    BandRing ring(decoder, std::move(bands), QImage::Format_RGB888);
    if (!ring.started())
        return;
    for (int b = 0; b < ring.bandCount(); ++b) {
        if (ring.waitForBand(b).isNull())
            return;
        ring.releaseBand(b);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString &path = scratchFile();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    static_cast<void>(findJpegDataDamage(bytes));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return 0;
    }
    ImageFileInfo info;
    if (!readImageInfo(bytes, info) || qint64(info.width) * info.height > kMaxPixels)
        return 0;
    if (std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::open(path)) {
        PictureDamage damage;
        static_cast<void>(decoder->reducedPicture(QSize(32, 32), &damage));
        if (decoder->decodeWhole())
            static_cast<void>(decoder->waitForRowsToCut(decoder->size().height()));
    }
    if (std::unique_ptr<StreamingJpegDecoder> decoder = StreamingJpegDecoder::open(path)) {
        decodeInBands(*decoder);
        // The bands let go of the file's bytes: the reduced picture is read from the file.
        static_cast<void>(decoder->reducedPicture(QSize(32, 32)));
    }
    // The PDF poster's lossless crops, read from the file as the poster reads them: areas
    // that overlap, one reaching past the picture's edge, one as tall as the picture.
    static_cast<void>(cutJpegFileAreas(path,
                                       {QRect(0, 0, 17, 9), QRect(info.width / 2, info.height / 2, info.width, 40),
                                        QRect(info.width / 3, 0, 16, info.height)},
                                       QSize(info.width, info.height)));
    QImage image;
    PictureDamage damage;
    static_cast<void>(decodeImageFile(path, image, DecodeFormats::PosterFormats, &damage));
    return 0;
}
