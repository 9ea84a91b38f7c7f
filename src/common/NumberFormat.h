#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Formats a number with a numeric picture mask such as "##0.00", "###.00", "####" or
// "#####0.0": '0' forces a digit, '#' is an optional digit, '.' marks the decimals.
// The integer part shows at least as many digits as the mask has '0's before the point;
// a value whose integer part is 0 and whose mask has no forced integer digit shows no
// leading zero (".75"). The decimal separator is the locale's.
QString formatMask(double value, const QString &mask, const QLocale &locale = QLocale());

// The classic BASIC text of a number used in stored records: "." as decimal separator
// whatever the locale, no leading zero below 1 (".5", "-.5"), no trailing zeros and no
// point for whole numbers ("12", "8.5"), at most 15 significant digits.
QString basicNumberText(double value);

// Reads a decimal number written with "." (surrounding blanks allowed, ".5" accepted).
// Returns nothing for empty or malformed text and for NaN or infinite values.
std::optional<double> parseDecimalText(const QString &text);

// Reads a whole number (surrounding blanks allowed). Returns nothing when malformed.
std::optional<int> parseWholeNumber(const QString &text);
