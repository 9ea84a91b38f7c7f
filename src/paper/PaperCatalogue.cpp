#include "paper/PaperCatalogue.h"

#include "common/NumberFormat.h"
#include "resources/PaperStrings.h"

namespace {

// "Photo 4" x 6"": the inch mark is a plain double quote.
QString inchPaperName(const QString &label, double first, double second)
{
    const QString inchMark = QStringLiteral("\"");
    return label + QLatin1Char(' ') + basicNumberText(first) + inchMark + QStringLiteral(" x ")
           + basicNumberText(second) + inchMark;
}

} // namespace

PaperCatalogue::PaperCatalogue()
    : m_inchRows(kInchRowCount)
    , m_millimetreRows(kMillimetreRowCount)
{
    BuildPaperCatalogue();
}

void PaperCatalogue::BuildPaperCatalogue()
{
    using namespace PaperStrings;

    m_inchRows.assign(kInchRowCount, PaperEntry{});
    m_millimetreRows.assign(kMillimetreRowCount, PaperEntry{});

    // The two smallest photo sizes are stored landscape although their names read
    // portrait; the borderless 4 x 6 photo is the program's default paper.
    const auto addInches = [this](const QString &name, double width, double height, double margin) {
        AddPaper(Units::Inches, name, width, height, margin, margin, margin, margin);
    };
    addInches(inchPaperName(kPhotoLabel, 4, 6), 6, 4, 0);
    addInches(inchPaperName(kPhotoLabel, 5, 7), 7, 5, 0.5);
    addInches(inchPaperName(kPhotoLabel, 8, 10), 8, 10, 0.5);
    addInches(inchPaperName(kLetterLabel, 8.5, 11), 8.5, 11, 0.5);
    addInches(inchPaperName(kLegalLabel, 8.5, 14), 8.5, 14, 0.5);
    addInches(inchPaperName(kCanvasLabel, 11, 17), 11, 17, 0.5);
    addInches(kCustomLabel + kCustomInchesSuffix, 4, 6, 0.5);

    // A8 to A6 are stored landscape, A5 and larger portrait.
    constexpr double kMillimetreMargin = 12;
    const auto addMillimetres = [this](const QString &name, double width, double height) {
        AddPaper(Units::Millimetres, name, width, height, kMillimetreMargin, kMillimetreMargin,
                 kMillimetreMargin, kMillimetreMargin);
    };
    addMillimetres(kPaperA8, 74, 53);
    addMillimetres(kPaperA7, 105, 74);
    addMillimetres(kPaperA6, 148, 105);
    addMillimetres(kPaperA5, 148, 210);
    addMillimetres(kPaperA4, 210, 297);
    addMillimetres(kPaperA3, 297, 420);
    addMillimetres(kPaperA2, 420, 594);
    addMillimetres(kCustomLabel + kCustomMillimetresSuffix, 148, 210);
}

bool PaperCatalogue::AddPaper(Units units, const QString &name, double width, double height,
                              double top, double right, double bottom, double left)
{
    for (PaperEntry &entry : catalogue(units)) {
        if (!entry.isFree())
            continue;
        entry.name = name;
        entry.width = width;
        entry.height = height;
        entry.defaultMargins = {top, right, bottom, left};
        entry.margins = entry.defaultMargins;
        return true;
    }
    return false;
}

int PaperCatalogue::FindPaperByName(Units units, const QString &name) const
{
    if (name.isEmpty())
        return -1;
    const std::vector<PaperEntry> &entries = rows(units);
    for (int index = 0; index < int(entries.size()); ++index) {
        if (entries[index].name == name)
            return index;
    }
    return -1;
}

const std::vector<PaperEntry> &PaperCatalogue::rows(Units units) const
{
    return units == Units::Inches ? m_inchRows : m_millimetreRows;
}

std::vector<PaperEntry> &PaperCatalogue::catalogue(Units units)
{
    return units == Units::Inches ? m_inchRows : m_millimetreRows;
}

int PaperCatalogue::rowCount(Units units) const
{
    return int(rows(units).size());
}

bool PaperCatalogue::isValidRow(Units units, int index) const
{
    return index >= 0 && index < rowCount(units);
}

const PaperEntry &PaperCatalogue::row(Units units, int index) const
{
    return rows(units).at(std::size_t(index));
}

PaperEntry &PaperCatalogue::row(Units units, int index)
{
    return catalogue(units).at(std::size_t(index));
}

bool PaperCatalogue::isCustomRow(Units units, int index) const
{
    return index == customRow(units);
}

int PaperCatalogue::customRow(Units units) const
{
    return rowCount(units) - 1;
}
