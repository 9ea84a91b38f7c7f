#pragma once

#include "common/Units.h"

#include <QString>

#include <array>
#include <vector>

// Index of each edge in every group of four per-edge values.
enum MarginEdge : int {
    kTopEdge = 0,
    kRightEdge = 1,
    kBottomEdge = 2,
    kLeftEdge = 3,
};

using MarginArray = std::array<double, 4>; // top, right, bottom, left

// One sheet of paper, every size in its catalogue's own unit.
struct PaperEntry
{
    QString name;
    double width = 0;
    double height = 0;
    MarginArray defaultMargins{};
    MarginArray margins{};

    // The printable tile: the sheet less its current margins.
    double tileWidth() const { return width - margins[kRightEdge] - margins[kLeftEdge]; }
    double tileHeight() const { return height - margins[kTopEdge] - margins[kBottomEdge]; }
    // A row without a name holds no paper yet.
    bool isFree() const { return name.isEmpty(); }
};

// The two built-in paper catalogues, one per unit, side by side. Each has a fixed number
// of rows; the last row of each is the custom paper whose size the user types.
class PaperCatalogue
{
public:
    static constexpr int kInchRowCount = 7;
    static constexpr int kMillimetreRowCount = 8;

    // Starts with both catalogues built.
    PaperCatalogue();

    // Empties both catalogues and fills them with the built-in papers, discarding every
    // edit: margins return to their defaults, the custom rows to their starting size.
    void BuildPaperCatalogue();

    // Writes a paper into the first free row of the unit's catalogue, the four margins
    // becoming both its defaults and its current margins. False when no row is free.
    bool AddPaper(Units units, const QString &name, double width, double height,
                  double top, double right, double bottom, double left);

    // The first row whose name equals the given one exactly (case-sensitive); -1 when
    // there is none. An empty name never matches: it marks a free row, not a paper.
    int FindPaperByName(Units units, const QString &name) const;

    const std::vector<PaperEntry> &rows(Units units) const;
    int rowCount(Units units) const;
    bool isValidRow(Units units, int index) const;
    // Rows out of range throw std::out_of_range; check with isValidRow first.
    const PaperEntry &row(Units units, int index) const;
    PaperEntry &row(Units units, int index);
    bool isCustomRow(Units units, int index) const;
    int customRow(Units units) const;

private:
    std::vector<PaperEntry> &catalogue(Units units);

    std::vector<PaperEntry> m_inchRows;
    std::vector<PaperEntry> m_millimetreRows;
};
