#pragma once

#include "common/TranslatableText.h"

#include <QCoreApplication>
#include <QString>

// Texts of the imaging component. The failure texts of loading, saving and drawing are
// shown by callers after " - " in their own messages.
namespace ImagingStrings {

inline TranslatableText kErrorTitle{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "Error")};
inline TranslatableText kInitializationFailed{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "Error initializing image object.  Can not continue.")};
inline TranslatableText kInitializationProcedureFailed{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "Error in image object initialization procedure.  Can not continue.")};

inline TranslatableText kFileNotFound{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The image file does not exist")};
inline TranslatableText kFileEmpty{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The image file is empty")};
inline TranslatableText kFileUnreadable{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The image file can not be read")};
inline TranslatableText kNotSupportedImage{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The file is not a BMP, JPEG or TIFF image")};
inline TranslatableText kImageTooLarge{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The image is too large to be processed")};
inline TranslatableText kIncompleteFile{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The image file is incomplete or damaged")};
inline TranslatableText kHeifCodecMissing{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The picture is a HEIF file whose codec this system lacks (for AVIF pictures, libheif's AV1 decoder)")};
inline TranslatableText kPdfUnreadable{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The PDF file can not be read")};
inline TranslatableText kPdfLocked{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The PDF file is protected by a password")};
inline TranslatableText kSvgUnreadable{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The SVG file can not be read")};
inline TranslatableText kPageNotDrawn{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The page could not be drawn in time")};
inline TranslatableText kDecodeFailed{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The image file could not be decoded")};
inline TranslatableText kOutOfMemory{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "Not enough memory for the image")};

// The load refusals that name the numbers behind them.
inline QString noSuchPageText(int page, int pages)
{
    return QCoreApplication::translate("ImagingStrings", "The file has no page %1; its pages are 1 to %2").arg(page).arg(pages);
}

inline QString notEnoughMemoryText(qint64 neededMegabytes, qint64 availableMegabytes)
{
    return QCoreApplication::translate("ImagingStrings", "The image needs %1 MB of memory to open, but only %2 MB are free")
        .arg(neededMegabytes)
        .arg(availableMegabytes);
}
inline QString beyondImageLimitText(qint64 neededMegabytes, qint64 limitMegabytes)
{
    return QCoreApplication::translate("ImagingStrings", "The image would take %1 MB of memory whole, more than the %2 MB "
                                                         "the program holds")
        .arg(neededMegabytes)
        .arg(limitMegabytes);
}
inline QString tooManyScansText(int scans, int maxScans)
{
    return QCoreApplication::translate("ImagingStrings", "The JPEG file has %1 scans, more than the %2 any camera or program writes; it is "
                          "damaged or made to stall the program")
        .arg(scans)
        .arg(maxScans);
}

inline TranslatableText kNoImage{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "There is no image")};
inline TranslatableText kInvalidImageSize{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "Invalid image size")};
inline TranslatableText kInvalidColour{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "Invalid colour value")};
inline TranslatableText kInvalidRotation{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "An image can only be turned by 90, 180 or 270 degrees")};
inline TranslatableText kInvalidResolution{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "Invalid image resolution")};
inline TranslatableText kInvalidPixelArray{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The pixel array is empty")};

inline TranslatableText kUnknownFileType{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "Unknown image file type")};
inline TranslatableText kEncodeFailed{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The image could not be encoded")};
inline TranslatableText kWriteFailed{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The image file could not be written")};

// A picture whose file is partly missing or corrupt: the rows, counted from 1 as the file
// stores them, that could not be read.
inline TranslatableText kDamagedImageTitle{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "Damaged Image")};
inline QString damagedRowsText(int firstRow, int lastRow, bool dataRunsOut)
{
    const QString rows = QCoreApplication::translate(
        "ImagingStrings", "The image file is damaged: its rows %1 to %2 could not be read and show grey or wrong colours.");
    const QString consequence = dataRunsOut
        ? QCoreApplication::translate("ImagingStrings", "Tiles can only be saved where the grid does not reach those rows.")
        : QCoreApplication::translate("ImagingStrings", "Tiles that need those rows will print them so.");
    return rows.arg(firstRow).arg(lastRow) + QStringLiteral("  ") + consequence;
}

inline TranslatableText kInvalidPointSize{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "Invalid text size")};
inline TranslatableText kTextDrawFailed{"ImagingStrings", QT_TRANSLATE_NOOP("ImagingStrings", "The text could not be drawn")};

} // namespace ImagingStrings
