#pragma once

#include "imaging/ImageFileType.h"

#include <QString>

#include <optional>

// The file type code the save dialog passes when none of its format buttons is set; the
// other codes are those of ImageFileType.
inline constexpr int kNoFileTypeCode = 0;

// Where tile files go and what they are called. Paths use "/" as separator.

// The folder the tiles are written into: the parent, a "/" unless it ends with one, then
// the new folder's name. No trailing "/" is added, so an empty name gives the parent.
QString destinationFolderPath(const QString &parentFolder, const QString &newFolderName);

// True when a folder or base name stays inside the folder it is placed in: no "/" or
// "\\" and not "..". Such names would otherwise reach outside the chosen parent.
bool isConfinedName(const QString &name);

struct TileFileName
{
    QString path;      // full path of the tile file, valid when status is 1
    QString errorText; // the reason when status is -1
    int status = -1;
};

// The file of tile number tileNumber (1-based): destination folder, then the base name,
// the number padded with "0" to at least three digits, and the extension of the type
// (".jpg", ".tif", ".bmp"). Fails with a reason when no type is chosen, the parent is
// empty, or the base name would leave the folder.
TileFileName MakeTileFileName(const QString &parentFolder, const QString &newFolderName, const QString &baseName,
                              int fileTypeCode, int tileNumber);

// A path broken into lines for a label: after a "/" once the current line holds more
// than insertWinStart characters, and forced when it reaches insertWinEnd characters
// without a blank. Line breaks are CR LF.
QString SplitPathLabel(const QString &original, int insertWinStart, int insertWinEnd);

// The text of the save dialog's destination label: the destination folder with a
// trailing "/" when a new folder name is given, wrapped for the label.
QString saveFolderLabelText(const QString &parentFolder, const QString &newFolderName);

// What the save dialog suggests for the chosen image file, or why it refuses to open.
struct SaveSuggestion
{
    QString baseFileName;  // stem + "_"
    QString newFolderName; // stem + "_poster_images"
    ImageFileType fileType = ImageFileType::Jpeg;
};

struct SaveRefusal
{
    QString text;
    QString title;
};

struct SaveEntry
{
    std::optional<SaveSuggestion> suggestion; // set when the dialog may open
    SaveRefusal refusal;                      // the message to show otherwise
};

// Suggestions from the selected image file name: the last four characters are taken as
// the extension with its dot, and only "bmp", "tif" and "jpg" (any case) are accepted.
SaveEntry suggestSaveNames(const QString &imageFileName);

// The ending of a tile file of the type, with its dot: ".bmp", ".tif" or ".jpg".
QString tileFileExtension(ImageFileType fileType);

// The name the save names are suggested from for a picture saved as tiles of tileFormat:
// the picture's own name with the format's ending ("photo.jpeg" gives "photo.jpg").
QString tilesNamedAfter(const QString &imageFileName, ImageFileType tileFormat);
// The same in the picture's own tile format, or JPEG for a PNG or WebP picture.
QString tilesNamedAfter(const QString &imageFileName);
