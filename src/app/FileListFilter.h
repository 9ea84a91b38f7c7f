#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The file list filter of the image browser: every picture the program opens, one format,
// or every file. A name's ending counts in any case, long ones too ("photo.JPEG", "scan.tiff").
enum class FileTypeFilter : int {
    ImageFiles = 0, // every format below
    JpegOnly = 1,
    TiffOnly = 2,
    BmpOnly = 3,
    PngOnly = 4,
    WebpOnly = 5,
    HeifOnly = 6, // HEIC photos, HEIF and AVIF pictures
    PdfOnly = 7,
    SvgOnly = 8,
    AllFiles = 9,
};

inline constexpr int kFileTypeFilterCount = 10;

// The filter of a list index; indexes outside the list fall back to the image files filter.
FileTypeFilter fileTypeFilterFromIndex(int index);

// True when the name passes the filter.
bool IsListedImageFile(const QString &fileName, FileTypeFilter filter);

// The names the file list shows for a folder: longer than four characters and passing the
// filter, sorted case-insensitively. Nothing when the folder cannot be enumerated.
std::optional<QStringList> listFolderFiles(const QString &folderPath, FileTypeFilter filter);
