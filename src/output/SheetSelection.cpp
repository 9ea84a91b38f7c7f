#include "output/SheetSelection.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// One item of the list: the sheet indexes it names, or nothing.
std::optional<QList<int>> sheetsOfItem(const QString &item, int tilesWide, int tilesHigh)
{
    const int count = tilesWide * tilesHigh;
    static const QRegularExpression label(QStringLiteral("^([A-Ya-y])([0-9]{1,2})$"));
    static const QRegularExpression range(QStringLiteral("^([0-9]{1,3})(?:-([0-9]{1,3}))?$"));
    if (const QRegularExpressionMatch match = label.match(item); match.hasMatch()) {
        const int row = match.captured(1).toUpper().at(0).unicode() - u'A';
        const int column = match.captured(2).toInt() - 1;
        if (row >= tilesHigh || column < 0 || column >= tilesWide)
            return std::nullopt;
        return QList<int>{row * tilesWide + column};
    }
    const QRegularExpressionMatch match = range.match(item);
    if (!match.hasMatch())
        return std::nullopt;
    const int first = match.captured(1).toInt();
    const int last = match.captured(2).isEmpty() ? first : match.captured(2).toInt();
    if (first < 1 || last < first || last > count)
        return std::nullopt;
    QList<int> sheets;
    for (int number = first; number <= last; ++number)
        sheets.append(number - 1);
    return sheets;
}

} // namespace

std::optional<QList<int>> parseSheetList(const QString &list, int tilesWide, int tilesHigh)
{
    QList<int> sheets;
    for (const QString &item : list.split(u',')) {
        const std::optional<QList<int>> named = sheetsOfItem(item.trimmed(), tilesWide, tilesHigh);
        if (!named)
            return std::nullopt;
        sheets.append(*named);
    }
    std::sort(sheets.begin(), sheets.end());
    sheets.erase(std::unique(sheets.begin(), sheets.end()), sheets.end());
    return sheets;
}

QString cupsPageRanges(const QList<int> &pages)
{
    QStringList ranges;
    for (qsizetype i = 0; i < pages.size();) {
        qsizetype end = i;
        while (end + 1 < pages.size() && pages[end + 1] == pages[end] + 1)
            ++end;
        ranges.append(end == i ? QString::number(pages[i]) : QStringLiteral("%1-%2").arg(pages[i]).arg(pages[end]));
        i = end + 1;
    }
    return ranges.join(u',');
}
