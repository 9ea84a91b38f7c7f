#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The file list filter of the image browser. Only the last three characters of a name
// count as its ending, so "photo.jpeg" and "scan.tiff" pass only "Show All Files".
enum class FileTypeFilter : int {
    ImageFiles = 0, // JPG, TIF, BMP
    JpegOnly = 1,
    TiffOnly = 2,
    BmpOnly = 3,
    AllFiles = 4,
};

inline constexpr int kFileTypeFilterCount = 5;

// The filter of a list index; indexes outside the list fall back to the image files filter.
FileTypeFilter fileTypeFilterFromIndex(int index);

// True when the name passes the filter.
bool IsListedImageFile(const QString &fileName, FileTypeFilter filter);

// The names the file list shows for a folder: longer than four characters and passing the
// filter, sorted case-insensitively. Nothing when the folder cannot be enumerated.
std::optional<QStringList> listFolderFiles(const QString &folderPath, FileTypeFilter filter);
