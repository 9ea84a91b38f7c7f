#include "calibration/ProfileLine.h"

#include "common/NumberFormat.h"
#include "prefs/TwoDigitField.h"

#include <QStringDecoder>

#include <cmath>
#include <optional>

namespace {

// The indexes stand at fixed places after the tab: characters 1-2, 4-5, 7-8 and 10-11,
// each followed by a comma.
constexpr std::array<qsizetype, 4> kIndexOffsets{1, 4, 7, 10};
constexpr qsizetype kIndexesLength = 12;

} // namespace

ProfileLineParse ParseProfileLine(const QString &line)
{
    ProfileLineParse result;
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0)
        return result;

    result.profile.name = line.left(tab);
    bool allInRange = true;
    for (std::size_t edge = 0; edge < kIndexOffsets.size(); ++edge) {
        // A leading blank or zero is allowed; only the integer part counts.
        const std::optional<double> value = parseDecimalText(line.mid(tab + kIndexOffsets[edge], 2));
        if (!value) {
            result.outcome = ProfileLineParse::Outcome::Failed;
            return result;
        }
        const double whole = std::trunc(*value);
        if (whole < 0 || whole > kMaxTrimIndex)
            allInRange = false;
        else
            result.profile.trimIndex[edge] = static_cast<int>(whole);
    }
    result.outcome = allInRange ? ProfileLineParse::Outcome::Parsed : ProfileLineParse::Outcome::Skipped;
    result.textLeftOver = !line.mid(tab + 1 + kIndexesLength).trimmed().isEmpty();
    return result;
}

QByteArray formatProfileLine(const EdgeProfile &profile)
{
    QString line = profile.name + u'\t';
    for (const int index : profile.trimIndex)
        line += twoDigitField(index) + u',';
    return line.toUtf8() + "\r\n";
}

namespace {

// Windows-1252's characters for the bytes 0x80 to 0x9F, where it differs from Latin-1; the
// five bytes it leaves undefined keep their Latin-1 meaning.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = (byte >= 0x80 && byte <= 0x9F) ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

} // namespace

QList<QByteArray> splitProfileLines(const QByteArray &content)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n')
            continue;
        lines.append(content.mid(start, i - start));
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < content.size())
        lines.append(content.mid(start));
    return lines;
}

QString decodeProfileLine(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = fromWindows1252(bytes);
    return text;
}
