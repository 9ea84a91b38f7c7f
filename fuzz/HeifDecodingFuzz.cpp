// Feeds any bytes to the HEIF reader the window and the command line share: the header,
// then the picture when the header allows it. Nothing may read out of bounds, crash or hang,
// whatever the bytes.

#include "imaging/HeifDecoding.h"

#include <QImage>

#include <cstdint>

namespace {

// Bigger pictures only make each run slower, not the code paths different.
constexpr qint64 kMaxPixels = 2'000'000;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!isHeifFile(bytes))
        return 0;
    ImageFileInfo info;
    if (!readHeifInfo(bytes, info) || qint64(info.width) * info.height > kMaxPixels)
        return 0;
    QImage image;
    static_cast<void>(decodeHeif(bytes, image));
    return 0;
}
