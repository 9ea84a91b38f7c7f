#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What the system print dialog is told, and what it may not choose, for a poster whose
// pages are an optional assembly page and then one page per sheet in poster order.

// Which page is which sheet, a line for each row of sheets ("A1 to A3: pages 2 to 4"), so
// that a person can name the page of the one sheet to print again. Sheets not made (made
// says which are) have no page and break a row's line.
QString printPageGuide(int tilesWide, int tilesHigh, bool assemblyPage, const std::function<bool(int t)> &made);

// Several pages on one sheet of paper, or pages on both sides, would shrink the sheets or
// put one on the back of another: the message that refuses them, or an empty text. The
// options are the dialog's CUPS options as names and values in turn; two-sided printing may
// be among them or be given apart.
QString printChoicesThatBreakThePoster(const QStringList &cupsOptions, bool twoSided);
