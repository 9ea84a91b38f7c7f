#include "calibration/ProfileLine.h"

#include "common/NumberFormat.h"
#include "prefs/TwoDigitField.h"

#include <QStringDecoder>

#include <cmath>
#include <optional>

namespace {

// The indexes stand at fixed places after the tab: characters 1-2, 4-5, 7-8 and 10-11.
constexpr std::array<qsizetype, 4> kIndexOffsets{1, 4, 7, 10};

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
    return result;
}

QByteArray formatProfileLine(const EdgeProfile &profile)
{
    QString line = profile.name + u'\t';
    for (const int index : profile.trimIndex)
        line += twoDigitField(index) + u',';
    return line.toUtf8() + "\r\n";
}

QString decodeProfileLine(QByteArray bytes)
{
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}
