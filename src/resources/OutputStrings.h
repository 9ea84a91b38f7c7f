#pragma once

#include "common/TranslatableText.h"

#include <QString>

// Texts of the save run, of tile file naming and of the checks made before the save
// dialog opens. Used exactly as written: double blanks and spelling are part of them.
namespace OutputStrings {

// Before the save dialog opens.
inline TranslatableText kInvalidTileInfo{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Invalid image/tile information.  Can not continue.")};
inline TranslatableText kInvalidTileInfoTitle{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Can Not Continue")};
inline TranslatableText kInvalidFileChosen{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Invalid file chosen.  Can not continue.")};
inline TranslatableText kInvalidFileChosenTitle{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Problem")};
inline TranslatableText kInvalidImageFileType{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Unable to save - invalid image file type")};
inline TranslatableText kInvalidImageFileTypeTitle{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Error")};

// Pieces of the suggested names.
inline const QString kNameSeparator = QStringLiteral("_");
inline const QString kPosterWord = QStringLiteral("poster");
inline const QString kImagesWord = QStringLiteral("images");

// Reasons a tile file name cannot be made.
inline TranslatableText kFileExtensionNotSelected{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "File extension not selected")};
inline TranslatableText kSelectFolderLocation{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "You must select the location where the new poster tile image folder will be created")};
inline TranslatableText kInvalidBaseFileName{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "The base filename must not contain \"/\" or \"\\\" and must not be \"..\"")};

// The save run.
inline TranslatableText kErrorTitle{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Error")};
inline TranslatableText kErrorCalculatingTileCoordinates{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Error calculating tile coordinates")};

inline TranslatableText kFolderExistsTitle{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Folder Exists")};
inline TranslatableText kTheFolder{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "The folder")};
inline TranslatableText kAlreadyExists{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "already exists")};
inline TranslatableText kFilesCouldBeOverwritten{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Some files could be overwritten.  Do you want to continue?")};

inline TranslatableText kCanNotContinueTitle{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Can not continue")};
inline TranslatableText kCouldNotCreateFolder{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Could not create the folder")};
inline TranslatableText kToSaveTileImagesInto{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "to save your poster tile images into")};
inline const QString kSentenceBreak = QStringLiteral(".  ");
inline TranslatableText kCreateFolderCauses{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Possible causes of this are that you do not have access rights to the drive that you selected, the disk "
    "drive is full, or that you provided an invalid folder name.")};

inline TranslatableText kSavingTileImages{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Saving poster tile images...")};
inline TranslatableText kInvalidTilePrintSizes{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Can not continue - Invalid tile print sizes entered")};
inline TranslatableText kProblem{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Problem")};
inline const QString kProblemSeparator = QStringLiteral(": ");
inline TranslatableText kCompensationError{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Error applying printer edge clipping compensation")};
inline TranslatableText kNotEnoughSpace{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Not enough space on selected drive.  Can not save images.")};
inline TranslatableText kOutOfDiskSpaceTitle{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Out of disk space")};
inline TranslatableText kWriteError{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Error saving tile image file to disk.  A possible cause is that the disk is full.  Can not continue.")};
inline TranslatableText kCanceledByUser{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Canceled by user")};
inline TranslatableText kCanceledTitle{"OutputStrings", QT_TRANSLATE_NOOP("OutputStrings", "Canceled")};

} // namespace OutputStrings
