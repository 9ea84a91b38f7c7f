#include "imaging/ImageFileReader.h"

#include "common/NativeFiles.h"
#include "imaging/DecodeBudget.h"
#include "imaging/HeifDecoding.h"
#include "imaging/ImageLimits.h"
#include "imaging/LibjpegDecoding.h"
#include "imaging/ImageDataCompleteness.h"
#include "imaging/ProgramPixels.h"
#include "resources/ImagingStrings.h"

#include <QBuffer>
#include <QFile>
#include <QColorSpace>
#include <QImageReader>
#include <QTransform>

#include <mutex>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QByteArray kJpegFormat = QByteArrayLiteral("jpeg");
const QByteArray kBmpFormat = QByteArrayLiteral("bmp");

// Qt names a format after the handler that recognised the content.
QByteArray programFormatName(const QByteArray &readerFormat)
{
    const QByteArray format = readerFormat.toLower();
    if (format == "jpeg" || format == "jpg")
        return kJpegFormat;
    if (format == "tiff" || format == "tif")
        return QByteArrayLiteral("tiff");
    if (format == "bmp" || format == "dib")
        return kBmpFormat;
    if (format == "png" || format == "webp")
        return format;
    return QByteArray();
}

bool isPosterFormat(const QByteArray &format)
{
    return format == kJpegFormat || format == kBmpFormat || format == QByteArrayLiteral("tiff");
}

// The file's whole content, read by its real name, or why it cannot be had.
ImagingResult readFileContent(const QString &path, QByteArray &content)
{
    const NativeFileStatus file = nativeFileStatus(path);
    if (!file.exists || !file.regularFile)
        return ImagingResult::failure(ImagingStrings::kFileNotFound);
    if (file.size == 0)
        return ImagingResult::failure(ImagingStrings::kFileEmpty);
    // Read, never mapped: a file that shrinks while it is read must not kill the program.
    std::optional<QByteArray> bytes = file.readable ? readRegularFile(path, ImageLimits::kMaxFileBytes) : std::nullopt;
    if (!bytes)
        return ImagingResult::failure(ImagingStrings::kFileUnreadable);
    content = std::move(*bytes);
    return ImagingResult::success();
}

ImagingResult readHeader(QImageReader &reader, ImageFileInfo &info, SizeLimit limit = SizeLimit::PictureHeld)
{
    reader.setAutoTransform(false);
    const QByteArray format = programFormatName(reader.format());
    if (format.isEmpty())
        return ImagingResult::failure(ImagingStrings::kNotSupportedImage);
    info.orientation = reader.transformation();
    QSize stored = reader.size();
    // Qt gives a top-down BMP's height as stored, negative; its decoder reads such rows the
    // right way up.
    if (format == kBmpFormat)
        stored.setHeight(qAbs(stored.height()));
    if (!stored.isValid())
        return ImagingResult::failure(ImagingStrings::kDecodeFailed);
    const QSize size = info.orientation.testFlag(QImageIOHandler::TransformationRotate90) ? stored.transposed() : stored;
    if (limit == SizeLimit::PictureHeld && !ImageLimits::isAllowedImageSize(size.width(), size.height()))
        return ImagingResult::failure(ImagingStrings::kImageTooLarge);
    info.width = size.width();
    info.height = size.height();
    info.format = format;
    return ImagingResult::success();
}

// Photos come in the way they were taken: the file's orientation turns or mirrors the
// picture, as every photo viewer shows it. Done here rather than by Qt's reader, whose
// quarter turns drop the colour profile.
ImagingResult applyOrientation(QImage &image, QImageIOHandler::Transformations orientation)
{
    using T = QImageIOHandler::Transformation;
    if (orientation == T::TransformationNone)
        return ImagingResult::success();
    image.mirror(orientation.testFlag(T::TransformationMirror), orientation.testFlag(T::TransformationFlip));
    if (orientation.testFlag(T::TransformationRotate90)) {
        QImage turned = image.transformed(QTransform().rotate(90));
        if (turned.isNull())
            return ImagingResult::failure(ImagingStrings::kOutOfMemory);
        turned.setDotsPerMeterX(image.dotsPerMeterY());
        turned.setDotsPerMeterY(image.dotsPerMeterX());
        turned.setColorSpace(image.colorSpace());
        image = std::move(turned);
    }
    return ImagingResult::success();
}

// The damage turned and mirrored as applyOrientation turns the picture.
PictureDamage orientedDamage(const PictureDamage &damage, QSize stored, QImageIOHandler::Transformations orientation)
{
    using T = QImageIOHandler::Transformation;
    const bool mirror = orientation.testFlag(T::TransformationMirror);
    const bool flip = orientation.testFlag(T::TransformationFlip);
    PictureDamage oriented = damage.transformed(QTransform::fromScale(mirror ? -1 : 1, flip ? -1 : 1), stored);
    if (orientation.testFlag(T::TransformationRotate90))
        oriented = oriented.transformed(QTransform().rotate(90), stored);
    return oriented;
}

void raiseDecoderAllocationLimit()
{
    static std::once_flag once;
    std::call_once(once, [] { QImageReader::setAllocationLimit(ImageLimits::kReaderAllocationLimitMegabytes); });
}

} // namespace

ImagingResult readImageInfo(const QByteArray &content, ImageFileInfo &info, SizeLimit limit)
{
    if (isHeifFile(content)) {
        if (ImagingResult read = readHeifInfo(content, info); !read)
            return read;
        return limit == SizeLimit::PictureHeld ? DecodeBudget::checkImageLimit(info.width, info.height)
                                               : ImagingResult::success();
    }
    QByteArray data = content;
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device);
    return readHeader(reader, info, limit);
}

ImagingResult readImageFileInfo(const QString &path, ImageFileInfo &info, SizeLimit limit)
{
    const NativeFileStatus status = nativeFileStatus(path);
    if (!status.exists || !status.regularFile)
        return ImagingResult::failure(ImagingStrings::kFileNotFound);
    if (status.size == 0)
        return ImagingResult::failure(ImagingStrings::kFileEmpty);
    // Opened by its real name, whatever the bytes of that name.
    const int descriptor = status.readable ? ::open(encodeNativePath(path).constData(), O_RDONLY | O_CLOEXEC) : -1;
    QFile file;
    if (descriptor < 0 || !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (descriptor >= 0)
            ::close(descriptor);
        return ImagingResult::failure(ImagingStrings::kFileUnreadable);
    }
    constexpr qint64 kFileTypeBoxBytes = 64;
    if (isHeifFile(file.peek(kFileTypeBoxBytes))) {
        QByteArray content;
        if (ImagingResult read = readFileContent(path, content); !read)
            return read;
        return readImageInfo(content, info, limit);
    }
    QImageReader reader(&file);
    return readHeader(reader, info, limit);
}

ImagingResult decodeImageFile(const QString &path, QImage &image, DecodeFormats formats, PictureDamage *damage)
{
    QByteArray data;
    if (ImagingResult read = readFileContent(path, data); !read)
        return read;

    if (isHeifFile(data)) {
        if (formats == DecodeFormats::PosterFormats)
            return ImagingResult::failure(ImagingStrings::kNotSupportedImage);
        if (damage)
            *damage = PictureDamage();
        return decodeHeif(data, image);
    }
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device);
    ImageFileInfo info;
    if (ImagingResult header = readHeader(reader, info); !header)
        return header;
    if (formats == DecodeFormats::PosterFormats && !isPosterFormat(info.format))
        return ImagingResult::failure(ImagingStrings::kNotSupportedImage);
    const std::optional<JpegStructure> jpeg =
        info.format == kJpegFormat ? std::optional<JpegStructure>(inspectJpeg(data)) : std::nullopt;
    if ((jpeg && !jpeg->complete) || (info.format == kBmpFormat && !bmpDataIsComplete(data)))
        return ImagingResult::failure(ImagingStrings::kIncompleteFile);
    if (ImagingResult budget = DecodeBudget::check(info, jpeg ? &*jpeg : nullptr); !budget)
        return budget;

    raiseDecoderAllocationLimit();
    QImage decoded;
    if (!reader.read(&decoded) || decoded.isNull())
        return ImagingResult::failure(ImagingStrings::kDecodeFailed + QStringLiteral(" - ") + reader.errorString());
    // Qt's decoder steps over missing or corrupt data without a word.
    PictureDamage found;
    if (jpeg) {
        const JpegDataDamage stepped = findJpegDataDamage(data);
        found = orientedDamage(PictureDamage::fromStoredRows(stepped.firstRow, stepped.dataRunsOut, decoded.size()),
                               decoded.size(), info.orientation);
    }
    if (ImagingResult turned = applyOrientation(decoded, info.orientation); !turned)
        return turned;
    if (ImagingResult pixels = toProgramPixels(decoded); !pixels)
        return pixels;
    image = std::move(decoded);
    if (damage)
        *damage = found;
    return ImagingResult::success();
}
