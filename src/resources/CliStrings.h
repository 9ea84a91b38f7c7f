#pragma once

#include "common/TranslatableText.h"

#include <QCoreApplication>
#include <QString>

// Texts of the command-line front: its help, what it says about wrong options and the
// few messages the windows have no counterpart for. Everything else it prints comes from
// the string tables of the windows, so both fronts say the same things.
namespace CliStrings {

inline const QString kProgramName = QStringLiteral("quiltera-cli");
inline TranslatableText kDescription{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Cuts one photograph into poster tiles, one image file per sheet, without any window.\n"
    "Options not given take the values the Quiltera window starts with; options given apply\n"
    "to this run only and are never stored.")};

// Help texts of the arguments.
inline const QString kImageArgument = QStringLiteral("IMAGE");
inline TranslatableText kImageHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "The picture to cut: a BMP, JPEG, TIFF, PNG, WebP or HEIF file (.bmp, .jpg, .jpeg, .tif, "
                   ".tiff, .png, .webp, .heic, .heif, .avif in any case).")};
inline TranslatableText kTilesHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Tiles wide and high, 1 to 25 each, e.g. 4x3.")};
inline TranslatableText kUnitsHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Unit of paper and margins: in or mm.")};
inline TranslatableText kPaperHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Paper by its exact catalogue name (see --list-papers).")};
inline TranslatableText kCustomPaperHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Custom paper of the current unit, width x height, e.g. 13x19.")};
inline TranslatableText kMarginsHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Margins top,right,bottom,left in the current unit.")};
inline TranslatableText kRotateImageHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Turn the image clockwise: 0, 90, 180 or 270.")};
inline TranslatableText kRotateTilesHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Print every tile turned by a quarter turn.")};
inline TranslatableText kZoomHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Zoom in percent, 0 to 400.")};
inline TranslatableText kFitHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "How the picture meets the sheets: fill (cut to the sheets' shape, the default) or "
                   "whole (all of the picture, blank paper where it does not reach).")};
inline TranslatableText kPosterWidthHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Size the poster by its width, e.g. 1m, 90cm or 36in (a bare number is in the current "
                   "unit): the fewest tiles that hold the whole picture that wide, with --fit whole.")};
inline TranslatableText kPosterHeightHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Size the poster by its height, as --poster-width does by its width.")};
inline TranslatableText kPlacementHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Grid placement horizontal,vertical, 0 to 200 each, 100 centred.")};
inline TranslatableText kAdjustEdgesHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Compensate printer edge clipping with the named profile (see --list-profiles).")};
inline TranslatableText kFormatHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Tile file format: bmp, tif or jpg (default: the image's own), or pdf for one PDF poster "
                   "of every sheet with assembly aids.")};
inline TranslatableText kGlueStripHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "PDF: width of the glue strip in the paper's unit (default 10 mm or 0.4 inch, or the margin "
                   "when smaller); 0 for none.")};
inline TranslatableText kPrintHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Print the PDF poster at 100 percent on the default CUPS queue, or on the one "
                   "--print-queue names (--print=QUEUE says both at once). Implies --format pdf.")};
inline TranslatableText kPrintQueueHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "The CUPS queue to print on; implies --print.")};
inline TranslatableText kNoCutMarksHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "PDF: no cut marks.")};
inline TranslatableText kNoLabelsHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "PDF: no sheet labels.")};
inline TranslatableText kAllowClippingHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Print even where the printer cannot print as close to the paper's edge as the "
                   "margins ask.")};
inline QString printerClipsRefusedText(const QString &edges)
{
    return QCoreApplication::translate("CliStrings", "The printer cannot print as close to the paper's edge as the margins ask: %1. "
                                       "Those parts of the sheets would not be printed; --allow-clipping prints anyway.")
        .arg(edges);
}
inline TranslatableText kSheetsHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "PDF and printing: only these sheets, by label, number or range (A2,B1 or 3-4), "
                   "without the assembly page, to make or print again.")};
inline TranslatableText kPageHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "The page of a PDF file that becomes the poster, from 1 (the first page when not given).")};
inline TranslatableText kBadPage{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--page needs a whole number from 1")};
inline TranslatableText kResolutionHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "A page of a PDF or SVG file is drawn at this many dots per inch of the printed poster, 10 to 2400 (300 when not given).")};
inline TranslatableText kBadResolution{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--resolution needs a whole number from 10 to 2400")};
inline const QString kDpiValue = QStringLiteral("DPI");
inline TranslatableText kCopiesHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Printing: this many copies of every sheet, 1 to 99.")};
inline TranslatableText kBadCopies{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--copies needs a whole number from 1 to 99")};
inline TranslatableText kSheetsNeedPdf{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--sheets goes with --format pdf or --print")};
inline TranslatableText kBadSheets{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--sheets names a sheet this poster does not have, or is not a list such as A2,B1 or 3-4")};
inline const QString kListValue = QStringLiteral("LIST");
inline const QString kCountValue = QStringLiteral("N");
inline TranslatableText kNoAssemblyPageHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "PDF: no assembly page.")};
inline const QString kLengthValue = QStringLiteral("LENGTH");
inline const QString kFitValue = QStringLiteral("fill|whole");
inline TranslatableText kBadFit{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--fit needs fill or whole")};
inline TranslatableText kBadPosterLength{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--poster-width and --poster-height need a length above 0, with mm, cm, m or in or none")};
inline TranslatableText kPosterWidthAndHeight{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--poster-width and --poster-height each size the poster: give only one")};
inline TranslatableText kBadGlueStrip{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--glue-strip needs a length of 0 or more")};
inline TranslatableText kOutHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "The new folder for the tiles; its parent must exist (default: beside the image).")};
inline TranslatableText kBaseHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Base name of the tile files (default: the image's name and _).")};
inline TranslatableText kOverwriteHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Write into the folder even when it exists already.")};
inline TranslatableText kReportHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Write nothing: print the poster report and every tile rectangle.")};
inline TranslatableText kJsonHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Print the report (and the written files) as one JSON object.")};
inline TranslatableText kListPapersHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Print the paper catalogue names and exit.")};
inline TranslatableText kListProfilesHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Print the edge calibration profile names and exit.")};
inline TranslatableText kVersionHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Print the version and exit.")};
inline TranslatableText kHelpHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Print this help and exit.")};

// Value names shown in the help.
inline const QString kSizeValue = QStringLiteral("WxH");
inline const QString kUnitsValue = QStringLiteral("in|mm");
inline const QString kNameValue = QStringLiteral("NAME");
inline const QString kMarginsValue = QStringLiteral("T,R,B,L");
inline const QString kRotationValue = QStringLiteral("0|90|180|270");
inline const QString kZoomValue = QStringLiteral("0..400");
inline const QString kPlacementValue = QStringLiteral("H,V");
inline const QString kFormatValue = QStringLiteral("bmp|tif|jpg|pdf");
inline const QString kDirValue = QStringLiteral("DIR");

// Usage errors: what was wrong, then where to look.
// Follows the message of an option whose value is wrong.
inline TranslatableText kNotGivenValue{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", ", not \"%1\"")};
inline TranslatableText kTryHelp{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Try 'quiltera-cli --help'.")};
inline TranslatableText kNoImage{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "No IMAGE given.")};
inline TranslatableText kTooManyImages{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Only one IMAGE can be cut at a time.")};
inline TranslatableText kBadTiles{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--tiles needs two whole numbers from 1 to 25, such as 4x3")};
inline TranslatableText kBadUnits{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--units needs in or mm")};
inline TranslatableText kBadCustomPaper{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--custom-paper needs a width and a height, such as 13x19")};
inline TranslatableText kBadMargins{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--margins needs four numbers: top,right,bottom,left")};
inline TranslatableText kBadRotation{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--rotate-image needs 0, 90, 180 or 270")};
inline TranslatableText kBadZoom{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--zoom needs a whole number from 0 to 400")};
inline TranslatableText kBadPlacement{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--placement needs two whole numbers from 0 to 200, horizontal,vertical, such as 100,100")};
inline TranslatableText kBadFormat{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--format needs bmp, tif, jpg or pdf")};
inline TranslatableText kEmptyOut{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--out needs the path of a folder to create")};
inline TranslatableText kRootOut{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--out must name a new folder, not the root of the file system")};
inline TranslatableText kUnknownPaper{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "No paper of that name in the catalogue (see --list-papers):")};
inline TranslatableText kPaperNotInUnits{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "That paper is not in the catalogue of the unit chosen:")};
inline TranslatableText kPaperAndCustom{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "--paper and --custom-paper each choose the paper: give only one")};
inline TranslatableText kUnknownProfile{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "No edge calibration profile of that name (see --list-profiles):")};
inline TranslatableText kBadPaperValues{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "The paper or margins given cannot be used:")};

// Messages of a run that cannot go on.
inline TranslatableText kImageNotLoadedTitle{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Error")};
inline TranslatableText kImageNotLoaded{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "The image could not be loaded")};
inline TranslatableText kUnloadableEnding{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "only files whose names end in .bmp, .jpg, .jpeg, .tif, .tiff, .png, .webp, .heic, .heif or .avif can be loaded")};
inline TranslatableText kFormatNeeded{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "a PNG or WebP picture has no tile format of its own: give --format bmp, tif, jpg or pdf")};
inline TranslatableText kFolderExistsRefused{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Nothing was written.  Add --overwrite to write into the existing folder.")};

// Report labels that the window has no text for.
inline TranslatableText kTilesLabel{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Tiles")};
inline TranslatableText kLeftOut{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "(left out)")};
inline TranslatableText kTileLabel{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Tile")};
inline TranslatableText kTilePixelsPerInchLabel{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "Tile pixels per inch")};
inline TranslatableText kResolutionTagLabel{"CliStrings", QT_TRANSLATE_NOOP("CliStrings", "resolution tag")};

} // namespace CliStrings
