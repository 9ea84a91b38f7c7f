#include "output/PrintDialogChoices.h"

#include "resources/PosterStrings.h"

QString printPageGuide(int tilesWide, int tilesHigh, bool assemblyPage)
{
    QStringList lines{PosterStrings::kPageGuideIntro};
    if (assemblyPage)
        lines.append(PosterStrings::kAssemblyPageIsFirst);
    const int firstSheetPage = assemblyPage ? 2 : 1;
    for (int row = 0; row < tilesHigh; ++row) {
        const QString letter(QChar(u'A' + row));
        const int first = firstSheetPage + row * tilesWide;
        lines.append(tilesWide == 1 ? PosterStrings::sheetIsPageText(letter + u'1', first)
                                    : PosterStrings::rowOfSheetsText(letter + u'1', letter + QString::number(tilesWide),
                                                                     first, first + tilesWide - 1));
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
