#include "common/TextHelpers.h"

std::optional<QString> sleft(const QString &s, qsizetype nChar)
{
    if (nChar < 0)
        return std::nullopt;
    return s.left(nChar);
}

std::optional<QString> sRight(const QString &s, qsizetype nChar)
{
    if (nChar < 0 || nChar > s.size())
        return std::nullopt;
    return s.right(nChar);
}
