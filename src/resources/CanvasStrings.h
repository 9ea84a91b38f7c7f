#pragma once

#include "common/TranslatableText.h"

#include <QString>

// Texts of the working canvas, the zoom readout and the "Poster Preview" window.
namespace CanvasStrings {

inline TranslatableText kInvalidConfigurationText{"CanvasStrings", QT_TRANSLATE_NOOP("CanvasStrings", "Invalid tile configuration")};
inline TranslatableText kInvalidConfigurationTitle{"CanvasStrings", QT_TRANSLATE_NOOP("CanvasStrings", "Invalid")};

// The zoom readout beside the scroll bar, e.g. "(25%)".
inline const QString kZoomReadoutOpen = QStringLiteral("(");
inline const QString kZoomReadoutClose = QStringLiteral("%)");

inline TranslatableText kPreviewCaption{"CanvasStrings", QT_TRANSLATE_NOOP("CanvasStrings", "Poster Preview")};
inline TranslatableText kCloseCaption{"CanvasStrings", QT_TRANSLATE_NOOP("CanvasStrings", "Close")};
inline TranslatableText kInvalidPrintSizeText{"CanvasStrings", QT_TRANSLATE_NOOP("CanvasStrings", "Invalid print size values")};
inline TranslatableText kInvalidPrintSizeTitle{"CanvasStrings", QT_TRANSLATE_NOOP("CanvasStrings", "Invalid information")};
inline TranslatableText kNoImageSelectedText{"CanvasStrings", QT_TRANSLATE_NOOP("CanvasStrings", "No image selected.  Please select an image from the file listbox")};
inline TranslatableText kNoImageSelectedTitle{"CanvasStrings", QT_TRANSLATE_NOOP("CanvasStrings", "No Image Selected")};

} // namespace CanvasStrings
