#pragma once

#include <QString>

// Texts of the working canvas, the zoom readout and the "Poster Preview" window.
namespace CanvasStrings {

inline const QString kInvalidConfigurationText = QStringLiteral("Invalid tile configuration");
inline const QString kInvalidConfigurationTitle = QStringLiteral("Invalid");

// The zoom readout beside the scroll bar, e.g. "(25%)".
inline const QString kZoomReadoutOpen = QStringLiteral("(");
inline const QString kZoomReadoutClose = QStringLiteral("%)");

inline const QString kPreviewCaption = QStringLiteral("Poster Preview");
inline const QString kCloseCaption = QStringLiteral("Close");
inline const QString kInvalidPrintSizeText = QStringLiteral("Invalid print size values");
inline const QString kInvalidPrintSizeTitle = QStringLiteral("Invalid information");
inline const QString kNoImageSelectedText =
    QStringLiteral("No image selected.  Please select an image from the file listbox");
inline const QString kNoImageSelectedTitle = QStringLiteral("No Image Selected");

} // namespace CanvasStrings
