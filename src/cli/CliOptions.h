#pragma once

#include "imaging/ImageFileType.h"
#include "common/Units.h"
#include "layout/LayoutState.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// What the command line asks for. Every value is optional: one not given keeps what the
// window would start with.
inline constexpr int kMaxCopies = 99;

struct CliOptions
{
    QString imagePath;

    std::optional<int> tilesWide; // 1 to 25
    std::optional<int> tilesHigh;
    std::optional<Units> units;
    std::optional<QString> paperName;
    std::optional<std::array<QString, 2>> customPaperSize; // width and height as typed
    std::optional<std::array<QString, 4>> margins;         // top, right, bottom, left as typed
    std::optional<int> imageRotation;                      // 0, 90, 180, 270
    // --page N: the page of a PDF file; --resolution DPI: what a page is drawn at.
    std::optional<int> page;
    std::optional<int> pageResolution;
    bool rotateTiles = false;
    std::optional<int> zoom; // 0 to 400
    std::optional<FitMode> fit;
    // --poster-width or --poster-height as typed; read once the unit is known.
    std::optional<QString> posterWidth;
    std::optional<QString> posterHeight;
    std::optional<int> horizontalPlacement;
    std::optional<int> verticalPlacement;
    std::optional<QString> adjustEdgesProfile;

    std::optional<ImageFileType> format;
    // --format pdf: one PDF poster with these assembly aids.
    bool pdf = false;
    std::optional<double> glueStrip; // in the paper's unit; 0 for none
    bool noCutMarks = false;
    bool noLabels = false;
    bool noAssemblyPage = false;
    // --print, --print-queue QUEUE: send the PDF poster to this CUPS queue; empty for the
    // default queue.
    std::optional<QString> printQueue;
    // --allow-clipping: print even where the printer cannot reach the poster's margins.
    bool allowClipping = false;
    // --sheets LIST: only these sheets of the PDF poster (SheetSelection.h), to make or
    // print again; checked against the poster once its layout is known.
    std::optional<QString> sheets;
    // --copies N: copies of every printed sheet.
    int copies = 1;
    std::optional<QString> outFolder;
    std::optional<QString> baseName;
    bool overwrite = false;

    bool report = false;
    bool json = false;
    bool listPapers = false;
    bool listProfiles = false;
    bool version = false;
    bool help = false;
};

struct CliParseResult
{
    CliOptions options;
    QString usageError; // empty when the command line is usable
    QString helpText;   // the full --help text, whatever the outcome

    bool ok() const { return usageError.isEmpty(); }
};

// Reads the arguments, the program's name first. Checks every value's form and range;
// names of papers and profiles are checked later against the catalogue and the file.
CliParseResult parseCommandLine(const QStringList &arguments);
