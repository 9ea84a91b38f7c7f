#pragma once

#include <QString>

// Texts of the command-line front: its help, what it says about wrong options and the
// few messages the windows have no counterpart for. Everything else it prints comes from
// the string tables of the windows, so both fronts say the same things.
namespace CliStrings {

inline const QString kProgramName = QStringLiteral("quiltera-cli");
inline const QString kDescription = QStringLiteral(
    "Cuts one photograph into poster tiles, one image file per sheet, without any window.\n"
    "Options not given take the values the Quiltera window starts with; options given apply\n"
    "to this run only and are never stored.");

// Help texts of the arguments.
inline const QString kImageArgument = QStringLiteral("IMAGE");
inline const QString kImageHelp =
    QStringLiteral("The picture to cut: a BMP, JPEG, TIFF, PNG or WebP file (.bmp, .jpg, .jpeg, .tif, .tiff, "
                   ".png, .webp in any case).");
inline const QString kTilesHelp = QStringLiteral("Tiles wide and high, 1 to 25 each, e.g. 4x3.");
inline const QString kUnitsHelp = QStringLiteral("Unit of paper and margins: in or mm.");
inline const QString kPaperHelp = QStringLiteral("Paper by its exact catalogue name (see --list-papers).");
inline const QString kCustomPaperHelp =
    QStringLiteral("Custom paper of the current unit, width x height, e.g. 13x19.");
inline const QString kMarginsHelp = QStringLiteral("Margins top,right,bottom,left in the current unit.");
inline const QString kRotateImageHelp = QStringLiteral("Turn the image clockwise: 0, 90, 180 or 270.");
inline const QString kRotateTilesHelp = QStringLiteral("Print every tile turned by a quarter turn.");
inline const QString kZoomHelp = QStringLiteral("Zoom in percent, 0 to 400.");
inline const QString kPlacementHelp =
    QStringLiteral("Grid placement horizontal,vertical, 0 to 200 each, 100 centred.");
inline const QString kAdjustEdgesHelp =
    QStringLiteral("Compensate printer edge clipping with the named profile (see --list-profiles).");
inline const QString kFormatHelp =
    QStringLiteral("Tile file format: bmp, tif or jpg (default: the image's own), or pdf for one PDF poster "
                   "of every sheet with assembly aids.");
inline const QString kGlueStripHelp =
    QStringLiteral("PDF: width of the glue strip in the paper's unit (default 10 mm or 0.4 inch, or the margin "
                   "when smaller); 0 for none.");
inline const QString kPrintHelp =
    QStringLiteral("Print the PDF poster at 100 percent on a CUPS queue: --print for the default queue, "
                   "--print QUEUE or --print=QUEUE for another. Implies --format pdf.");
inline const QString kPrintQueueHelp = QStringLiteral("The CUPS queue --print sends to.");
inline const QString kNoCutMarksHelp = QStringLiteral("PDF: no cut marks.");
inline const QString kNoLabelsHelp = QStringLiteral("PDF: no sheet labels.");
inline const QString kNoAssemblyPageHelp = QStringLiteral("PDF: no assembly page.");
inline const QString kLengthValue = QStringLiteral("LENGTH");
inline const QString kBadGlueStrip = QStringLiteral("--glue-strip needs a length of 0 or more");
inline const QString kOutHelp =
    QStringLiteral("The new folder for the tiles; its parent must exist (default: beside the image).");
inline const QString kBaseHelp = QStringLiteral("Base name of the tile files (default: the image's name and _).");
inline const QString kOverwriteHelp = QStringLiteral("Write into the folder even when it exists already.");
inline const QString kReportHelp =
    QStringLiteral("Write nothing: print the poster report and every tile rectangle.");
inline const QString kJsonHelp = QStringLiteral("Print the report (and the written files) as one JSON object.");
inline const QString kListPapersHelp = QStringLiteral("Print the paper catalogue names and exit.");
inline const QString kListProfilesHelp = QStringLiteral("Print the edge calibration profile names and exit.");
inline const QString kVersionHelp = QStringLiteral("Print the version and exit.");
inline const QString kHelpHelp = QStringLiteral("Print this help and exit.");

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
inline const QString kTryHelp = QStringLiteral("Try 'quiltera-cli --help'.");
inline const QString kNoImage = QStringLiteral("No IMAGE given.");
inline const QString kTooManyImages = QStringLiteral("Only one IMAGE can be cut at a time.");
inline const QString kBadTiles = QStringLiteral("--tiles needs two whole numbers from 1 to 25, such as 4x3");
inline const QString kBadUnits = QStringLiteral("--units needs in or mm");
inline const QString kBadCustomPaper = QStringLiteral("--custom-paper needs a width and a height, such as 13x19");
inline const QString kBadMargins = QStringLiteral("--margins needs four numbers: top,right,bottom,left");
inline const QString kBadRotation = QStringLiteral("--rotate-image needs 0, 90, 180 or 270");
inline const QString kBadZoom = QStringLiteral("--zoom needs a whole number from 0 to 400");
inline const QString kBadPlacement =
    QStringLiteral("--placement needs two whole numbers from 0 to 200, horizontal,vertical, such as 100,100");
inline const QString kBadFormat = QStringLiteral("--format needs bmp, tif, jpg or pdf");
inline const QString kEmptyOut = QStringLiteral("--out needs the path of a folder to create");
inline const QString kRootOut = QStringLiteral("--out must name a new folder, not the root of the file system");
inline const QString kUnknownPaper = QStringLiteral("No paper of that name in the catalogue (see --list-papers):");
inline const QString kPaperNotInUnits = QStringLiteral("That paper is not in the catalogue of the unit chosen:");
inline const QString kPaperAndCustom =
    QStringLiteral("--paper and --custom-paper each choose the paper: give only one");
inline const QString kUnknownProfile =
    QStringLiteral("No edge calibration profile of that name (see --list-profiles):");
inline const QString kBadPaperValues = QStringLiteral("The paper or margins given cannot be used:");

// Messages of a run that cannot go on.
inline const QString kImageNotLoadedTitle = QStringLiteral("Error");
inline const QString kImageNotLoaded = QStringLiteral("The image could not be loaded");
inline const QString kUnloadableEnding =
    QStringLiteral("only files whose names end in BMP, JPG or TIF can be loaded");
inline const QString kCommandLineUnloadableEnding =
    QStringLiteral("only files whose names end in .bmp, .jpg, .jpeg, .tif, .tiff, .png or .webp can be loaded");
inline const QString kFormatNeeded =
    QStringLiteral("a PNG or WebP picture has no tile format of its own: give --format bmp, tif, jpg or pdf");
inline const QString kFolderExistsRefused =
    QStringLiteral("Nothing was written.  Add --overwrite to write into the existing folder.");

// Report labels that the window has no text for.
inline const QString kTilesLabel = QStringLiteral("Tiles");
inline const QString kTileLabel = QStringLiteral("Tile");
inline const QString kTilePixelsPerInchLabel = QStringLiteral("Tile pixels per inch");
inline const QString kResolutionTagLabel = QStringLiteral("resolution tag");

} // namespace CliStrings
