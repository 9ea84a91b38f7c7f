#include "paper/PaperSelection.h"

#include "paper/PaperLimits.h"
#include "paper/PaperRecord.h"

#include <algorithm>
#include <cmath>

PaperSelection::PaperSelection()
{
    initPaperSizes();
}

void PaperSelection::initPaperSizes()
{
    m_units = Units::Inches;
    m_inchRow = 0;
    m_millimetreRow = 0;
    m_catalogue.BuildPaperCatalogue();
}

bool PaperSelection::setPrefFromRegLine(const QString &record)
{
    const std::optional<PaperRecordFields> fields = readPaperRecord(record);
    const int row = fields ? m_catalogue.FindPaperByName(fields->units, fields->name) : -1;
    const std::optional<PaperEntry> entry = row < 0 ? std::nullopt : entryFromRecord(*fields, row);
    if (!entry) {
        initPaperSizes();
        return false;
    }
    m_catalogue.row(fields->units, row) = *entry;
    m_units = fields->units;
    selectRow(fields->units, row);
    return true;
}

std::optional<PaperEntry> PaperSelection::entryFromRecord(const PaperRecordFields &fields, int row) const
{
    // Only the custom paper's size is taken from the record; every other paper keeps
    // its catalogue size, and the defaults always come from the catalogue.
    PaperEntry entry = m_catalogue.row(fields.units, row);
    if (m_catalogue.isCustomRow(fields.units, row)) {
        if (!fields.width || !fields.height)
            return std::nullopt;
        entry.width = *fields.width;
        entry.height = *fields.height;
    }
    entry.margins = fields.margins;

    // A negative margin would make the tile larger than its own sheet; the dialog never
    // writes one, so such a record is damaged.
    const bool marginsValid = std::all_of(entry.margins.begin(), entry.margins.end(),
                                          [](double margin) { return margin >= 0; });
    if (!marginsValid || !isTileSideWithinLimits(entry.tileWidth(), fields.units)
        || !isTileSideWithinLimits(entry.tileHeight(), fields.units))
        return std::nullopt;
    return entry;
}

QString PaperSelection::BuildPaperRegLine() const
{
    return paperRecordText(m_units, selectedEntry());
}

PaperValues PaperSelection::getWhuValues() const
{
    const PaperEntry &entry = selectedEntry();
    return PaperValues{entry.tileWidth(), entry.tileHeight(), entry.width, entry.height, m_units, entry.name};
}

int PaperSelection::selectedRow(Units units) const
{
    return units == Units::Inches ? m_inchRow : m_millimetreRow;
}

bool PaperSelection::selectRow(Units units, int index)
{
    if (!m_catalogue.isValidRow(units, index))
        return false;
    (units == Units::Inches ? m_inchRow : m_millimetreRow) = index;
    return true;
}

const PaperEntry &PaperSelection::selectedEntry() const
{
    return m_catalogue.row(m_units, selectedRow(m_units));
}

PaperEntry &PaperSelection::selectedEntryForEdit()
{
    return m_catalogue.row(m_units, selectedRow(m_units));
}

bool PaperSelection::isCustomSelected() const
{
    return m_catalogue.isCustomRow(m_units, selectedRow(m_units));
}

bool PaperSelection::setSelectedMargins(const MarginArray &margins)
{
    if (!std::all_of(margins.begin(), margins.end(), [](double margin) { return std::isfinite(margin); }))
        return false;
    selectedEntryForEdit().margins = margins;
    return true;
}

bool PaperSelection::setSelectedPaperSize(double width, double height)
{
    if (!isCustomSelected() || !std::isfinite(width) || !std::isfinite(height))
        return false;
    PaperEntry &entry = selectedEntryForEdit();
    entry.width = width;
    entry.height = height;
    return true;
}

PaperInputResult PaperSelection::ValidateAndStore(const PaperInputTexts &texts)
{
    const PaperInputResult result = validatePaperInput(texts, m_units, isCustomSelected());
    if (result.status != kPaperInputValid)
        return result;
    if (isCustomSelected())
        setSelectedPaperSize(result.width, result.height);
    setSelectedMargins(result.margins);
    return result;
}
