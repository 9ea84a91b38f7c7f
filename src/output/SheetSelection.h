#pragma once

#include <QList>
#include <QString>

#include <optional>

// Which sheets of a poster to make or print again, as a person names them after a paper
// jam: labels as the sheets carry them ("A2,B1", row letter and column number), sheet
// numbers ("3") and ranges of numbers ("3-4"), separated by commas. The sheets come back
// as indexes (0 for A1) in poster order, each once; nothing when an item names no sheet of
// a poster tilesWide x tilesHigh.
std::optional<QList<int>> parseSheetList(const QString &list, int tilesWide, int tilesHigh);

// The CUPS page-ranges value for pages given by number from 1, in order: "2-3,5".
QString cupsPageRanges(const QList<int> &pages);
