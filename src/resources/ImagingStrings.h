#pragma once

#include <QString>

// Texts of the imaging component. The failure texts of loading, saving and drawing are
// shown by callers after " - " in their own messages.
namespace ImagingStrings {

inline const QString kErrorTitle = QStringLiteral("Error");
inline const QString kInitializationFailed =
    QStringLiteral("Error initializing image object.  Can not continue.");
inline const QString kInitializationProcedureFailed =
    QStringLiteral("Error in image object initialization procedure.  Can not continue.");

inline const QString kFileNotFound = QStringLiteral("The image file does not exist");
inline const QString kFileEmpty = QStringLiteral("The image file is empty");
inline const QString kFileUnreadable = QStringLiteral("The image file can not be read");
inline const QString kNotSupportedImage = QStringLiteral("The file is not a BMP, JPEG or TIFF image");
inline const QString kImageTooLarge = QStringLiteral("The image is too large to be processed");
inline const QString kIncompleteFile = QStringLiteral("The image file is incomplete or damaged");
inline const QString kDecodeFailed = QStringLiteral("The image file could not be decoded");
inline const QString kOutOfMemory = QStringLiteral("Not enough memory for the image");

// The load refusals that name the numbers behind them.
inline QString notEnoughMemoryText(qint64 neededMegabytes, qint64 availableMegabytes)
{
    return QStringLiteral("The image needs %1 MB of memory to open, but only %2 MB are free")
        .arg(neededMegabytes)
        .arg(availableMegabytes);
}
inline QString tooManyScansText(int scans, int maxScans)
{
    return QStringLiteral("The JPEG file has %1 scans, more than the %2 any camera or program writes; it is "
                          "damaged or made to stall the program")
        .arg(scans)
        .arg(maxScans);
}

inline const QString kNoImage = QStringLiteral("There is no image");
inline const QString kInvalidImageSize = QStringLiteral("Invalid image size");
inline const QString kInvalidColour = QStringLiteral("Invalid colour value");
inline const QString kInvalidRotation =
    QStringLiteral("An image can only be turned by 90, 180 or 270 degrees");
inline const QString kInvalidResolution = QStringLiteral("Invalid image resolution");
inline const QString kInvalidPixelArray = QStringLiteral("The pixel array is empty");

inline const QString kUnknownFileType = QStringLiteral("Unknown image file type");
inline const QString kEncodeFailed = QStringLiteral("The image could not be encoded");
inline const QString kWriteFailed = QStringLiteral("The image file could not be written");

inline const QString kInvalidPointSize = QStringLiteral("Invalid text size");
inline const QString kTextDrawFailed = QStringLiteral("The text could not be drawn");

} // namespace ImagingStrings
