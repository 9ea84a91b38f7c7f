#pragma once

#include <QString>

// Texts of the poster layout: the tile-size warning, the paper read-outs and the
// "Final Poster Size" report.
namespace LayoutStrings {

inline const QString kInvalidTileSizeTitle = QStringLiteral("Invalid Tile Print Size Entered");
inline const QString kInvalidTileSizeMessage = QStringLiteral(
    "You have entered invalid print tile sizes.  The width and height need to be in the range of");
inline const QString kRangeTo = QStringLiteral("to");
inline const QString kInchesWord = QStringLiteral("inches");
inline const QString kMillimetersWord = QStringLiteral("millimeters");

// Unit names beside the paper read-outs of the main window.
inline const QString kInchesLabel = QStringLiteral("Inches");
inline const QString kMillimetersLabel = QStringLiteral("Millimeters");

inline const QString kSizeSeparator = QStringLiteral(" x ");
inline const QString kCentimetresWord = QStringLiteral("cm");
inline const QString kDotsPerInch = QStringLiteral("dpi");
inline const QString kDotsWord = QStringLiteral("dots");
inline const QString kPerSign = QStringLiteral("/");
inline const QString kNotAvailable = QStringLiteral("---");

inline const QString kQualityExcellent = QStringLiteral("Excellent");
inline const QString kQualityVeryGood = QStringLiteral("Very Good");
inline const QString kQualityGood = QStringLiteral("Good");
inline const QString kQualityFair = QStringLiteral("Fair");
inline const QString kQualityGoodFromDistance = QStringLiteral("Good from a distance");
inline const QString kQualityFairFromDistance = QStringLiteral("Fair from a distance");

} // namespace LayoutStrings
