#pragma once

#include <QString>

// Texts of the question box, the input box and the test target file chooser.
namespace DialogStrings {

inline const QString kYes = QStringLiteral("Yes");
inline const QString kNo = QStringLiteral("No");
inline const QString kCancel = QStringLiteral("Cancel");
inline const QString kOk = QStringLiteral("OK");

inline const QString kSaveTestTargetTitle = QStringLiteral("Save Test Target");
inline const QString kDefaultTestTargetName = QStringLiteral("edge_clipping_test");
inline const QString kBitmapFilter = QStringLiteral("Bitmap (*.bmp)");
inline const QString kTiffFilter = QStringLiteral("Tiff (*.tif)");
inline const QString kJpegFilter = QStringLiteral("Jpeg (*.jpg)");

} // namespace DialogStrings
