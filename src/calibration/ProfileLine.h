#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// One edge calibration profile: how much a printer cuts off each edge, as trim indexes
// in sixty-fourths of an inch, in the order top, right, bottom, left.
struct EdgeProfile
{
    QString name; // shown in the lists; not unique, never holds a tab
    std::array<int, 4> trimIndex{};

    bool operator==(const EdgeProfile &) const = default;
};

inline constexpr int kMaxTrimIndex = 16;
inline constexpr double kTrimStepsPerInch = 64.0;

// One line of the profile file: the name, a tab, then each index as two digits
// followed by a comma ("Kodak photo lab default\t03,04,03,02,").
struct ProfileLineParse
{
    enum class Outcome {
        Parsed,  // `profile` holds the line's profile
        Skipped, // no tab, or an index outside 0 to 16: the line is left out
        Failed,  // an index text that is not a number: the whole file fails to read
    };
    Outcome outcome = Outcome::Skipped;
    EdgeProfile profile;
    // Text after the profile's four indexes and comma other than blanks, such as the next
    // profile when a line break was lost: the file holds more than the table takes.
    bool textLeftOver = false;
};

// Parses one line without its line end.
ProfileLineParse ParseProfileLine(const QString &line);

// The line of one profile, ending in CR LF, encoded as UTF-8.
QByteArray formatProfileLine(const EdgeProfile &profile);

// The file's lines without their ends; CR LF, CR and LF all end a line, as editors on any
// system write them.
QList<QByteArray> splitProfileLines(const QByteArray &content);

// Decodes one line of the file: UTF-8, or Windows-1252 for files written in the legacy
// single-byte code page, whose euro sign, quotes and dashes Latin-1 would turn into
// control characters.
QString decodeProfileLine(const QByteArray &bytes);
