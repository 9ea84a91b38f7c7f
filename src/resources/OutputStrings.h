#pragma once

#include <QString>

// Texts of the save run, of tile file naming and of the checks made before the save
// dialog opens. Used exactly as written: double blanks and spelling are part of them.
namespace OutputStrings {

// Before the save dialog opens.
inline const QString kInvalidTileInfo = QStringLiteral("Invalid image/tile information.  Can not continue.");
inline const QString kInvalidTileInfoTitle = QStringLiteral("Can Not Continue");
inline const QString kInvalidFileChosen = QStringLiteral("Invalid file chosen.  Can not continue.");
inline const QString kInvalidFileChosenTitle = QStringLiteral("Problem");
inline const QString kInvalidImageFileType = QStringLiteral("Unable to save - invalid image file type");
inline const QString kInvalidImageFileTypeTitle = QStringLiteral("Error");

// Pieces of the suggested names.
inline const QString kNameSeparator = QStringLiteral("_");
inline const QString kPosterWord = QStringLiteral("poster");
inline const QString kImagesWord = QStringLiteral("images");

// Reasons a tile file name cannot be made.
inline const QString kFileExtensionNotSelected = QStringLiteral("File extension not selected");
inline const QString kSelectFolderLocation =
    QStringLiteral("You must select the location where the new poster tile image folder will be created");
inline const QString kInvalidBaseFileName =
    QStringLiteral("The base filename must not contain \"/\" or \"\\\" and must not be \"..\"");

// The save run.
inline const QString kErrorTitle = QStringLiteral("Error");
inline const QString kErrorCalculatingTileCoordinates = QStringLiteral("Error calculating tile coordinates");

inline const QString kFolderExistsTitle = QStringLiteral("Folder Exists");
inline const QString kTheFolder = QStringLiteral("The folder");
inline const QString kAlreadyExists = QStringLiteral("already exists");
inline const QString kFilesCouldBeOverwritten =
    QStringLiteral("Some files could be overwritten.  Do you want to continue?");

inline const QString kCanNotContinueTitle = QStringLiteral("Can not continue");
inline const QString kCouldNotCreateFolder = QStringLiteral("Could not create the folder");
inline const QString kToSaveTileImagesInto = QStringLiteral("to save your poster tile images into");
inline const QString kSentenceBreak = QStringLiteral(".  ");
inline const QString kCreateFolderCauses = QStringLiteral(
    "Possible causes of this are that you do not have access rights to the drive that you selected, the disk "
    "drive is full, or that you provided an invalid folder name.");

inline const QString kSavingTileImages = QStringLiteral("Saving poster tile images...");
inline const QString kInvalidTilePrintSizes = QStringLiteral("Can not continue - Invalid tile print sizes entered");
inline const QString kProblem = QStringLiteral("Problem");
inline const QString kProblemSeparator = QStringLiteral(": ");
inline const QString kCompensationError = QStringLiteral("Error applying printer edge clipping compensation");
inline const QString kNotEnoughSpace = QStringLiteral("Not enough space on selected drive.  Can not save images.");
inline const QString kOutOfDiskSpaceTitle = QStringLiteral("Out of disk space");
inline const QString kWriteError = QStringLiteral(
    "Error saving tile image file to disk.  A possible cause is that the disk is full.  Can not continue.");
inline const QString kCanceledByUser = QStringLiteral("Canceled by user");
inline const QString kCanceledTitle = QStringLiteral("Canceled");

} // namespace OutputStrings
