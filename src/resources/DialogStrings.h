#pragma once

#include "common/TranslatableText.h"

#include <QString>

// Texts of the question box, the input box and the test target file chooser.
namespace DialogStrings {

inline TranslatableText kYes{"DialogStrings", QT_TRANSLATE_NOOP("DialogStrings", "Yes")};
inline TranslatableText kNo{"DialogStrings", QT_TRANSLATE_NOOP("DialogStrings", "No")};
inline TranslatableText kCancel{"DialogStrings", QT_TRANSLATE_NOOP("DialogStrings", "Cancel")};
inline TranslatableText kOk{"DialogStrings", QT_TRANSLATE_NOOP("DialogStrings", "OK")};

inline TranslatableText kSaveTestTargetTitle{"DialogStrings", QT_TRANSLATE_NOOP("DialogStrings", "Save Test Target")};
inline const QString kDefaultTestTargetName = QStringLiteral("edge_clipping_test");
inline TranslatableText kBitmapFilter{"DialogStrings", QT_TRANSLATE_NOOP("DialogStrings", "Bitmap (*.bmp)")};
inline TranslatableText kTiffFilter{"DialogStrings", QT_TRANSLATE_NOOP("DialogStrings", "Tiff (*.tif)")};
inline TranslatableText kJpegFilter{"DialogStrings", QT_TRANSLATE_NOOP("DialogStrings", "Jpeg (*.jpg)")};

} // namespace DialogStrings
