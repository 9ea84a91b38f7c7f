#pragma once

#include <QString>

#include <optional>

// The first nChar characters of s, or all of s when it is shorter.
// Nothing for a negative nChar.
std::optional<QString> sleft(const QString &s, qsizetype nChar);

// The last nChar characters of s. Nothing when nChar is negative or larger than the
// length of s: callers cutting paths must not get a silently shorter piece.
std::optional<QString> sRight(const QString &s, qsizetype nChar);
