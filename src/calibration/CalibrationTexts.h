#pragma once

#include "common/Units.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

// The texts of the edge calibration dialog and the test target flow that are built from
// numbers, the length unit or names. Numbers follow the given locale.

// The 17 items of each edge list; an item's position is the edge's trim index:
// "See all 4 lines", "See 3.75 lines" ... "See 0.25 lines", "See no lines".
QStringList edgeListItems(const QLocale &locale = QLocale());

// A clipped amount given in sixty-fourths of an inch, with a blank on each side:
// " 1/32 inches " (the fraction reduced) or " 0.8 mm ".
QString FormatClipAmount(int sixtyFourths, Units units, const QLocale &locale = QLocale());

// What the printer clips at one edge: "None of the image is clipped" for index 0, else
// "Printer cuts off 1/32 inches of image".
QString describeEdge(int trimIndex, Units units, const QLocale &locale = QLocale());
// The same for four edges in the order top, right, bottom, left.
std::array<QString, 4> trimDescriptions(const std::array<int, 4> &trimIndexes, Units units,
                                     const QLocale &locale = QLocale());

// The step-1 description with its stripe width in the unit's wording ("1/16 inch" or
// "1.59 mm"); switching back and forth restores the text exactly.
QString step1Description(const QString &caption, Units units);

// The announcement before a test target of the given tile print size is built.
QString testTargetAnnouncement(double heightInches, double widthInches, Units units,
                               const QLocale &locale = QLocale());
// The message after the test target was saved at path.
QString testTargetSavedMessage(const QString &path);
// The message for a tile print size outside the limits. printInfoCaption is the caption
// of the main window's print size frame, which the message points the user to.
QString invalidPrintSizeMessage(const QString &printInfoCaption, const QLocale &locale = QLocale());
// The question before an existing file is replaced by the test target.
QString replaceFileQuestion(const QString &path);

// The question before a profile is deleted.
QString deleteProfileQuestion(const QString &profileName);
