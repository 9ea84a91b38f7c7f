#include "output/PrintDialogChoices.h"

#include "resources/PosterStrings.h"

QString printPageGuide(int tilesWide, int tilesHigh, bool assemblyPage, const std::function<bool(int t)> &made)
{
    QStringList lines{PosterStrings::kPageGuideIntro};
    if (assemblyPage)
        lines.append(PosterStrings::kAssemblyPageIsFirst);
    int page = assemblyPage ? 2 : 1;
    for (int row = 0; row < tilesHigh; ++row) {
        const QString letter(QChar(u'A' + row));
        // Each run of sheets made one after another in the row; sheets left out have no page.
        for (int column = 0; column < tilesWide;) {
            if (!made(row * tilesWide + column)) {
                ++column;
                continue;
            }
            int end = column;
            while (end + 1 < tilesWide && made(row * tilesWide + end + 1))
                ++end;
            const int pages = end - column + 1;
            lines.append(pages == 1 ? PosterStrings::sheetIsPageText(letter + QString::number(column + 1), page)
                                    : PosterStrings::rowOfSheetsText(letter + QString::number(column + 1),
                                                                     letter + QString::number(end + 1), page,
                                                                     page + pages - 1));
            page += pages;
            column = end + 1;
        }
    }
    return lines.join(u'\n');
}

QString printChoicesThatBreakThePoster(const QStringList &cupsOptions, bool twoSided)
{
    bool breaks = twoSided;
    for (qsizetype i = 0; i + 1 < cupsOptions.size(); i += 2) {
        const QString &name = cupsOptions.at(i);
        const QString &value = cupsOptions.at(i + 1);
        // Two-sided printing can come as the IPP option or as a printer driver's own.
        breaks = breaks || (name == QLatin1String("number-up") && value.toInt() > 1)
            || (name == QLatin1String("sides") && value.startsWith(QLatin1String("two-sided")))
            || (name == QLatin1String("Duplex") && value != QLatin1String("None"));
    }
    return breaks ? QString(PosterStrings::kOnePagePerSheetOneSided) : QString();
}
