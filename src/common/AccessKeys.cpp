#include "common/AccessKeys.h"

#include <QSet>

#include <algorithm>
#include <vector>

namespace {

constexpr QChar kMark = QLatin1Char('&');

bool startsWord(const QString &caption, qsizetype at)
{
    return at == 0 || !caption.at(at - 1).isLetterOrNumber();
}

qsizetype distinctKeys(const QString &caption)
{
    QSet<QChar> keys;
    for (const QChar c : caption) {
        if (c.isLetterOrNumber())
            keys.insert(c.toLower());
    }
    return keys.size();
}

// Where the caption's key goes, or -1 when every letter is taken.
qsizetype chooseKey(const QString &caption, const QSet<QChar> &taken)
{
    const auto isFree = [&](qsizetype at) {
        return caption.at(at).isLetterOrNumber() && !taken.contains(caption.at(at).toLower());
    };
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (startsWord(caption, at) && isFree(at))
            return at;
    }
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (isFree(at))
            return at;
    }
    return -1;
}

} // namespace

QChar accessKeyOf(const QString &caption)
{
    for (qsizetype at = 0; at + 1 < caption.size(); ++at) {
        if (caption.at(at) != kMark)
            continue;
        if (caption.at(at + 1) != kMark)
            return caption.at(at + 1).toLower();
        ++at;
    }
    return {};
}

QStringList withAccessKeys(const QStringList &captions)
{
    QSet<QChar> taken;
    std::vector<qsizetype> unmarked;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (captions[i].contains(kMark)) {
            if (const QChar key = accessKeyOf(captions[i]); !key.isNull())
                taken.insert(key);
        } else {
            unmarked.push_back(i);
        }
    }
    std::stable_sort(unmarked.begin(), unmarked.end(), [&](qsizetype a, qsizetype b) {
        return distinctKeys(captions[a]) < distinctKeys(captions[b]);
    });
    QStringList marked = captions;
    for (const qsizetype i : unmarked) {
        const qsizetype at = chooseKey(captions[i], taken);
        if (at < 0)
            continue;
        taken.insert(captions[i].at(at).toLower());
        marked[i].insert(at, kMark);
    }
    return marked;
}

QString withoutAccessKey(const QString &caption)
{
    QString words;
    words.reserve(caption.size());
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption.at(at) == kMark && at + 1 < caption.size())
            ++at;
        words += caption.at(at);
    }
    return words;
}
