#pragma once

#include "common/TranslatableText.h"

#include <QCoreApplication>
#include <QString>

// Captions, tool tips and messages of the save dialog, the progress window and the
// completion window.
namespace SaveWindowStrings {

// Save dialog
inline TranslatableText kSaveDialogCaption{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Save Poster Image Files")};
inline TranslatableText kFileFormatFrame{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "File Type")};
inline TranslatableText kFileFormatTip{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Image file format that your poster tile images will be saved as")};
inline TranslatableText kBmpOption{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Bitmap (.bmp)")};
inline TranslatableText kTifOption{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Tiff (.tif)")};
inline TranslatableText kJpgOption{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Jpeg (.jpg)")};
inline TranslatableText kCloseCaption{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "close")};
inline TranslatableText kCloseTip{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Close this dialog without generating or saving your poster Tile images")};
inline TranslatableText kSaveNowCaption{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Save Images Now")};
inline TranslatableText kSavePosterNowCaption{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Save PDF Poster Now")};
inline TranslatableText kSaveNowTip{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Click here to generate and save your poster Tile images now")};
inline TranslatableText kNewNameFrame{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "File Save Info")};
inline TranslatableText kBaseFileNameTip{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Base name that will be used to name your poster tile image files")};
inline TranslatableText kNewFolderNameTip{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Name of the new folder to be created to hold your poster tile images")};
inline TranslatableText kBaseFileNameLabel{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Base Filename:")};
inline TranslatableText kNewFolderNameLabel{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "New Folder Name:")};
// What the glue strip's width field shows while it is empty.
inline TranslatableText kGlueStripDefault{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "default")};
inline TranslatableText kFolderListTip{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Select folder where you want the new subfolder to be created which will contain your "
    "poster tile images")};
inline TranslatableText kDriveListTip{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Select current drive")};
inline TranslatableText kSavedInLabel{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Files currently set to be saved in")};
inline TranslatableText kStepTwoLabel{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Step (2) Click to Save Files Now")};
inline TranslatableText kStepOneLabel{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Step (1) Select File Preferences for Poster Images")};
inline TranslatableText kNewFolderLocationLabel{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "New Folder Location")};

inline TranslatableText kDriveNotAccessibleText{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "The drive you chose could not be accessed.")};
inline TranslatableText kDriveNotAccessibleTitle{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Invalid Drive")};

// Progress window
inline const QString kProgressCaption = QStringLiteral("Saving") + QStringLiteral("...");
inline const QString kCancelingText = QStringLiteral("canceling") + QStringLiteral("...");
inline TranslatableText kCancelCaption{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Cancel")};

// Completion window
inline TranslatableText kCompletionCaption{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Finished")};
inline TranslatableText kCompletionTitle{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Images Saved Successfully")};
inline TranslatableText kCompletionText{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Your poster images were saved successfully and are now ready for you to print.  They are "
    "located in the following folder:")};
inline TranslatableText kPosterSavedTitle{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "PDF Poster Saved Successfully")};
inline TranslatableText kPosterSavedText{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Your PDF poster was saved successfully and is now ready for you to print at actual size.  It is "
    "located in the following folder:")};
inline TranslatableText kFinishedCaption{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Finished")};

// When the completion link finds no program to open the folder.
inline TranslatableText kNoFolderOpenerTitle{"SaveWindowStrings", QT_TRANSLATE_NOOP("SaveWindowStrings", "Open Folder")};
inline QString noFolderOpenerText(const QString &folder)
{
    return QCoreApplication::translate("SaveWindowStrings", "No program was found to open the folder.  The tiles are in:\n") + folder;
}

} // namespace SaveWindowStrings
