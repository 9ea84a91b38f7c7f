#pragma once

#include "common/TranslatableText.h"

#include <QString>

// Texts of the edge calibration dialog and of the printable test target.
namespace CalibrationStrings {

// The dialog's captions and tooltips
inline TranslatableText kFormCaption{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Edge Calibration")};
inline TranslatableText kTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Edge Calibration Profiles")};
inline TranslatableText kProfilesTip{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Edge Calibration Profiles")};
inline TranslatableText kNewCaption{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "New")};
inline TranslatableText kNewTip{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Create a new Edge Calibration Profile")};
inline TranslatableText kRenameCaption{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Rename")};
inline TranslatableText kRenameTip{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Rename the currently selected Edge Calibration Profile")};
inline TranslatableText kDelCaption{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Del")};
inline TranslatableText kDelTip{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Delete the currently selected Edge Calibration Profile")};
inline TranslatableText kCloseCaption{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Close")};
inline TranslatableText kCloseTip{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Close the Edge Calibration dialog box")};
inline TranslatableText kGenerateTestCaption{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Create Edge Calibration Test Image")};
inline TranslatableText kGenerateTestTip{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Create Edge Calibration Test Image")};

inline TranslatableText kTopEdgeTip{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the TOP edge of your test print")};
inline TranslatableText kRightEdgeTip{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the RIGHT edge of your test print")};
inline TranslatableText kBottomEdgeTip{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the BOTTOM edge of your test print")};
inline TranslatableText kLeftEdgeTip{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the LEFT edge of your test print")};

inline TranslatableText kCutoffFrame{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Amount the printer cuts of from the edges of images")};
inline TranslatableText kCutoffFrameTip{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Edge Calibration information for the currently selected Edge Calibration Profile")};
inline TranslatableText kTopEdgeTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Top Edge")};
inline TranslatableText kRightEdgeTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Right Edge")};
inline TranslatableText kBottomEdgeTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Bottom Edge:")};
inline TranslatableText kLeftEdgeTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Left Edge:")};
inline TranslatableText kInitialEdgeDesc{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "2/64 inches")};

inline TranslatableText kStep1Title{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Step (1) Create and print test image")};
inline TranslatableText kStep1Desc{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Click on button to create an Edge Calibration test image for the currently selected print size.  The test image will have 4 lines (1/16 inch wide each) around its border.  Print the test image.   ")};
inline TranslatableText kStep1InchStripe{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "1/16 inch")};
inline const QString kStep1MillimetreStripe = QStringLiteral("1.59 mm");
inline TranslatableText kStep2Title{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Step (2) Enter Edge Calibration Profile Information ")};
inline TranslatableText kInstruction{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Select how many of the 4 border lines are visible at each edge of your test print.  This 'Edge Calibration Profile' information is used by the software to compensate for any clipping that your printer does. ")};

// Labels of the test print picture
inline TranslatableText kPictureTestPrint{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Test Print")};
inline TranslatableText kPictureTopLeft{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Top Left")};
inline TranslatableText kPictureCutoff{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Amount the printer cuts off from each edge")};
inline TranslatableText kPictureTopEdge{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "top edge:")};
inline TranslatableText kPictureRightEdge{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "right edge:")};
inline TranslatableText kPictureBottomEdge{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "bottom edge:")};
inline TranslatableText kPictureLeftEdge{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "left edge:")};

// The edge lists and the edge descriptions
inline TranslatableText kSeeAllLines{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "See all 4 lines")};
inline TranslatableText kSee{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "See")};
inline TranslatableText kLines{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "lines")};
inline TranslatableText kSeeNoLines{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "See no lines")};
inline TranslatableText kNoneClipped{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "None of the image is clipped")};
inline TranslatableText kPrinterCutsOff{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Printer cuts off")};
inline TranslatableText kOfImage{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "of image")};
inline TranslatableText kInchesWord{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "inches")};
inline TranslatableText kMillimetreWordSpaced{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "mm ")};

// New, Rename and Delete
inline TranslatableText kNewProfileTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Enter name for new configuration")};
inline TranslatableText kRenameProfileTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Enter new name for this Edge Calibrtion Profile")};
inline TranslatableText kProfileNamePrompt{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "New Configuration")};
inline TranslatableText kDeleteQuestion{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Are you sure that you want to delete the currently selected Edge Calibration Profile")};
inline TranslatableText kDeleteTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Delete Edge Calibration Profile")};
inline TranslatableText kLastProfileMessage{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "You must have at least one Edge Calibration Profile.  You can not delete your only one.")};
inline TranslatableText kLastProfileTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Can not remove profile")};
inline TranslatableText kProfileLimitMessage{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "You already have the largest number of Edge Calibration Profiles that can be stored.  Delete one before creating a new one.")};
inline TranslatableText kProfileLimitTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Can not add profile")};

// The test target announcement
inline TranslatableText kTestTargetTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Create Test Target")};
inline TranslatableText kMillimetreWord{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "mm")};
inline TranslatableText kInchWord{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "inch")};
inline TranslatableText kMillimetreStripeWidth{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "1.6 mm")};
inline TranslatableText kInchStripeWidth{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "1/16 inch")};
inline TranslatableText kAnnounceStart{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "A ")};
inline TranslatableText kHigh{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "high")};
inline TranslatableText kWideImageCreated{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "wide test image will now be created")};
inline TranslatableText kStripesAroundEdges{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "The target will have 4 colored stripes printed around each edge.  Each stripe is")};
inline TranslatableText kWide{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "wide")};
inline TranslatableText kPleaseDoFollowing{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "In order to to test how much your printer clips off of each edge, please do the following")};
inline TranslatableText kSaveWhenPrompted{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "When prompted, save the image to your hard drive")};
inline TranslatableText kPrintOnPrinter{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Print the image on your printer")};
inline TranslatableText kCountStripes{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Count how many of the 4 colored stripes are visible on each edge of your print and input that information in the dialog box below here.")};
inline TranslatableText kOkToContinue{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Click OK to continue or cancel to quit")};

// Building and saving the test target
inline TranslatableText kErrorTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Error")};
inline const QString kSuggestedFileName = QStringLiteral("Edge_Test_Image");
inline TranslatableText kCreationCanceled{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Test Target Creation canceled")};
inline TranslatableText kCanceledTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "canceled")};
inline TranslatableText kInvalidFileName{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Invalid image filename.  Must save image as bmp, tif or jpg file")};
inline TranslatableText kInvalidFileTypeTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Invalid file type")};
inline TranslatableText kReplaceFileStart{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "The file")};
inline TranslatableText kReplaceFileEnd{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "already exists.  Do you want to replace it?")};
inline TranslatableText kSaveError{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Error occurred while saving image to disk")};
inline TranslatableText kTargetText{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Edge Test Print")};
inline TranslatableText kTextError{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Error adding text to edge test print")};

// The message after a saved test target
inline TranslatableText kSavedTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Test Image Creation Completed")};
inline TranslatableText kSavedStart{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Image successfully saved to disk.")};
inline TranslatableText kNextYouNeedTo{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Next you need to")};
inline TranslatableText kPrintThisImage{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Print this image")};
inline TranslatableText kSamePrinterSettings{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "using the same printer, paper and printer settings that you")};
inline TranslatableText kWhenPrintingPoster{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "will use when printing your poster images")};
inline TranslatableText kCountVisibleStripes{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Count the number of visible stripes along each edge of the resulting test print.")};
inline TranslatableText kSelectProfileToModify{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Make sure that you currently have selected the Edge Calibration Profile which you would like to modify.")};
inline TranslatableText kUseDropdowns{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Using the four dropdown controls located below here, indicate how many stripes are visible at each edge of your print (this tells the software how much your printer clips off of each edge of your prints).")};

// An invalid tile print size
inline TranslatableText kInvalidSizeStart{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "The custom print size that you currently have entered in not valid.  The height and width must both be between")};
inline TranslatableText kAnd{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "and")};
inline TranslatableText kInvalidSizeInchesLong{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "inches long.  Please enter valid values in the")};
inline TranslatableText kSectionOfMainDialog{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "section of the main dialog")};
inline TranslatableText kInvalidSizeTitle{"CalibrationStrings", QT_TRANSLATE_NOOP("CalibrationStrings", "Invalide print dimensions")};

} // namespace CalibrationStrings
