#pragma once

#include <QString>
#include <QStringList>

// Access keys (the underlined letter that Alt plus the letter presses) for the captions of
// one window or one menu, each caption keeping its words: Qt marks the key with an '&'
// put in front of it.

// The captions with a key each, no two alike. A caption already holding an '&' is kept
// and its key is taken first. The others choose in turn, those with the fewest letters
// first, so that short captions are not left without a key: the first letter of a word
// when one is free, else any free letter or digit ("E&xit" beside "&Edit"), else none.
QStringList withAccessKeys(const QStringList &captions);

// The key a marked caption carries, in lower case, or a null character.
QChar accessKeyOf(const QString &caption);

// The words a caption shows: its access key mark taken out, a doubled '&' read as one.
QString withoutAccessKey(const QString &caption);
