#pragma once

#include "imaging/ImageFileType.h"
#include "imaging/ImageObject.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

// The rules by which a picture becomes the poster's source, shared by the main window and
// the command line: the endings that may be loaded, the smallest usable size and the turn
// chosen for the image.
namespace ImageFileRules {

inline constexpr std::int32_t kMinimumImageSide = 25;

// The window and the command line read what people have: names ending in .bmp, .jpg, .jpeg,
// .tif, .tiff, .png, .webp, .heic, .heif or .avif, in any case, and the pages of .pdf,
// .svg and .svgz files.
bool hasLoadableImageEnding(const QString &fileName);
// Those endings, lower-case, without the dot.
const QStringList &loadableEndings();
// The MIME types of those pictures, as the desktop entry offers the program for them.
const QStringList &loadableMimeTypes();

// The tile format a picture's own type gives: JPEG for .jpg, .jpeg and the HEIF endings,
// TIFF for .tif and .tiff, BMP for .bmp; nothing for PNG, WebP and pages, which have none.
std::optional<ImageFileType> ownTileFormat(const QString &fileName);

bool isBelowMinimumSize(std::int32_t width, std::int32_t height);

// The message shown when a picture is smaller than the minimum; its title is
// AppStrings::kSmallImageTitle.
QString smallImageMessage();

// True for the clockwise turns the image can be given: 0, 90, 180 and 270 degrees.
bool isImageRotation(int degrees);

} // namespace ImageFileRules

// A picture loaded as the poster's source, turned by the chosen rotation; or, when it
// cannot be used, the message that says why (title and text; empty title for none).
// tooSmall tells a picture that decoded but is below the minimum size apart from one that
// could not be read or turned: the window names only the first in a message box.
struct LoadedSourceImage
{
    std::unique_ptr<ImageObject> image; // set on success
    QString errorTitle;
    QString errorText;
    bool tooSmall = false;

    bool ok() const { return image != nullptr; }
};

// A decoded picture (not empty) made the poster's source: turned, then measured against the
// minimum size.
LoadedSourceImage decodedSource(std::unique_ptr<ImageObject> image, int rotationDegrees);

// A picture that could not be read or turned, with what went wrong (empty for nothing more).
LoadedSourceImage sourceLoadFailure(const QString &detail);

// Loads the file: the name's ending, a picture that decodes, the turn, then the minimum
// size measured after the turn.
LoadedSourceImage loadSourceImage(const QString &path, int rotationDegrees);
