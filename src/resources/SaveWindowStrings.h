#pragma once

#include <QString>

// Captions, tool tips and messages of the save dialog, the progress window and the
// completion window.
namespace SaveWindowStrings {

// Save dialog
inline const QString kSaveDialogCaption = QStringLiteral("Save Poster Image Files");
inline const QString kFileFormatFrame = QStringLiteral("File Type");
inline const QString kFileFormatTip =
    QStringLiteral("Image file format that your poster tile images will be saved as");
inline const QString kBmpOption = QStringLiteral("Bitmap (.bmp)");
inline const QString kTifOption = QStringLiteral("Tiff (.tif)");
inline const QString kJpgOption = QStringLiteral("Jpeg (.jpg)");
inline const QString kCloseCaption = QStringLiteral("close");
inline const QString kCloseTip =
    QStringLiteral("Close this dialog without generating or saving your poster Tile images");
inline const QString kSaveNowCaption = QStringLiteral("Save Images Now");
inline const QString kSaveNowTip =
    QStringLiteral("Click here to generate and save your poster Tile images now");
inline const QString kNewNameFrame = QStringLiteral("File Save Info");
inline const QString kBaseFileNameTip =
    QStringLiteral("Base name that will be used to name your poster tile image files");
inline const QString kNewFolderNameTip =
    QStringLiteral("Name of the new folder to be created to hold your poster tile images");
inline const QString kBaseFileNameLabel = QStringLiteral("Base Filename") + QStringLiteral(":");
inline const QString kNewFolderNameLabel = QStringLiteral("New Folder Name") + QStringLiteral(":");
inline const QString kFolderListTip = QStringLiteral(
    "Select folder where you want the new subfolder to be created which will contain your "
    "poster tile images");
inline const QString kDriveListTip = QStringLiteral("Select current drive");
inline const QString kSavedInLabel = QStringLiteral("Files currently set to be saved in");
inline const QString kStepTwoLabel = QStringLiteral("Step (2) Click to Save Files Now");
inline const QString kStepOneLabel =
    QStringLiteral("Step (1) Select File Preferences for Poster Images");
inline const QString kNewFolderLocationLabel = QStringLiteral("New Folder Location");

inline const QString kDriveNotAccessibleText =
    QStringLiteral("The drive you chose could not be accessed.");
inline const QString kDriveNotAccessibleTitle = QStringLiteral("Invalid Drive");

// Progress window
inline const QString kProgressCaption = QStringLiteral("Saving") + QStringLiteral("...");
inline const QString kCancelingText = QStringLiteral("canceling") + QStringLiteral("...");
inline const QString kCancelCaption = QStringLiteral("Cancel");

// Completion window
inline const QString kCompletionCaption = QStringLiteral("Finished");
inline const QString kCompletionTitle = QStringLiteral("Images Saved Successfully");
inline const QString kCompletionText = QStringLiteral(
    "Your poster images were saved successfully and are now ready for you to print.  They are "
    "located in the following folder:");
inline const QString kFinishedCaption = QStringLiteral("Finished");

// When the completion link finds no program to open the folder.
inline const QString kNoFolderOpenerTitle = QStringLiteral("Open Folder");
inline QString noFolderOpenerText(const QString &folder)
{
    return QStringLiteral("No program was found to open the folder.  The tiles are in:\n") + folder;
}

} // namespace SaveWindowStrings
