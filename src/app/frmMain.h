#pragma once

#include "app/DesktopFolders.h"
#include "imaging/LoadedPicture.h"
#include "calibration/ProfileStore.h"
#include "imaging/ImageObject.h"
#include "imaging/ImageObjectFactory.h"
#include "imaging/SourceFileStamp.h"
#include "layout/CanvasOverlay.h"
#include "layout/LayoutState.h"
#include "layout/PlacementSteps.h"
#include "prefs/MainSettings.h"
#include "prefs/PreferenceStore.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class ArrowPadWidget;
class CanvasWidget;
class FolderListWidget;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;
class frmAbout;
class frmHelp;

// The program's main and only long-lived window: the image browser, the working canvas,
// the tile and paper settings and the poster report. It owns the poster layout and the
// loaded image; the arithmetic lives in the engine, this class only wires controls to it.
// Every control carries its name as its object name.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // Settings are read from and written to the given store; the start-up sequence runs
    // before the constructor returns, leaving the window ready to be shown.
    explicit frmMain(PreferenceStore prefs = PreferenceStore(), QWidget *parent = nullptr);
    ~frmMain() override;

    // How "Exit" ends the program; by default it leaves the event loop at once.
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

    void UpdateMainFormCaption();
    void UpdatePlacementLabels();
    void UpdateOutputSize();
    void UpdateActionButtons();
    void UpdatePaperLabels();
    void RedrawCanvas();
    void SavePreferences();

    // Pointer modes: 0 arrow, 1 crosshair, 2 four-way move, 3 hourglass; others do nothing.
    void SetPointerMode(int mode);

    // Image loading
    void LoadSelectedImage();
    // Opens a picture given by path (the command line's argument, a file dropped on the
    // window): its folder in the browser and the file picked there, with the same load,
    // messages and notices as a pick. A file the list's filter hides is shown by
    // switching the filter to every file.
    void openPicture(const QString &path);
    void FitImageToCanvas();
    // Notice kinds: 1 pick a folder, 2 pick an image, 3 loading failed, 4 loading.
    void ShowCanvasNotice(int kind);
    // JPEGs of at least this many pixels are shown at reduced size at once while the
    // whole picture decodes in the background; tests lower it to use small pictures.
    void setQuickLoadFromPixels(qint64 pixels) { m_picture->setReducedFirstFromPixels(pixels); }
    // True while a picture on the canvas is still decoding whole.
    bool wholePictureLoading() const { return m_picture->state() == LoadedPicture::State::Reduced; }

    // Image browser
    void RefreshFileList(bool doNotStore = false);

    // Help and about
    void OpenHelpFile();
    void showAbout();

    // Called by the paper dialog when the user accepts a paper.
    bool setNewTileVals(const QString &sNewCurPaperName, Units iNewCurUnits, double dNewCurTileWidth,
                        double dNewCurTileHeight, double dNewCurPaperWidth, double dNewCurPaperHeight,
                        const QString &sNewPaperRegLine);
    QString getPaperRegLine() const { return m_layout.sPaperRegLine; }
    Units getCurUnits() const { return m_layout.units; }
    void setWhMarginLockedVal(int iNewVal);

    // State read by other windows and by tests.
    const LayoutState &layout() const { return m_layout; }
    bool bImgSelected() const { return m_layout.bImgSelected; }
    double dCanvasScale() const { return m_dCanvasScale; }
    const QString &sCurImgPath() const { return m_sCurImgPath; }
    const QString &sCurDrive() const { return m_sCurDrive; }
    const QString &helpFilePath() const { return m_helpFile; }
    const ImageObject &img() const { return m_picture->whole(); }
    const ImageObject &imgDisplay() const { return *m_imgDisplay; }
    const ProfileStore &profileStore() const { return m_profiles; }
    // Where the tile grid was last drawn on the canvas.
    const CanvasGrid &grid() const { return m_overlay.grid(); }
    bool bCanvasDrag() const { return m_drag.bCanvasDrag(); }
    QString currentFolder() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building the window
    void buildControls();
    void buildMenus();
    QWidget *buildBrowserPanel();
    QWidget *buildCanvasPanel();
    QWidget *buildSettingsPanel();
    void setStepTabOrder();
    void InitMainCaptions();
    void FillMainLists();
    void wireEvents();

    // Start-up
    void Form_Load();
    void RestoreStartupState();
    void restoreLastFolder();
    MainSettings LoadPreferences();
    void loadProfiles();
    void selectProfile(int index);
    void createImageObjects();

    // Image loading
    // Shows a picture just opened: the whole one, or the reduced one of a big JPEG.
    void showOpenedPicture(int rotation);
    // A whole picture that finished decoding after its reduced one was shown.
    void pictureStateChanged(LoadedPicture::State now, LoadedPicture::State before);
    // The loading notice with a bar showing how far a big picture is read.
    void showLoadProgress(int percent);
    // What needs the whole picture (saving, printing, the preview, a turn) waits for it
    // here, with the loading notice shown. False when there is no image after all, or
    // when the picture is too large to hold whole, which a message says.
    bool waitForWholePicture();

    // Keeping the layout in step with the controls
    void refreshLayoutInputs();
    bool checkTileSizes();
    void ShowTileSizeWarning();

    // Image browser events
    void Drive1_Change();
    void Dir1_Change();
    void cmbFileType_Click();
    void cmdDesktop_Click();
    void cmdMyDoc_Click();
    void goToSpecialFolder(const QString &path, const QString &failureText);
    bool showDriveAndFolder(const QString &drive, const QString &folder);

    // Image loading
    void lstFiles_Click();
    void loadFailed();
    // Shows the page controls for a page of a PDF or SVG file, hides them otherwise.
    void showPageControls();
    void spnPage_Change();
    void spnPageResolution_Change();
    // The layout that saving, printing and the report use: a page is measured at the
    // resolution chosen for it. The save dialog keeps the reference and reads it when it
    // saves; every change of the layout brings it up to date through the report.
    const LayoutState &outputLayout();
    // An unturned JPEG's tiles are cut band by band from its file, which needs neither the
    // picture in memory nor a wait for it, and its PDF poster carries the file's coded data.
    bool pictureIsUnturnedJpeg() const;
    // Tells which rows the picked picture's file could not give, if any.
    void reportDamage(const PictureDamage &damage);

    // Layout controls
    void cmbTilesWide_Click();
    void cmbTilesHigh_Click();
    void tileCountChanged();
    void chkLockWh_Click();
    void chkRotateTiles_Click();
    void cmbRotate_Click();
    void scrZoom_Change();
    void placementMoved();
    void cmbFit_Click();
    void cmdSizeToWall_Click();
    // The zoom is for filling the sheets only.
    void enableZoomForFit();
    void chkPreviewTiles_Click();
    void chkPrinterClips_Click();
    void cmbCurBtm_Click();

    // Arrow pad and dragging on the canvas
    void tmrImg_Timer();
    // A cursor key on the canvas or the arrow pad moves the grid one step.
    void stepPlacementByKey(ArrowDirection direction);
    // After a step of the arrow pad or a cursor key: the readout and the grid follow a move.
    void showPlacementStep(bool moved);
    void picCur_MouseDown(const QPointF &position, Qt::MouseButton button);
    void picCur_MouseMove(const QPointF &position);
    void picCur_MouseUp(const QPointF &position, Qt::MouseButton button);
    void applyDragResponse(const GridDrag::Response &response);

    // Other windows
    void cmdLargePreview_Click();
    void cmdSaveNow_Click();
    // File > Print...: the poster as a PDF of true paper-size pages, sent to a printer.
    void mnuPrint_Click();
    void OpenPaperDialog();
    // The "Edit" button beside the profile list and the Tools menu entry both open it.
    void openEdgeCalibration();
    int refillProfileList();
    void mirrorTileCounts();
    void stopArrowPad();
    void cmdQuit_Click();
    void scheduleRefit();


    PreferenceStore m_prefs;
    // What this window last read from or wrote to the settings file, so a save writes only
    // the values it changed and another window's changes stay.
    StoredTexts m_knownStoredTexts;
    ProfileStore m_profiles;
    LayoutState m_layout;
    CanvasOverlay m_overlay;
    GridDrag m_drag;
    SpecialFolders m_specialFolders;
    std::function<void()> m_endProgram;

    // The picture picked, as it loads; its whole pixels are the poster's source.
    std::unique_ptr<LoadedPicture> m_picture;
    std::unique_ptr<ImageObject> m_imgDisplay;
    std::unique_ptr<ImageObject> m_imgOverlay;
    std::unique_ptr<ImageObject> m_imgSpare;

    LayoutState m_pageOutputLayout;
    QString m_sCurImgPath;
    QString m_sCurDrive;
    QString m_helpFile;
    double m_dCanvasScale = 0.0;
    bool m_bSkipSettingWrite = false;
    bool m_bSkipOutputUpdate = false;
    bool m_bStartupBusy = false;

    // Step labels
    QLabel *lblPage = nullptr;
    QSpinBox *spnPage = nullptr;
    QSpinBox *spnPageResolution = nullptr;
    QLabel *lblStep1 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *lblStep4 = nullptr;
    QLabel *lblStep4Arrow = nullptr;

    // Image browser
    QComboBox *Drive1 = nullptr;
    FolderListWidget *Dir1 = nullptr;
    QComboBox *cmbFileType = nullptr;
    QListWidget *lstFiles = nullptr;
    QPushButton *cmdDesktop = nullptr;
    QPushButton *cmdMyDoc = nullptr;

    // Canvas and what sits under it
    CanvasWidget *picCur = nullptr;
    QCheckBox *chkPreviewTiles = nullptr;
    QComboBox *cmbRotate = nullptr;
    QPushButton *cmdLargePreview = nullptr;

    // Number of tiles
    QGroupBox *fraNumberTiles = nullptr;
    QLabel *lblTilesWide = nullptr;
    QLabel *lblTilesHigh = nullptr;
    QComboBox *cmbTilesWide = nullptr;
    QComboBox *cmbTilesHigh = nullptr;
    QCheckBox *chkLockWh = nullptr;
    QCheckBox *chkRotateTiles = nullptr;
    QComboBox *cmbPosterSide = nullptr;
    QLineEdit *txtPosterLength = nullptr;
    QPushButton *cmdSizeToWall = nullptr;

    // Print size per tile
    QGroupBox *fraPrintInfo = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *lblPaperName = nullptr;
    QLabel *lblPaperSize = nullptr;
    QLabel *lblTileSize = nullptr;
    QLabel *lblUnits = nullptr;
    QToolButton *cmdEditPaperSize = nullptr;
    QCheckBox *chkPrinterClips = nullptr;
    QComboBox *cmbCurBtm = nullptr;
    QPushButton *cmdConfig = nullptr;

    // Tile placement
    QGroupBox *fraTilePlacement = nullptr;
    ArrowPadWidget *imgArrow = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *lblLrValue = nullptr;
    QLabel *lblTbValue = nullptr;
    QLabel *lblZoom = nullptr;
    QLabel *lblZoomAmount = nullptr;
    QLabel *lblZoomMin = nullptr;
    QLabel *lblZoomMax = nullptr;
    QScrollBar *scrZoom = nullptr;
    QLabel *lblFit = nullptr;
    QComboBox *cmbFit = nullptr;

    // Final poster size
    QGroupBox *fraPosterSize = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *lblFinalSize = nullptr;
    QLabel *lblResolution = nullptr;
    QLabel *lblQuality = nullptr;
    QLabel *lblMPixVal = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *lblSheets = nullptr;

    QPushButton *cmdSaveNow = nullptr;
    QPushButton *cmdQuit = nullptr;

    // Menus
    QAction *mnuPrint = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuPaperSize = nullptr;
    QAction *mnuEdgeClip = nullptr;
    QAction *mnuContent = nullptr;
    QAction *mnuAbout = nullptr;

    QTimer *m_refitTimer = nullptr;
    QPointer<frmAbout> m_about;
    QPointer<frmHelp> m_help;
};
