#include "output/TileNaming.h"

#include "imaging/ImageFileRules.h"

#include <QFileInfo>

#include "resources/OutputStrings.h"

namespace {

const QChar kSeparator = QLatin1Char('/');

QString withTrailingSeparator(const QString &path)
{
    return path.endsWith(kSeparator) ? path : path + kSeparator;
}

// The destination folder as the start of a file path: "/" follows a new folder's name.
QString folderPrefix(const QString &parentFolder, const QString &newFolderName)
{
    const QString folder = destinationFolderPath(parentFolder, newFolderName);
    return newFolderName.isEmpty() ? folder : folder + kSeparator;
}

std::optional<ImageFileType> fileTypeOfExtension(const QString &extension)
{
    if (extension == QLatin1String("bmp"))
        return ImageFileType::Bmp;
    if (extension == QLatin1String("tif"))
        return ImageFileType::Tiff;
    if (extension == QLatin1String("jpg"))
        return ImageFileType::Jpeg;
    return std::nullopt;
}

} // namespace

QString destinationFolderPath(const QString &parentFolder, const QString &newFolderName)
{
    return withTrailingSeparator(parentFolder) + newFolderName;
}

bool isConfinedName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && name != QLatin1String("..");
}

TileFileName MakeTileFileName(const QString &parentFolder, const QString &newFolderName, const QString &baseName,
                              int fileTypeCode, int tileNumber)
{
    const std::optional<ImageFileType> fileType = imageFileTypeFromCode(fileTypeCode);
    if (!fileType)
        return {{}, OutputStrings::kFileExtensionNotSelected, -1};
    if (parentFolder.isEmpty())
        return {{}, OutputStrings::kSelectFolderLocation, -1};
    if (!isConfinedName(baseName))
        return {{}, OutputStrings::kInvalidBaseFileName, -1};

    const QString number = QString::number(tileNumber).rightJustified(3, QLatin1Char('0'));
    return {folderPrefix(parentFolder, newFolderName) + baseName + number + tileFileExtension(*fileType), {}, 1};
}

QString SplitPathLabel(const QString &original, int insertWinStart, int insertWinEnd)
{
    static const QString lineBreak = QStringLiteral("\r\n");
    QString result;
    result.reserve(original.size() + original.size() / 8);
    int run = 0;
    for (const QChar c : original) {
        run = (c == QLatin1Char(' ')) ? 0 : run + 1;
        result += c;
        if (run > insertWinStart && c == kSeparator) {
            result += lineBreak;
            run = 0;
        }
        if (run == insertWinEnd) {
            result += lineBreak;
            run = 0;
        }
    }
    return result;
}

QString saveFolderLabelText(const QString &parentFolder, const QString &newFolderName)
{
    return SplitPathLabel(folderPrefix(parentFolder, newFolderName), 55, 78);
}

SaveEntry suggestSaveNames(const QString &imageFileName)
{
    constexpr int extensionWithDot = 4;
    if (imageFileName.size() <= extensionWithDot)
        return {std::nullopt, {OutputStrings::kInvalidFileChosen, OutputStrings::kInvalidFileChosenTitle}};

    const std::optional<ImageFileType> fileType = fileTypeOfExtension(imageFileName.right(3).toLower());
    if (!fileType)
        return {std::nullopt, {OutputStrings::kInvalidImageFileType, OutputStrings::kInvalidImageFileTypeTitle}};

    const QString stem = imageFileName.left(imageFileName.size() - extensionWithDot);
    const QString &sep = OutputStrings::kNameSeparator;
    SaveSuggestion suggestion;
    suggestion.baseFileName = stem + sep;
    suggestion.newFolderName = stem + sep + OutputStrings::kPosterWord + sep + OutputStrings::kImagesWord;
    suggestion.fileType = *fileType;
    return {suggestion, {}};
}

QString tilesNamedAfter(const QString &imageFileName, ImageFileType tileFormat)
{
    return QFileInfo(imageFileName).completeBaseName() + tileFileExtension(tileFormat);
}

QString tilesNamedAfter(const QString &imageFileName)
{
    return tilesNamedAfter(imageFileName,
                           ImageFileRules::ownTileFormat(imageFileName).value_or(ImageFileType::Jpeg));
}

QString tileFileExtension(ImageFileType fileType)
{
    switch (fileType) {
    case ImageFileType::Bmp:
        return QStringLiteral(".bmp");
    case ImageFileType::Tiff:
        return QStringLiteral(".tif");
    case ImageFileType::Jpeg:
        break;
    }
    return QStringLiteral(".jpg");
}
