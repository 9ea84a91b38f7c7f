#pragma once

#include "layout/LayoutState.h"
#include "layout/OutputReport.h"
#include "layout/TileCoordinates.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// Everything the command line tells about a poster before (or instead of) saving it:
// the grid, every tile rectangle, the window's report texts and the density of the tiles.
struct PosterReport
{
    int tilesWide = 0;
    int tilesHigh = 0;
    TileCoords coords;
    OutputReport texts;
    double pixelsPerInch = 0.0;
    std::int32_t resolutionTag = 0;
    FitMode fit = FitMode::FillSheets;
    std::vector<bool> leftOut; // each tile's: a sheet a picture kept whole leaves blank
    bool drawnFromVectors = false; // a page of a PDF or SVG file, not a picture's pixels
};

struct PosterReportResult
{
    std::optional<PosterReport> report;
    QString errorTitle; // the window's message when the layout cannot be cut
    QString errorText;
};

// The report of a layout with its image. Numbers are written with "." whatever the
// user's locale, so scripts can read them.
PosterReportResult makePosterReport(const LayoutState &layout);

// One "label: value" line per report text, then one line per tile rectangle.
QString reportText(const PosterReport &report);

// The same as one JSON object; `files` (the written tiles) is added when given.
QJsonObject reportJson(const PosterReport &report, const std::optional<QStringList> &files = std::nullopt);
