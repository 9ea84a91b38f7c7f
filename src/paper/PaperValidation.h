#pragma once

#include "paper/PaperCatalogue.h"
#include "common/Units.h"

#include <QString>

#include <array>

// The texts of the paper dialog's size and margin boxes, margins top, right, bottom, left.
struct PaperInputTexts
{
    QString width;
    QString height;
    std::array<QString, 4> margins;
};

// Outcome of checking a paper size alone.
enum PaperSizeCheck : int {
    kPaperSizeReadable = 1,
    kPaperSizeUnreadable = -1,
    kPaperSizeBelowMinimum = -2,
};

// Outcome of checking the whole dialog input; the first failing check decides.
enum PaperInputStatus : int {
    kPaperInputValid = 1,
    kPaperSizeInvalid = -10,
    kPaperMarginsInvalid = -20,
};

struct PaperSizeResult
{
    PaperSizeCheck check = kPaperSizeReadable;
    QString message;
    double width = 0;
    double height = 0;
};

// The size read on the way is kept, so callers need not read it again.
struct MarginResult
{
    bool valid = true;
    QString message;
    double width = 0;
    double height = 0;
    MarginArray margins{};
};

// The checked values are set only when the status is kPaperInputValid.
struct PaperInputResult
{
    PaperInputStatus status = kPaperInputValid;
    QString message;
    double width = 0;
    double height = 0;
    MarginArray margins{};
};

// The typed size must be two numbers no smaller than the custom paper minimum.
PaperSizeResult CheckPaperSizeText(const QString &widthText, const QString &heightText, Units units);

// The size first, then each margin a number not below zero, then the margins of each
// pair leaving some paper between them.
MarginResult CheckMarginText(const PaperInputTexts &texts, Units units);

// Every check the paper dialog makes before it stores values into a paper: the typed size
// (custom paper only), the margins, then sheet and tile against the tile limits.
PaperInputResult validatePaperInput(const PaperInputTexts &texts, Units units, bool customPaper);
