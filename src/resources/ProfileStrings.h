#pragma once

#include <QString>

// Names of the built-in edge calibration profiles.
namespace ProfileStrings {

inline const QString kDefaultProfileName = QStringLiteral("default");
inline const QString kKodakProfileName = QStringLiteral("Kodak photo lab default");
inline const QString kFujiProfileName = QStringLiteral("Fuji photo lab default");

} // namespace ProfileStrings
