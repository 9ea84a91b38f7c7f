#pragma once

#include "paper/PaperCatalogue.h"
#include "paper/PaperRecord.h"
#include "paper/PaperValidation.h"
#include "common/Units.h"

#include <QString>

#include <optional>

// What the main window takes from the chosen paper.
struct PaperValues
{
    double tileWidth = 0;
    double tileHeight = 0;
    double paperWidth = 0;
    double paperHeight = 0;
    Units units = Units::Inches;
    QString paperName;
};

// The paper dialog's state without its widgets: both catalogues, the current unit and
// one selected row per unit. Each row keeps the values stored into it for as long as the
// selection lives, so switching rows or units and back shows them again.
class PaperSelection
{
public:
    // Starts in the built-in state (see initPaperSizes).
    PaperSelection();

    // The built-in state: catalogues rebuilt, unit inches, row 0 selected in both units,
    // which is the borderless 4 x 6 photo paper.
    void initPaperSizes();

    // Reads a stored paper record and selects its paper. A record that is empty or
    // malformed, names no paper of its unit, has a negative margin or gives a tile
    // outside the tile limits restores the built-in state and returns false; nothing is
    // changed by a rejected record beyond that.
    bool setPrefFromRegLine(const QString &record);

    // The record of the selected paper of the current unit.
    QString BuildPaperRegLine() const;

    // Sizes, unit and name of the selected paper of the current unit.
    PaperValues getWhuValues() const;

    Units units() const { return m_units; }
    // Switches the unit; each unit keeps its own selected row and values are not converted.
    void setUnits(Units units) { m_units = units; }

    int selectedRow(Units units) const;
    // False, and nothing changes, for a row outside the unit's catalogue.
    bool selectRow(Units units, int index);

    const PaperCatalogue &catalogue() const { return m_catalogue; }
    // The selected paper of the current unit.
    const PaperEntry &selectedEntry() const;
    bool isCustomSelected() const;

    // Stores checked values into the selected paper of the current unit. Margins are in
    // the order top, right, bottom, left. Values that are not finite numbers are refused.
    bool setSelectedMargins(const MarginArray &margins);
    // Only the custom paper's size can be changed; false for any other paper.
    bool setSelectedPaperSize(double width, double height);

    // Checks the dialog's box texts for the selected paper and, when they pass, stores
    // them into it (the size only for the custom paper), so a paper only ever holds
    // values that passed every check.
    PaperInputResult ValidateAndStore(const PaperInputTexts &texts);

private:
    // The row as the record would leave it, or nothing when the record is not acceptable.
    std::optional<PaperEntry> entryFromRecord(const PaperRecordFields &fields, int row) const;
    PaperEntry &selectedEntryForEdit();

    PaperCatalogue m_catalogue;
    Units m_units = Units::Inches;
    int m_inchRow = 0;
    int m_millimetreRow = 0;
};
