#include "imaging/ImageFileRules.h"

#include "imaging/ImageObjectFactory.h"
#include "resources/AppStrings.h"
#include "resources/CliStrings.h"

#include <QFileInfo>

namespace ImageFileRules {

const QStringList &loadableEndings()
{
    static const QStringList kEndings{"bmp",  "jpg",  "jpeg", "tif", "tiff", "png", "webp",
                                      "heic", "heif", "avif", "pdf", "svg",  "svgz"};
    return kEndings;
}

const QStringList &loadableMimeTypes()
{
    static const QStringList kTypes{"image/bmp",  "image/jpeg", "image/png",  "image/tiff",     "image/webp",
                                    "image/heic", "image/heif", "image/avif", "application/pdf", "image/svg+xml",
                                    "image/svg+xml-compressed"};
    return kTypes;
}

bool hasLoadableImageEnding(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return QFileInfo(fileName).completeBaseName().size() > 0 && loadableEndings().contains(suffix);
}

std::optional<ImageFileType> ownTileFormat(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    // A HEIF picture is a photograph, as its own coding is: its tiles are JPEG.
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") || suffix == QLatin1String("heic")
        || suffix == QLatin1String("heif") || suffix == QLatin1String("avif"))
        return ImageFileType::Jpeg;
    if (suffix == QLatin1String("tif") || suffix == QLatin1String("tiff"))
        return ImageFileType::Tiff;
    if (suffix == QLatin1String("bmp"))
        return ImageFileType::Bmp;
    return std::nullopt;
}

bool isBelowMinimumSize(std::int32_t width, std::int32_t height)
{
    return width < kMinimumImageSide || height < kMinimumImageSide;
}

QString smallImageMessage()
{
    return AppStrings::kSmallImageTextStart + QString::number(kMinimumImageSide) + AppStrings::kSmallImageTextEnd;
}

bool isImageRotation(int degrees)
{
    return degrees == 0 || degrees == 90 || degrees == 180 || degrees == 270;
}

} // namespace ImageFileRules

LoadedSourceImage sourceLoadFailure(const QString &detail)
{
    QString text = CliStrings::kImageNotLoaded;
    if (!detail.isEmpty())
        text += QStringLiteral(" - ") + detail;
    return {nullptr, CliStrings::kImageNotLoadedTitle, text, false};
}

LoadedSourceImage loadSourceImage(const QString &path, int rotationDegrees)
{
    using namespace ImageFileRules;
    if (!hasLoadableImageEnding(QFileInfo(path).fileName()))
        return sourceLoadFailure(CliStrings::kUnloadableEnding);
    if (!isImageRotation(rotationDegrees))
        return sourceLoadFailure(QString());

    std::unique_ptr<ImageObject> image = createImageObject();
    if (!image)
        return sourceLoadFailure(QString());
    if (const ImagingResult loaded =
            image->LoadFile(path, DecodeFormats::WithPngAndWebp);
        !loaded)
        return sourceLoadFailure(loaded.errorText());
    return decodedSource(std::move(image), rotationDegrees);
}

LoadedSourceImage decodedSource(std::unique_ptr<ImageObject> image, int rotationDegrees)
{
    if (rotationDegrees != 0) {
        if (const ImagingResult turned = image->Rotate(float(rotationDegrees)); !turned)
            return sourceLoadFailure(turned.errorText());
    }
    if (ImageFileRules::isBelowMinimumSize(image->Width(), image->Height()))
        return {nullptr, AppStrings::kSmallImageTitle, ImageFileRules::smallImageMessage(), true};
    return {std::move(image), QString(), QString(), false};
}
