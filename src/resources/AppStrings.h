#pragma once

#include <QString>
#include <QStringList>

// Texts of the main window, the image browser, image loading, help and the about box.
namespace AppStrings {

inline const QString kAppTitle = QStringLiteral("Quiltera");
inline const QString kVersionCaptionPrefix = QStringLiteral(" v");
inline const QString kCompanyName = QStringLiteral("Vendrick Software, LLC");
inline const QString kCopyrightPrefix = QStringLiteral("Copyright (C) 2024 ");
inline const QString kAllRightsReserved = QStringLiteral(".  All rights reserved.");

// Step labels
inline const QString kStep1 = QStringLiteral("Step (1) - Select Image File");
inline const QString kStep2 = QStringLiteral("Step (2) - Set Tile Print Size");
inline const QString kStep3 = QStringLiteral("Step (3) - Adjust Tiles, View Results");
inline const QString kStep4 = QStringLiteral("Step (4) - Click to Save Tile Image Files");
inline const QString kStep4Arrow = QStringLiteral("-->");

// Captions and tool tips of the main window's controls
inline const QString kMyDocCaption = QStringLiteral("My Documents");
inline const QString kMyDocTip = QStringLiteral("Navigate to My Documents folder");
inline const QString kDesktopCaption = QStringLiteral("Desktop");
inline const QString kDesktopTip = QStringLiteral("Navigate to Desktop folder");
inline const QString kShowTilesCaption = QStringLiteral("Show Tiles");
inline const QString kShowTilesTip = QStringLiteral("Show locations of poster tiles");
inline const QString kRotateTilesCaption = QStringLiteral("Rotate");
inline const QString kRotateTilesTip = QStringLiteral("Rotate Tiles 90 degrees");
inline const QString kPreviewCaption = QStringLiteral("Preview");
inline const QString kPreviewTip = QStringLiteral("View full screen preview of your poster");
inline const QString kRotateImageTip = QStringLiteral("Rotate image 90, 180, or 270 degrees");
inline const QString kPosterSizeFrame = QStringLiteral("Final Poster Size");
inline const QString kMegaPixels = QStringLiteral("MegaPixels");
inline const QString kMegaPixelsTip = QStringLiteral("Millions of pixels used in poster image");
inline const QString kSize = QStringLiteral("Size");
inline const QString kFinalSizeTip = QStringLiteral("Final size of your poster");
inline const QString kResolution = QStringLiteral("Resolution");
inline const QString kQuality = QStringLiteral("Quality");
inline const QString kQualityTip = QStringLiteral("Estimated image quality of your poster");
inline const QString kResolutionTip = QStringLiteral("Resolution of your final printed poster");
inline const QString kTilePlacementFrame = QStringLiteral("Tile Placement");
inline const QString kArrowTip = QStringLiteral("Adjust which part of your digital image to include in your poster");
inline const QString kVertical = QStringLiteral("Vertical");
inline const QString kHorizontal = QStringLiteral("Horizontal");
inline const QString kLrValueTip = QStringLiteral("Horizontal centering of the poster Tiles");
inline const QString kTbValueTip = QStringLiteral("Vertical centering of the poster Tiles");
inline const QString kZoomAmountTip = QStringLiteral("Zoom amount");
inline const QString kZoom = QStringLiteral("Zoom");
inline const QString kZoomMin = QStringLiteral("0");
inline const QString kZoomMax = QStringLiteral("4x");
inline const QString kNumberTilesFrame = QStringLiteral("Number of Tiles");
inline const QString kLockWhCaption = QStringLiteral("Lock tiles high = tiles wide");
inline const QString kLockWhTip = QStringLiteral("Force number of tiles high to equal number of tiles wide");
inline const QString kWide = QStringLiteral("Wide");
inline const QString kHigh = QStringLiteral("High");
inline const QString kTilesWideTip = QStringLiteral("Number of Tiles wide that poster will be");
inline const QString kTilesHighTip = QStringLiteral("Number of Tiles high that poster will be");
inline const QString kSaveNowCaption = QStringLiteral("Save Poster Tile Images");
inline const QString kSaveNowTip = QStringLiteral("Generate and save poster tile images now");
inline const QString kQuitCaption = QStringLiteral("Exit");
inline const QString kQuitTip = QStringLiteral("Exit program");
inline const QString kPrintInfoFrame = QStringLiteral("Print Size Per Tile");
inline const QString kEditPaperTip = QStringLiteral("Edit paper/margins");
inline const QString kPrinterClipsCaption = QStringLiteral("Adjust edges");
inline const QString kPrinterClipsTip = QStringLiteral("Apply Edge Calibration compensation when generating poster images");
inline const QString kConfigCaption = QStringLiteral("Edit");
inline const QString kConfigTip = QStringLiteral("Edit Edge Calibration Profiles");
inline const QString kCurBtmTip = QStringLiteral("Select active Edge Calibration Profile");
inline const QString kUnits = QStringLiteral("Units");
inline const QString kUnitsTip = QStringLiteral("Length units");
inline const QString kTrimmed = QStringLiteral("Trimmed");
inline const QString kTrimmedTip = QStringLiteral("Tile size after margins are trimmed off");
inline const QString kPaperSizeTip = QStringLiteral("Full paper size");
inline const QString kPaper = QStringLiteral("Paper");
inline const QString kPaperTip = QStringLiteral("Paper size that poster tiles are being printed onto");
inline const QString kCanvasTip = QStringLiteral("Currently selected image");
inline const QString kFileTypeTip = QStringLiteral("File list filter");
inline const QString kFilesTip = QStringLiteral("Filtered list of files in selected folder");
inline const QString kDirTip = QStringLiteral("Select folder containing the image that you want to make a poster out of");
inline const QString kDriveTip = QStringLiteral("Change the current drive");
inline const QString kNoValue = QStringLiteral("---");

// Menus
inline const QString kMenuFile = QStringLiteral("File");
inline const QString kMenuExit = QStringLiteral("Exit");
inline const QString kMenuTools = QStringLiteral("Tools");
inline const QString kMenuPaperSize = QStringLiteral("Select Paper/Margins...");
inline const QString kMenuEdgeClip = QStringLiteral("Edge Calibration...");
inline const QString kMenuHelp = QStringLiteral("Help");
inline const QString kMenuContent = QStringLiteral("Contents...");
inline const QString kMenuAbout = QStringLiteral("About...");

// Image rotation list, indexes 0 to 3
inline const QStringList kRotateItems = {
    QStringLiteral("No Rotate"), QStringLiteral("CW Rotate"),
    QStringLiteral("CCW Rotate"), QStringLiteral("180 Rotate")};

// File list filter, indexes 0 to 4
inline const QStringList kFileTypeItems = {
    QStringLiteral("Image Files (*.jpg, *.tif, *.bmp)"), QStringLiteral("Jpeg Files Only (*.jpg)"),
    QStringLiteral("Tiff Files Only (*.tif)"), QStringLiteral("BMP Files Only (*.bmp)"),
    QStringLiteral("Show All Files (*.*)")};

// Placement readout words
inline const QString kFullWidth = QStringLiteral("full width");
inline const QString kCenter = QStringLiteral("center");
inline const QString kLeft = QStringLiteral("left");
inline const QString kRight = QStringLiteral("right");
inline const QString kUp = QStringLiteral("up");
inline const QString kDown = QStringLiteral("down");
inline const QString kFullHeight = QStringLiteral("full height");

// Messages
inline const QString kEdgeIntroText = QStringLiteral(
    "This option compensates for any edge clipping (cutting off of an image's left, right, top or "
    "bottom edges) that happens in your printer.  Edge Clipping primarily occurs with borderless "
    "printing.  Click on the Edit button to create or modify an Edge Calibration Profile for your "
    "printer.  The Edge Calibration Profile defines how much edge clipping your printer does (see "
    "the help file for more information on this).");
inline const QString kEdgeIntroTitle = QStringLiteral("Edge Calibration Introduction");
inline const QString kInvalidDriveText = QStringLiteral("The drive you chose could not be accessed.");
inline const QString kInvalidDriveTitle = QStringLiteral("Invalid Drive");
inline const QString kNoDesktopText = QStringLiteral(
    "Could not determine the location of the Desktop folder.  Please navigate there manually using "
    "the folder listbox below here.");
inline const QString kNoMyDocText = QStringLiteral(
    "Could not determine the location of the My Documents folder.  Please navigate there manually "
    "using the folder listbox below here.");
inline const QString kProblemTitle = QStringLiteral("Problem");
inline const QString kSmallImageTextStart = QStringLiteral(
    "The image you selected is EXTREMELY small.  It has a height and/or width that is below the "
    "minimum allowable size of ");
inline const QString kSmallImageTextEnd = QStringLiteral(" pixels.  Please select a larger image.  ");
inline const QString kSmallImageTitle = QStringLiteral("Invalid Image File Selected");

// Help and about
inline const QString kHelpFileName = QStringLiteral("quiltera.html");
inline const QString kHelpMissingStart = QStringLiteral("The help file");
inline const QString kHelpMissingEnd = QStringLiteral("is missing.  Please reinstall this software.");
inline const QString kHelpMissingTitle = QStringLiteral("Can not find help file");
inline const QString kHelpWindowTitle = QStringLiteral("Quiltera Help");
inline const QString kAboutCaption = QStringLiteral("About Quiltera");
inline const QString kSysInfoCaption = QStringLiteral("System Info");
inline const QString kEllipsis = QStringLiteral("...");
inline const QString kAboutDescription = QStringLiteral(
    "This application creates photo quality posters of any size/shape from your digital images.  It "
    "includes Edge Calibration technology to measure and compensate for the characteristics of your "
    "printer.");
inline const QString kOk = QStringLiteral("OK");
inline const QString kVersion = QStringLiteral("Version");
inline const QString kWeb = QStringLiteral("Web:");
inline const QString kWebAddress = QStringLiteral("https://quiltera.example.com/");
inline const QString kSysInfoUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

} // namespace AppStrings
