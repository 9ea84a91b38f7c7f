#pragma once

#include <QString>

// Texts of the edge calibration dialog and of the printable test target.
namespace CalibrationStrings {

// The dialog's captions and tooltips
inline const QString kFormCaption = QStringLiteral("Edge Calibration");
inline const QString kTitle = QStringLiteral("Edge Calibration Profiles");
inline const QString kProfilesTip = QStringLiteral("Edge Calibration Profiles");
inline const QString kNewCaption = QStringLiteral("New");
inline const QString kNewTip = QStringLiteral("Create a new Edge Calibration Profile");
inline const QString kRenameCaption = QStringLiteral("Rename");
inline const QString kRenameTip = QStringLiteral("Rename the currently selected Edge Calibration Profile");
inline const QString kDelCaption = QStringLiteral("Del");
inline const QString kDelTip = QStringLiteral("Delete the currently selected Edge Calibration Profile");
inline const QString kCloseCaption = QStringLiteral("Close");
inline const QString kCloseTip = QStringLiteral("Close the Edge Calibration dialog box");
inline const QString kGenerateTestCaption = QStringLiteral("Create Edge Calibration Test Image");
inline const QString kGenerateTestTip = QStringLiteral("Create Edge Calibration Test Image");

inline const QString kTopEdgeTip = QStringLiteral(
    "For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the TOP edge of your test print");
inline const QString kRightEdgeTip = QStringLiteral(
    "For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the RIGHT edge of your test print");
inline const QString kBottomEdgeTip = QStringLiteral(
    "For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the BOTTOM edge of your test print");
inline const QString kLeftEdgeTip = QStringLiteral(
    "For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the LEFT edge of your test print");

inline const QString kCutoffFrame = QStringLiteral("Amount the printer cuts of from the edges of images");
inline const QString kCutoffFrameTip =
    QStringLiteral("Edge Calibration information for the currently selected Edge Calibration Profile");
inline const QString kTopEdgeTitle = QStringLiteral("Top Edge");
inline const QString kRightEdgeTitle = QStringLiteral("Right Edge");
inline const QString kBottomEdgeTitle = QStringLiteral("Bottom Edge:");
inline const QString kLeftEdgeTitle = QStringLiteral("Left Edge:");
inline const QString kInitialEdgeDesc = QStringLiteral("2/64 inches");

inline const QString kStep1Title = QStringLiteral("Step (1) Create and print test image");
inline const QString kStep1Desc = QStringLiteral(
    "Click on button to create an Edge Calibration test image for the currently selected print size.  The test image will have 4 lines (1/16 inch wide each) around its border.  Print the test image.   ");
inline const QString kStep1InchStripe = QStringLiteral("1/16 inch");
inline const QString kStep1MillimetreStripe = QStringLiteral("1.59 mm");
inline const QString kStep2Title = QStringLiteral("Step (2) Enter Edge Calibration Profile Information ");
inline const QString kInstruction = QStringLiteral(
    "Select how many of the 4 border lines are visible at each edge of your test print.  This 'Edge Calibration Profile' information is used by the software to compensate for any clipping that your printer does. ");

// Labels of the test print picture
inline const QString kPictureTestPrint = QStringLiteral("Test Print");
inline const QString kPictureTopLeft = QStringLiteral("Top Left");
inline const QString kPictureCutoff = QStringLiteral("Amount the printer cuts off from each edge");
inline const QString kPictureTopEdge = QStringLiteral("top edge:");
inline const QString kPictureRightEdge = QStringLiteral("right edge:");
inline const QString kPictureBottomEdge = QStringLiteral("bottom edge:");
inline const QString kPictureLeftEdge = QStringLiteral("left edge:");

// The edge lists and the edge descriptions
inline const QString kSeeAllLines = QStringLiteral("See all 4 lines");
inline const QString kSee = QStringLiteral("See");
inline const QString kLines = QStringLiteral("lines");
inline const QString kSeeNoLines = QStringLiteral("See no lines");
inline const QString kNoneClipped = QStringLiteral("None of the image is clipped");
inline const QString kPrinterCutsOff = QStringLiteral("Printer cuts off");
inline const QString kOfImage = QStringLiteral("of image");
inline const QString kInchesWord = QStringLiteral("inches");
inline const QString kMillimetreWordSpaced = QStringLiteral("mm ");

// New, Rename and Delete
inline const QString kNewProfileTitle = QStringLiteral("Enter name for new configuration");
inline const QString kRenameProfileTitle = QStringLiteral("Enter new name for this Edge Calibrtion Profile");
inline const QString kProfileNamePrompt = QStringLiteral("New Configuration");
inline const QString kDeleteQuestion =
    QStringLiteral("Are you sure that you want to delete the currently selected Edge Calibration Profile");
inline const QString kDeleteTitle = QStringLiteral("Delete Edge Calibration Profile");
inline const QString kLastProfileMessage =
    QStringLiteral("You must have at least one Edge Calibration Profile.  You can not delete your only one.");
inline const QString kLastProfileTitle = QStringLiteral("Can not remove profile");
inline const QString kProfileLimitMessage = QStringLiteral(
    "You already have the largest number of Edge Calibration Profiles that can be stored.  Delete one before creating a new one.");
inline const QString kProfileLimitTitle = QStringLiteral("Can not add profile");

// The test target announcement
inline const QString kTestTargetTitle = QStringLiteral("Create Test Target");
inline const QString kMillimetreWord = QStringLiteral("mm");
inline const QString kInchWord = QStringLiteral("inch");
inline const QString kMillimetreStripeWidth = QStringLiteral("1.6 mm");
inline const QString kInchStripeWidth = QStringLiteral("1/16 inch");
inline const QString kAnnounceStart = QStringLiteral("A ");
inline const QString kHigh = QStringLiteral("high");
inline const QString kWideImageCreated = QStringLiteral("wide test image will now be created");
inline const QString kStripesAroundEdges = QStringLiteral(
    "The target will have 4 colored stripes printed around each edge.  Each stripe is");
inline const QString kWide = QStringLiteral("wide");
inline const QString kPleaseDoFollowing = QStringLiteral(
    "In order to to test how much your printer clips off of each edge, please do the following");
inline const QString kSaveWhenPrompted = QStringLiteral("When prompted, save the image to your hard drive");
inline const QString kPrintOnPrinter = QStringLiteral("Print the image on your printer");
inline const QString kCountStripes = QStringLiteral(
    "Count how many of the 4 colored stripes are visible on each edge of your print and input that information in the dialog box below here.");
inline const QString kOkToContinue = QStringLiteral("Click OK to continue or cancel to quit");

// Building and saving the test target
inline const QString kErrorTitle = QStringLiteral("Error");
inline const QString kSuggestedFileName = QStringLiteral("Edge_Test_Image");
inline const QString kCreationCanceled = QStringLiteral("Test Target Creation canceled");
inline const QString kCanceledTitle = QStringLiteral("canceled");
inline const QString kInvalidFileName =
    QStringLiteral("Invalid image filename.  Must save image as bmp, tif or jpg file");
inline const QString kInvalidFileTypeTitle = QStringLiteral("Invalid file type");
inline const QString kReplaceFileStart = QStringLiteral("The file");
inline const QString kReplaceFileEnd = QStringLiteral("already exists.  Do you want to replace it?");
inline const QString kSaveError = QStringLiteral("Error occurred while saving image to disk");
inline const QString kTargetText = QStringLiteral("Edge Test Print");
inline const QString kTextError = QStringLiteral("Error adding text to edge test print");

// The message after a saved test target
inline const QString kSavedTitle = QStringLiteral("Test Image Creation Completed");
inline const QString kSavedStart = QStringLiteral("Image successfully saved to disk.");
inline const QString kNextYouNeedTo = QStringLiteral("Next you need to");
inline const QString kPrintThisImage = QStringLiteral("Print this image");
inline const QString kSamePrinterSettings =
    QStringLiteral("using the same printer, paper and printer settings that you");
inline const QString kWhenPrintingPoster = QStringLiteral("will use when printing your poster images");
inline const QString kCountVisibleStripes =
    QStringLiteral("Count the number of visible stripes along each edge of the resulting test print.");
inline const QString kSelectProfileToModify = QStringLiteral(
    "Make sure that you currently have selected the Edge Calibration Profile which you would like to modify.");
inline const QString kUseDropdowns = QStringLiteral(
    "Using the four dropdown controls located below here, indicate how many stripes are visible at each edge of your print (this tells the software how much your printer clips off of each edge of your prints).");

// An invalid tile print size
inline const QString kInvalidSizeStart = QStringLiteral(
    "The custom print size that you currently have entered in not valid.  The height and width must both be between");
inline const QString kAnd = QStringLiteral("and");
inline const QString kInvalidSizeInchesLong =
    QStringLiteral("inches long.  Please enter valid values in the");
inline const QString kSectionOfMainDialog = QStringLiteral("section of the main dialog");
inline const QString kInvalidSizeTitle = QStringLiteral("Invalide print dimensions");

} // namespace CalibrationStrings
