#pragma once

// One unit code covers paper size, margins and tile size together. Values are never
// converted when the unit changes: each unit has its own paper catalogue.
enum class Units : int {
    Inches = 0,
    Millimetres = 1,
};

// The inch in the metric units the program converts to.
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kMetresPerInch = 0.0254;
// PDF pages and printers measure in points.
inline constexpr double kPointsPerInch = 72.0;

// Unit codes as stored in records and settings: 0 inches, anything else millimetres.
inline constexpr Units unitsFromCode(int code) { return code == 0 ? Units::Inches : Units::Millimetres; }
inline constexpr int unitsCode(Units units) { return static_cast<int>(units); }

// Points in one inch or one millimetre.
inline constexpr double pointsPerUnit(Units units)
{
    return units == Units::Inches ? kPointsPerInch : kPointsPerInch / kMillimetresPerInch;
}
