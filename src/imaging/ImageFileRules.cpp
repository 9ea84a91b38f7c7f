#include "imaging/ImageFileRules.h"

#include "imaging/ImageObjectFactory.h"
#include "resources/AppStrings.h"
#include "resources/CliStrings.h"

#include <QFileInfo>

namespace ImageFileRules {

bool hasLoadableImageEnding(const QString &fileName)
{
    if (fileName.size() < 4)
        return false;
    const QString ending = fileName.right(3).toUpper();
    return ending == QLatin1String("BMP") || ending == QLatin1String("JPG") || ending == QLatin1String("TIF");
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

namespace {

LoadedSourceImage loadFailure(const QString &detail)
{
    QString text = CliStrings::kImageNotLoaded;
    if (!detail.isEmpty())
        text += QStringLiteral(" - ") + detail;
    return {nullptr, CliStrings::kImageNotLoadedTitle, text, false};
}

} // namespace

LoadedSourceImage loadSourceImage(const QString &path, int rotationDegrees)
{
    using namespace ImageFileRules;
    if (!hasLoadableImageEnding(QFileInfo(path).fileName()))
        return loadFailure(CliStrings::kUnloadableEnding);
    if (!isImageRotation(rotationDegrees))
        return loadFailure(QString());

    std::unique_ptr<ImageObject> image = createImageObject();
    if (!image)
        return loadFailure(QString());
    if (const ImagingResult loaded = image->LoadFile(path); !loaded)
        return loadFailure(loaded.errorText());
    if (rotationDegrees != 0) {
        if (const ImagingResult turned = image->Rotate(float(rotationDegrees)); !turned)
            return loadFailure(turned.errorText());
    }
    if (isBelowMinimumSize(image->Width(), image->Height()))
        return {nullptr, AppStrings::kSmallImageTitle, smallImageMessage(), true};
    return {std::move(image), QString(), QString(), false};
}
