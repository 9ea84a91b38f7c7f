#pragma once

#include "common/TranslatableText.h"

#include <QCoreApplication>

#include <QString>
#include <QStringList>

// Texts of the main window, the image browser, image loading, help and the about box.
namespace AppStrings {

inline const QString kAppTitle = QStringLiteral("Quiltera");
inline const QString kVersionCaptionPrefix = QStringLiteral(" v");
inline const QString kCompanyName = QStringLiteral("Vendrick Software, LLC");
inline const QString kCopyrightPrefix = QStringLiteral("Copyright (C) 2024 ");
inline TranslatableText kAllRightsReserved{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", ".  All rights reserved.")};

// Step labels
inline TranslatableText kStep1{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Step (1) - Select Image File")};
inline TranslatableText kStep2{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Step (2) - Set Tile Print Size")};
inline TranslatableText kStep3{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Step (3) - Adjust Tiles, View Results")};
inline TranslatableText kStep4{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Step (4) - Click to Save Tile Image Files")};
inline const QString kStep4Arrow = QStringLiteral("-->");

// Captions and tool tips of the main window's controls
inline TranslatableText kMyDocCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "My Documents")};
inline TranslatableText kMyDocTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Navigate to My Documents folder")};
inline TranslatableText kDesktopCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Desktop")};
inline TranslatableText kDesktopTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Navigate to Desktop folder")};
inline TranslatableText kShowTilesCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Show Tiles")};
inline TranslatableText kShowTilesTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Show locations of poster tiles")};
inline TranslatableText kRotateTilesCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Rotate")};
inline TranslatableText kRotateTilesTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Rotate Tiles 90 degrees")};
inline TranslatableText kPreviewCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Preview")};
inline TranslatableText kPreviewTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "View full screen preview of your poster")};
inline TranslatableText kPageCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Page:")};
inline TranslatableText kPageTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "The page of the PDF file that becomes the poster")};
inline TranslatableText kPageResolutionTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "The resolution the page is drawn at for the tile images and the printer")};
inline TranslatableText kDotsPerInchSuffix{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", " dpi")};
inline QString pageOfSuffix(int pages)
{
    return QCoreApplication::translate("AppStrings", " of %1").arg(pages);
}
inline TranslatableText kRotateImageTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Rotate image 90, 180, or 270 degrees")};
inline TranslatableText kPosterSizeFrame{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Final Poster Size")};
inline TranslatableText kMegaPixels{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "MegaPixels")};
inline TranslatableText kSheets{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Sheets")};
inline TranslatableText kSheetsTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Sheets of paper the poster is printed on")};
inline TranslatableText kMegaPixelsTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Millions of pixels used in poster image")};
inline TranslatableText kSize{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Size")};
inline TranslatableText kFinalSizeTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Final size of your poster")};
inline TranslatableText kResolution{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Resolution")};
inline TranslatableText kQuality{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Quality")};
inline TranslatableText kQualityTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Estimated image quality of your poster")};
inline TranslatableText kResolutionTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Resolution of your final printed poster")};
inline TranslatableText kTilePlacementFrame{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Tile Placement")};
inline TranslatableText kArrowTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Adjust which part of your digital image to include in your poster")};
inline TranslatableText kVertical{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Vertical")};
inline TranslatableText kHorizontal{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Horizontal")};
inline TranslatableText kLrValueTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Horizontal centering of the poster Tiles")};
inline TranslatableText kTbValueTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Vertical centering of the poster Tiles")};
inline TranslatableText kZoomAmountTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Zoom amount")};
inline TranslatableText kZoom{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Zoom")};
inline TranslatableText kFit{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Fit")};
inline TranslatableText kFillSheets{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Fill the sheets")};
inline TranslatableText kWholePicture{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Whole picture")};
inline TranslatableText kFitTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Fill the sheets: cut the picture to the sheets' shape.  Whole picture: keep all of it, with blank paper where it does not reach.")};
inline TranslatableText kPosterWidthItem{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Poster width")};
inline TranslatableText kPosterHeightItem{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Poster height")};
inline TranslatableText kPosterLengthTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "The poster's width or height on the wall, e.g. 1m, 90cm or 36in; a bare number is in the current unit")};
inline TranslatableText kSizeToWallCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Set")};
inline TranslatableText kSizeToWallTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Choose the fewest tiles that hold the whole picture at that size")};
inline TranslatableText kBadPosterLengthTitle{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Poster Size")};
inline TranslatableText kBadPosterLength{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Type the poster's width or height as a number above 0, with mm, cm, m or in after it, or none for the current unit.")};
inline const QString kZoomMin = QStringLiteral("0");
inline const QString kZoomMax = QStringLiteral("4x");
inline TranslatableText kNumberTilesFrame{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Number of Tiles")};
inline TranslatableText kLockWhCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Lock tiles high = tiles wide")};
inline TranslatableText kLockWhTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Force number of tiles high to equal number of tiles wide")};
inline TranslatableText kWide{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Wide")};
inline TranslatableText kHigh{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "High")};
inline TranslatableText kTilesWideTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Number of Tiles wide that poster will be")};
inline TranslatableText kTilesHighTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Number of Tiles high that poster will be")};
inline TranslatableText kSaveNowCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Save Poster Tile Images")};
inline TranslatableText kSaveNowTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Generate and save poster tile images now")};
inline TranslatableText kQuitCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Exit")};
inline TranslatableText kQuitTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Exit program")};
inline TranslatableText kPrintInfoFrame{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Print Size Per Tile")};
inline TranslatableText kEditPaperTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Edit paper/margins")};
inline TranslatableText kPrinterClipsCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Adjust edges")};
inline TranslatableText kPrinterClipsTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Apply Edge Calibration compensation when generating poster images")};
inline TranslatableText kConfigCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Edit")};
inline TranslatableText kConfigTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Edit Edge Calibration Profiles")};
inline TranslatableText kCurBtmTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Select active Edge Calibration Profile")};
inline TranslatableText kUnits{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Units")};
inline TranslatableText kUnitsTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Length units")};
inline TranslatableText kTrimmed{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Trimmed")};
inline TranslatableText kTrimmedTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Tile size after margins are trimmed off")};
inline TranslatableText kPaperSizeTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Full paper size")};
inline TranslatableText kPaper{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Paper")};
inline TranslatableText kPaperTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Paper size that poster tiles are being printed onto")};
inline TranslatableText kCanvasTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Currently selected image")};
inline TranslatableText kFileTypeTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "File list filter")};
inline TranslatableText kFilesTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Filtered list of files in selected folder")};
inline TranslatableText kDirTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Select folder containing the image that you want to make a poster out of")};
inline TranslatableText kDriveTip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Change the current drive")};
inline const QString kNoValue = QStringLiteral("---");

// Menus
inline TranslatableText kMenuFile{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "File")};
inline TranslatableText kMenuExit{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Exit")};
inline TranslatableText kMenuTools{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Tools")};
inline TranslatableText kMenuPaperSize{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Select Paper/Margins...")};
inline TranslatableText kMenuEdgeClip{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Edge Calibration...")};
inline TranslatableText kMenuHelp{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Help")};
inline TranslatableText kMenuContent{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Contents...")};
inline TranslatableText kMenuAbout{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "About...")};

// Image rotation list, indexes 0 to 3
inline TranslatableList kRotateItems{"AppStrings", {
    QT_TRANSLATE_NOOP("AppStrings", "No Rotate"),
    QT_TRANSLATE_NOOP("AppStrings", "CW Rotate"),
    QT_TRANSLATE_NOOP("AppStrings", "CCW Rotate"),
    QT_TRANSLATE_NOOP("AppStrings", "180 Rotate")}};

// File list filter, in the order of FileTypeFilter
inline TranslatableList kFileTypeItems{"AppStrings", {
    QT_TRANSLATE_NOOP("AppStrings", "Image Files (every kind below)"),
    QT_TRANSLATE_NOOP("AppStrings", "Jpeg Files Only (*.jpg, *.jpeg)"),
    QT_TRANSLATE_NOOP("AppStrings", "Tiff Files Only (*.tif, *.tiff)"),
    QT_TRANSLATE_NOOP("AppStrings", "BMP Files Only (*.bmp)"),
    QT_TRANSLATE_NOOP("AppStrings", "PNG Files Only (*.png)"),
    QT_TRANSLATE_NOOP("AppStrings", "WebP Files Only (*.webp)"),
    QT_TRANSLATE_NOOP("AppStrings", "HEIC and HEIF Files Only (*.heic, *.heif, *.avif)"),
    QT_TRANSLATE_NOOP("AppStrings", "PDF Files Only (*.pdf)"),
    QT_TRANSLATE_NOOP("AppStrings", "SVG Files Only (*.svg, *.svgz)"),
    QT_TRANSLATE_NOOP("AppStrings", "Show All Files (*.*)")}};

// Placement readout words
inline TranslatableText kFullWidth{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "full width")};
inline TranslatableText kCenter{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "center")};
inline TranslatableText kLeft{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "left")};
inline TranslatableText kRight{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "right")};
inline TranslatableText kUp{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "up")};
inline TranslatableText kDown{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "down")};
inline TranslatableText kFullHeight{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "full height")};

// Messages
inline TranslatableText kEdgeIntroText{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "This option compensates for any edge clipping (cutting off of an image's left, right, top or "
    "bottom edges) that happens in your printer.  Edge Clipping primarily occurs with borderless "
    "printing.  Click on the Edit button to create or modify an Edge Calibration Profile for your "
    "printer.  The Edge Calibration Profile defines how much edge clipping your printer does (see "
    "the help file for more information on this).")};
inline TranslatableText kEdgeIntroTitle{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Edge Calibration Introduction")};
inline TranslatableText kInvalidDriveText{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "The drive you chose could not be accessed.")};
inline TranslatableText kInvalidDriveTitle{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Invalid Drive")};
inline TranslatableText kNoDesktopText{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Could not determine the location of the Desktop folder.  Please navigate there manually using "
    "the folder listbox below here.")};
inline TranslatableText kNoMyDocText{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Could not determine the location of the My Documents folder.  Please navigate there manually "
    "using the folder listbox below here.")};
inline TranslatableText kProblemTitle{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Problem")};
inline TranslatableText kSmallImageTextStart{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "The image you selected is EXTREMELY small.  It has a height and/or width that is below the "
    "minimum allowable size of ")};
inline TranslatableText kSmallImageTextEnd{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", " pixels.  Please select a larger image.  ")};
inline TranslatableText kSmallImageTitle{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Invalid Image File Selected")};

// Help and about
inline const QString kHelpFileName = QStringLiteral("quiltera.html");
inline TranslatableText kHelpMissingStart{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "The help file")};
inline TranslatableText kHelpMissingEnd{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "is missing.  Please reinstall this software.")};
inline TranslatableText kHelpMissingTitle{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Can not find help file")};
inline TranslatableText kHelpWindowTitle{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Quiltera Help")};
inline TranslatableText kAboutCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "About Quiltera")};
inline TranslatableText kSysInfoCaption{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "System Info")};
inline const QString kEllipsis = QStringLiteral("...");
inline TranslatableText kAboutDescription{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "This application creates photo quality posters of any size/shape from your digital images.  It "
    "includes Edge Calibration technology to measure and compensate for the characteristics of your "
    "printer.")};
inline TranslatableText kOk{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "OK")};
inline TranslatableText kVersion{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Version")};
inline TranslatableText kWeb{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Web:")};
inline const QString kWebAddress = QStringLiteral("https://quiltera.example.com/");
inline TranslatableText kSysInfoUnavailable{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "System Information Is Unavailable At This Time")};

// A picture too large to hold in memory whole, or to turn.
inline TranslatableText kPictureTooLargeTitle{"AppStrings", QT_TRANSLATE_NOOP("AppStrings", "Picture Too Large")};
inline QString pictureTooLargeText(const QString &reason)
{
    return QCoreApplication::translate("AppStrings", "%1.  Its tiles can still be saved as image files: they are cut from "
                                                     "the file band by band.  Turning the picture, the preview, printing "
                                                     "and the PDF poster need all of it in memory.")
        .arg(reason);
}
inline QString turnRefusedText(const QString &reason)
{
    return QCoreApplication::translate("AppStrings", "The picture cannot be turned - %1.").arg(reason);
}

} // namespace AppStrings
