#pragma once

#include "prefs/PreferenceStore.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class AssemblyAidsWidget;
class FolderListWidget;
class ImageObject;
class LoadedPicture;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct LayoutState;

// The save dialog: where the new folder of tile files goes, its name, the base name of
// the files and their format. "Save Images Now" runs the save with the layout and image
// as they are at that moment, then the dialog closes whatever happened.
class frmSaveTiles : public QWidget
{
    Q_OBJECT
public:
    // What the main window's "Save Poster Tile Images" button calls. Checks the layout
    // and the selected file (telling the user through the message seam why not), then
    // shows the dialog modeless with suggested names and returns it; nullptr when refused.
    // The layout and the image are read again when the save starts, so they must live as
    // long as the parent window that owns them. A dialog still open from before is
    // replaced by a fresh one.
    // The PDF poster's assembly aids are read from and written to prefs.
    static frmSaveTiles *openFromMainWindow(const LayoutState &layout, const ImageObject &source,
                                            const QString &currentFolder, const QString &selectedFileName,
                                            QWidget *parent, const PreferenceStore &prefs = PreferenceStore());

    // Closes the dialog opened by openFromMainWindow, if one is open: a pick of another
    // picture must not leave the old picture's folder and names on offer.
    static void unloadOpenDialog();

    frmSaveTiles(const LayoutState &layout, const ImageObject &source, QWidget *parent = nullptr,
                 const PreferenceStore &prefs = PreferenceStore());

    // The picture the tiles come from, which says whether its file can serve: the tiles of
    // an unturned JPEG are cut band by band from the file without waiting for or reading
    // the picture in memory (a PDF poster's only when the picture is too large to hold,
    // since the picture in memory serves it faster), while the file is still the one the
    // picture was read from; otherwise the save waits for the whole picture. Its damage
    // refuses a poster needing rows the file could not give before any tile is cut.
    void setPicture(const LoadedPicture &picture, bool unturnedJpeg, std::function<bool()> waitForWholePicture);

    void UpdateSaveFolderLabel();
    // The drive list's change: the folder list moves to the drive; a drive that cannot be
    // read is reported and the list returns to the last good drive.
    void drvTile_Change();

    // The folder in which the new folder will be made.
    QString dirTilePath() const;
    // 1 JPEG, 3 TIFF, 6 BMP from the format buttons; 0 when none is set or the PDF poster is.
    int selectedFileTypeCode() const;
    bool pdfPosterChosen() const;
    // The new folder the files go into; none for a PDF poster.
    QString newFolderName() const;
    void showFormatChoice(bool pdfPoster);

    FolderListWidget *dirTile = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The controls, found by their object names from outside.
    QComboBox *drvTile = nullptr;
    QLineEdit *txtNewFolderName = nullptr;
    QLineEdit *txtBaseFileName = nullptr;
    QGroupBox *fraNewName = nullptr;
    QGroupBox *fraFileFormat = nullptr;
    QRadioButton *opbBmp = nullptr;
    QRadioButton *opbTif = nullptr;
    QRadioButton *opbJpg = nullptr;
    QRadioButton *opbPdf = nullptr;
    AssemblyAidsWidget *fraAssemblyAids = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *lblDir = nullptr;
    QLabel *lblPath = nullptr;
    QPushButton *cmdSaveNow = nullptr;
    QPushButton *cmdClose = nullptr;

    void buildControls();
    void InitSaveDialogText();
    void fillDriveList(const QString &driveToInclude);
    // Selects the drive in the list as the drive list's own change would.
    void selectDrive(const QString &drive);
    void selectFileType(int fileTypeCode);
    void cmdSaveNow_Click();
    void processSaveNow();

    PreferenceStore m_prefs;
    // A JPEG source makes a PDF of JPEG pictures at the tiles' quality.
    bool m_sourceIsJpeg = false;
    const LayoutState &m_layout;
    const ImageObject &m_source;
    const LoadedPicture *m_picture = nullptr;
    bool m_unturnedJpeg = false;
    std::function<bool()> m_waitForWholePicture;
    QButtonGroup *m_formats = nullptr;
    QString sLastGoodDrive;
    bool m_saving = false;
};
