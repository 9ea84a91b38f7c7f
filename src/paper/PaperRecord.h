#pragma once

#include "paper/PaperCatalogue.h"
#include "common/Units.h"

#include <QString>

#include <optional>

// The one-line text in which the chosen paper is stored between runs:
// "|unit|name|width|height|4 default margins|4 current margins|", every number in the
// paper's unit written as classic number text (".5", "12", "8.5").
QString paperRecordText(Units units, const PaperEntry &entry);

// The fields of a record as far as reading uses them. Width and height only matter for
// the custom paper, so a piece that is not a number leaves them empty instead of
// failing the record; the stored default margins are never read back.
struct PaperRecordFields
{
    Units units = Units::Inches;
    QString name;
    std::optional<double> width;
    std::optional<double> height;
    MarginArray margins{};
};

// Splits a record into its fields. Nothing when a piece is missing (the trailing bar may
// be), the unit code is not 0 or 1, or a current margin is not a number.
std::optional<PaperRecordFields> readPaperRecord(const QString &record);
