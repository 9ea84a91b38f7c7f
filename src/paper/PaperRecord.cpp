#include "paper/PaperRecord.h"

#include "common/NumberFormat.h"

#include <QStringList>

namespace {

const QChar kSeparator = QLatin1Char('|');

// Piece numbers of the record split at its bars; piece 0 is the text before the
// leading bar.
enum RecordPiece : int {
    kUnitPiece = 1,
    kNamePiece = 2,
    kWidthPiece = 3,
    kHeightPiece = 4,
    kFirstMarginPiece = 9,
    kLastMarginPiece = 12,
};

} // namespace

QString paperRecordText(Units units, const PaperEntry &entry)
{
    QString record = kSeparator + QString::number(unitsCode(units)) + kSeparator + entry.name + kSeparator;
    const auto append = [&record](double value) { record += basicNumberText(value) + kSeparator; };
    append(entry.width);
    append(entry.height);
    for (double margin : entry.defaultMargins)
        append(margin);
    for (double margin : entry.margins)
        append(margin);
    return record;
}

std::optional<PaperRecordFields> readPaperRecord(const QString &record)
{
    const QStringList pieces = record.split(kSeparator);
    if (pieces.size() <= kLastMarginPiece)
        return std::nullopt;

    const std::optional<int> unitCode = parseWholeNumber(pieces[kUnitPiece]);
    if (!unitCode || (*unitCode != 0 && *unitCode != 1))
        return std::nullopt;

    PaperRecordFields fields;
    fields.units = unitsFromCode(*unitCode);
    fields.name = pieces[kNamePiece];
    fields.width = parseDecimalText(pieces[kWidthPiece]);
    fields.height = parseDecimalText(pieces[kHeightPiece]);
    for (int edge = 0; edge < 4; ++edge) {
        const std::optional<double> margin = parseDecimalText(pieces[kFirstMarginPiece + edge]);
        if (!margin)
            return std::nullopt;
        fields.margins[edge] = *margin;
    }
    return fields;
}
