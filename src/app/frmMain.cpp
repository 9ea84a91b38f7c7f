#include "app/frmMain.h"

#include "app/AppInfo.h"
#include "app/CanvasWidget.h"
#include "browser/Drives.h"
#include "app/FileListFilter.h"
#include "browser/FolderListWidget.h"
#include "app/ImageLoadRules.h"
#include "imaging/CanvasFit.h"
#include "app/PlacementReadout.h"
#include "app/SupportFiles.h"
#include "app/StartingPoster.h"
#include "app/frmAbout.h"
#include "app/frmHelp.h"
#include "calibration/frmBtm.h"
#include "common/Rounding.h"
#include "dialogs/MessageSeam.h"
#include "dialogs/ControlSetup.h"
#include "imaging/DecodeBudget.h"
#include "imaging/ImageFileRules.h"
#include "imaging/VectorPage.h"
#include "layout/ArrowPadWidget.h"
#include "layout/LayoutControlRules.h"
#include "layout/OutputReport.h"
#include "layout/PageResolution.h"
#include "layout/PosterSizing.h"
#include "layout/PaperLabels.h"
#include "layout/TileSizeRules.h"
#include "layout/frmPreview.h"
#include "output/PosterPrinting.h"
#include "output/TileNaming.h"
#include "output/frmSaveTiles.h"
#include "paper/PaperSelection.h"
#include "paper/frmTileSize.h"
#include "prefs/MainSettings.h"
#include "resources/AppStrings.h"
#include "resources/CliStrings.h"
#include "resources/ImagingStrings.h"
#include "resources/CanvasStrings.h"
#include "resources/LayoutStrings.h"

#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QThreadPool>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

QImage noticePicture(int kind)
{
    switch (kind) {
    case 1:
        return QImage(QStringLiteral(":/quiltera/images/pick_folder.png"));
    case 2:
        return QImage(QStringLiteral(":/quiltera/images/pick_image.png"));
    case 3:
        return QImage(QStringLiteral(":/quiltera/images/load_error.png"));
    case 4:
        return QImage(QStringLiteral(":/quiltera/images/loading.png"));
    default:
        return {};
    }
}

// The loading notice with a bar below it, filled as far as the picture is read.
QImage loadingNotice(int percent)
{
    const QImage notice = noticePicture(4);
    constexpr int kBarRoom = 14;
    QImage withBar(notice.width(), notice.height() + kBarRoom, QImage::Format_ARGB32_Premultiplied);
    withBar.fill(Qt::transparent);
    QPainter painter(&withBar);
    painter.drawImage(0, 0, notice);
    const QRect track(notice.width() / 6, notice.height() + kBarRoom / 2 - 3, notice.width() * 2 / 3, 6);
    painter.fillRect(track, QColor(0xd4, 0xdf, 0xef));
    painter.fillRect(QRect(track.topLeft(), QSize(track.width() * std::clamp(percent, 0, 100) / 100, track.height())),
                     QColor(0x3b, 0x78, 0xc9));
    return withBar;
}

} // namespace

// Resources live in a static library, so they are registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(quiltera);
}

frmMain::frmMain(PreferenceStore prefs, QWidget *parent)
    : QMainWindow(parent)
    , m_prefs(std::move(prefs))
    , m_profiles(ProfileStore::GetProfileFilePath(m_prefs))
    , m_endProgram([] { QCoreApplication::exit(0); })
{
    registerResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(QIcon(QStringLiteral(":/quiltera/images/quiltera_icon.png")));
    buildControls();
    buildMenus();
    Form_Load();
}

frmMain::~frmMain() = default;

// ---------------------------------------------------------------------------------------
// Start-up

void frmMain::Form_Load()
{
    InitMainCaptions();
    createImageObjects();
    // Filling the lists must not run their handlers, so the wiring follows the texts.
    wireEvents();
    m_bSkipSettingWrite = true;
    RestoreStartupState();
    m_layout.bTileRotated = false;
    m_layout.iImgRotation = 0;
    cmbRotate->setCurrentIndex(0);
    RefreshFileList();
    UpdateMainFormCaption();
    m_layout.iHPlacement = 100;
    m_layout.iVPlacement = 100;
    m_bSkipSettingWrite = false;
    m_helpFile = FindHelpFile(
        helpFileFolders(m_prefs.GetPref(kPrefAppDir), QCoreApplication::applicationDirPath()));
    m_specialFolders = InitSpecialFolders();
    setAcceptDrops(true);
}

void frmMain::RestoreStartupState()
{
    m_bStartupBusy = true;
    {
        const QSignalBlocker quiet(cmbFileType);
        cmbFileType->setCurrentIndex(0);
    }
    restoreLastFolder();
    {
        const QSignalBlocker quiet(spnPageResolution);
        bool stored = false;
        const int resolution = m_prefs.GetPref(kPrefPageResolution).toInt(&stored);
        spnPageResolution->setValue(stored ? resolution : VectorPage::kDefaultResolution);
    }
    showPageControls();
    const MainSettings stored = LoadPreferences();
    m_bSkipSettingWrite = true;
    m_bStartupBusy = false;
    QCoreApplication::processEvents();
    UpdatePlacementLabels();
    // The stored profile is selected once more with the start-up guard lifted, so the
    // report below is computed with its trims.
    selectProfile(stored.profileIndex);
    UpdateOutputSize();
}

void frmMain::restoreLastFolder()
{
    const QString stored = m_prefs.GetPref(kPrefLastFolder);
    if (isAccessibleFolder(stored) && showDriveAndFolder(driveOfPath(stored), stored))
        return;
    const QString home = QDir::homePath();
    showDriveAndFolder(driveOfPath(home), home);
}

bool frmMain::showDriveAndFolder(const QString &drive, const QString &folder)
{
    if (!isAccessibleFolder(folder))
        return false;
    if (Drive1->findText(drive) < 0)
        Drive1->addItem(drive);
    Drive1->setCurrentIndex(Drive1->findText(drive));
    m_sCurDrive = drive;
    return Dir1->setPath(folder);
}

MainSettings frmMain::LoadPreferences()
{
    m_bSkipSettingWrite = true;
    loadProfiles();
    const MainSettings stored = readMainSettings(m_prefs, m_profiles.profiles().size(), kMaxTilesPerSide);
    m_knownStoredTexts = readStoredTexts(m_prefs);

    // The paper comes from the starting poster; the controls below then take the rest of
    // it in the window's own order, each through its own handler.
    const LayoutState start = startingPoster(stored, m_profiles);
    takeNewPaper(m_layout, start.sPaperName, start.units, start.dTileWidth, start.dTileHeight, start.dPaperWidth,
                   start.dPaperHeight, start.sPaperRegLine);
    UpdatePaperLabels();

    chkLockWh->setChecked(stored.lockWh == 1);
    cmbTilesWide->setCurrentIndex(stored.tilesWideIndex);
    cmbTilesHigh->setCurrentIndex(stored.tilesHighIndex);
    m_bSkipOutputUpdate = true;
    chkPrinterClips->setChecked(stored.compensation == 1);
    cmbCurBtm->setEnabled(chkPrinterClips->isChecked());
    m_bSkipOutputUpdate = false;
    selectProfile(stored.profileIndex);
    chkPreviewTiles->setChecked(stored.showTiles == 1);
    cmbFit->setCurrentIndex(stored.wholePicture == 1 ? 1 : 0);
    m_layout.iMarginLocked = stored.marginLocked;
    m_bSkipSettingWrite = false;
    return stored;
}

void frmMain::loadProfiles()
{
    m_profiles.initControls();
    refillProfileList();
}

int frmMain::refillProfileList()
{
    return frmBtm::fillMainDialog(*cmbCurBtm, m_profiles.profileNames());
}

void frmMain::selectProfile(int index)
{
    if (index < 0 || index >= cmbCurBtm->count())
        index = 0;
    if (cmbCurBtm->currentIndex() == index)
        cmbCurBtm_Click();
    else
        cmbCurBtm->setCurrentIndex(index);
}

void frmMain::createImageObjects()
{
    std::unique_ptr<ImageObject> whole = createImageObject();
    m_imgDisplay = createImageObject();
    m_imgOverlay = createImageObject();
    m_imgSpare = createImageObject();
    // The fatal-error handler ends the program when an image cannot be made; should it
    // return, going on without images is still impossible.
    if (!whole || !m_imgDisplay || !m_imgOverlay || !m_imgSpare)
        std::exit(EXIT_FAILURE);
    m_picture = std::make_unique<LoadedPicture>(std::move(whole));
}

void frmMain::UpdateMainFormCaption()
{
    setWindowTitle(BuildAppCaption(true));
}

// ---------------------------------------------------------------------------------------
// Layout state, report and labels

void frmMain::refreshLayoutInputs()
{
    m_layout.tilesWideIndex = cmbTilesWide->currentIndex();
    m_layout.tilesHighIndex = cmbTilesHigh->currentIndex();
    m_layout.lockWh = chkLockWh->isChecked();
    m_layout.bTileRotated = chkRotateTiles->isChecked();
    m_layout.zoom = scrZoom->value();
    m_layout.fit = cmbFit->currentIndex() == 1 ? FitMode::WholePicture : FitMode::FillSheets;
    m_layout.compensation = chkPrinterClips->isChecked();
    m_layout.edgeTrimInches = m_profiles.FillCurEdgeTrimInches(cmbCurBtm->currentIndex());
}

bool frmMain::checkTileSizes()
{
    refreshLayoutInputs();
    double dW = 0;
    double dH = 0;
    return CheckTileSizes(m_layout, dW, dH);
}

void frmMain::ShowTileSizeWarning()
{
    messages().showMessage(tileSizeWarningText(m_layout.units), LayoutStrings::kInvalidTileSizeTitle,
                           MessageIcon::Critical);
}

void frmMain::UpdateOutputSize()
{
    if (m_bStartupBusy)
        return;
    refreshLayoutInputs();
    const std::optional<OutputReport> report = computeOutputReport(outputLayout());
    if (!report)
        return;
    lblFinalSize->setText(report->finalSize);
    lblResolution->setText(m_picture->page() && m_layout.bImgSelected
                               ? LayoutStrings::drawnFromVectorsText(report->resolution)
                               : report->resolution);
    lblQuality->setText(report->quality);
    lblMPixVal->setText(report->megapixels);
    lblSheets->setText(report->sheets);
    UpdateActionButtons();
}

void frmMain::UpdateActionButtons()
{
    refreshLayoutInputs();
    const bool enabled = actionButtonsEnabled(m_layout);
    cmdSaveNow->setEnabled(enabled);
    mnuPrint->setEnabled(enabled);
    cmdLargePreview->setEnabled(enabled);
}

void frmMain::UpdatePaperLabels()
{
    const PaperLabels labels = paperLabels(m_layout);
    lblPaperSize->setText(labels.paperSize);
    lblTileSize->setText(labels.tileSize);
    lblPaperName->setText(labels.paperName);
    lblUnits->setText(labels.units);
}

void frmMain::UpdatePlacementLabels()
{
    if (!m_layout.bImgSelected) {
        lblLrValue->setText(AppStrings::kNoValue);
        lblTbValue->setText(AppStrings::kNoValue);
        return;
    }
    const int shownWidth = nearestInt32(m_layout.lImgWidth * m_overlay.gridScale()).value_or(0);
    const int shownHeight = nearestInt32(m_layout.lImgHeight * m_overlay.gridScale()).value_or(0);
    const CanvasGrid &grid = m_overlay.grid();
    // Filling the sheets the grid moves over the picture; kept whole the picture moves
    // inside the grid, which is then the larger of the two.
    const bool whole = m_layout.fit == FitMode::WholePicture;
    const PlacementReadout horizontal = placementReadout(PlacementAxis::Horizontal, whole ? shownWidth : grid.width(),
                                                         whole ? grid.width() : shownWidth, m_layout.iHPlacement);
    const PlacementReadout vertical = placementReadout(PlacementAxis::Vertical, whole ? shownHeight : grid.height(),
                                                       whole ? grid.height() : shownHeight, m_layout.iVPlacement);
    m_layout.iHPlacement = horizontal.placement;
    m_layout.iVPlacement = vertical.placement;
    lblLrValue->setText(horizontal.text);
    lblTbValue->setText(vertical.text);
}

void frmMain::RedrawCanvas()
{
    if (!m_layout.bImgSelected)
        return;
    refreshLayoutInputs();
    switch (m_overlay.RedrawCanvas(m_layout, chkPreviewTiles->isChecked(), m_dCanvasScale, *m_imgDisplay,
                                   *m_imgOverlay, picCur->canvasSize())) {
    case CanvasRedraw::Nothing:
        break;
    case CanvasRedraw::DisplayCopy:
        picCur->setPicture(m_imgDisplay->image());
        break;
    case CanvasRedraw::Overlay:
        picCur->setPicture(m_imgOverlay->image());
        break;
    case CanvasRedraw::InvalidTileSize:
        ShowTileSizeWarning();
        // Unticking runs the box's own handler, which redraws without the grid.
        chkPreviewTiles->setChecked(false);
        break;
    case CanvasRedraw::InvalidConfiguration:
        messages().showMessage(CanvasStrings::kInvalidConfigurationText, CanvasStrings::kInvalidConfigurationTitle,
                               MessageIcon::Critical);
        picCur->setPicture(m_imgDisplay->image());
        break;
    }
}

void frmMain::SavePreferences()
{
    m_bSkipSettingWrite = true;
    MainSettings settings;
    settings.tilesWideIndex = cmbTilesWide->currentIndex();
    settings.tilesHighIndex = cmbTilesHigh->currentIndex();
    settings.paperRegLine = getPaperRegLine();
    settings.compensation = chkPrinterClips->isChecked() ? 1 : 0;
    settings.profileIndex = cmbCurBtm->currentIndex();
    settings.showTiles = chkPreviewTiles->isChecked() ? 1 : 0;
    settings.lockWh = chkLockWh->isChecked() ? 1 : 0;
    settings.marginLocked = m_layout.iMarginLocked;
    settings.wholePicture = cmbFit->currentIndex() == 1 ? 1 : 0;
    writeMainSettings(m_prefs, settings, m_knownStoredTexts);
    m_bSkipSettingWrite = false;
}

bool frmMain::setNewTileVals(const QString &sNewCurPaperName, Units iNewCurUnits, double dNewCurTileWidth,
                             double dNewCurTileHeight, double dNewCurPaperWidth, double dNewCurPaperHeight,
                             const QString &sNewPaperRegLine)
{
    takeNewPaper(m_layout, sNewCurPaperName, iNewCurUnits, dNewCurTileWidth, dNewCurTileHeight,
                     dNewCurPaperWidth, dNewCurPaperHeight, sNewPaperRegLine);
    UpdatePaperLabels();
    UpdateOutputSize();
    if (!m_bSkipSettingWrite) {
        SavePreferences();
        UpdateActionButtons();
        RedrawCanvas();
        UpdatePlacementLabels();
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Pointer

void frmMain::SetPointerMode(int mode)
{
    switch (mode) {
    case 0:
        setCursor(Qt::ArrowCursor);
        picCur->setCursor(Qt::ArrowCursor);
        break;
    case 1:
        picCur->setCursor(Qt::CrossCursor);
        break;
    case 2:
        picCur->setCursor(Qt::SizeAllCursor);
        break;
    case 3:
        setCursor(Qt::WaitCursor);
        picCur->setCursor(Qt::WaitCursor);
        break;
    default:
        break;
    }
}

void frmMain::mouseMoveEvent(QMouseEvent *event)
{
    // Over the window background a drag of the tile grid that left the canvas ends.
    m_drag.cancel();
    SetPointerMode(0);
    QMainWindow::mouseMoveEvent(event);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
        SetPointerMode(0);
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------
// Image browser

QString frmMain::currentFolder() const
{
    return Dir1->path();
}

void frmMain::RefreshFileList(bool doNotStore)
{
    const QString folder = Dir1->path();
    const std::optional<QStringList> names =
        listFolderFiles(folder, fileTypeFilterFromIndex(cmbFileType->currentIndex()));
    if (!names)
        return;
    lstFiles->clear();
    lstFiles->addItems(*names);
    ShowCanvasNotice(names->isEmpty() ? 1 : 2);
    if (!doNotStore)
        m_prefs.SavePref(kPrefLastFolder, folder);
}

void frmMain::Drive1_Change()
{
    const QString chosen = Drive1->currentText();
    const QString previousFolder = Dir1->path();
    if (chosen == m_sCurDrive)
        return;
    if (!Dir1->setPath(chosen)) {
        messages().showMessage(AppStrings::kInvalidDriveText, AppStrings::kInvalidDriveTitle,
                               MessageIcon::Critical);
        Drive1->setCurrentIndex(Drive1->findText(m_sCurDrive));
        if (!Dir1->setPath(previousFolder))
            RefreshFileList();
        return;
    }
    m_sCurDrive = chosen;
}

void frmMain::Dir1_Change()
{
    m_layout.bImgSelected = false;
    RefreshFileList();
    UpdatePlacementLabels();
    UpdateActionButtons();
}

void frmMain::cmbFileType_Click()
{
    RefreshFileList(true);
}

void frmMain::cmdDesktop_Click()
{
    goToSpecialFolder(m_specialFolders.desktop, AppStrings::kNoDesktopText);
}

void frmMain::cmdMyDoc_Click()
{
    goToSpecialFolder(m_specialFolders.documents, AppStrings::kNoMyDocText);
}

void frmMain::goToSpecialFolder(const QString &path, const QString &failureText)
{
    if (!m_specialFolders.found || !showDriveAndFolder(driveOfPath(path), path))
        messages().showMessage(failureText, AppStrings::kProblemTitle, MessageIcon::Critical);
}

// ---------------------------------------------------------------------------------------
// Image loading

void frmMain::lstFiles_Click()
{
    // Another file opens at its first page.
    m_picture->setPageNumber(1);
    LoadSelectedImage();
    UpdateActionButtons();
    frmSaveTiles::unloadOpenDialog();
}

void frmMain::openPicture(const QString &path)
{
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (!showDriveAndFolder(driveOfPath(folder), folder))
        return;
    auto listed = [this, &file] { return lstFiles->findItems(file.fileName(), Qt::MatchExactly); };
    if (listed().isEmpty() && cmbFileType->currentIndex() != int(FileTypeFilter::AllFiles))
        cmbFileType->setCurrentIndex(int(FileTypeFilter::AllFiles));
    const QList<QListWidgetItem *> found = listed();
    if (found.isEmpty()) {
        loadFailed();
        return;
    }
    lstFiles->setCurrentItem(found.first());
    lstFiles_Click();
}

// The first local file of a drag is what a drop would open.
static QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return QString();
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openPicture(path);
}

void frmMain::ShowCanvasNotice(int kind)
{
    const QImage notice = noticePicture(kind);
    if (!notice.isNull())
        picCur->setPicture(notice);
}

void frmMain::showLoadProgress(int percent)
{
    picCur->setPicture(loadingNotice(percent));
    picCur->repaint();
}

void frmMain::LoadSelectedImage()
{
    m_picture->stopLoading();
    QListWidgetItem *selected = lstFiles->currentItem();
    if (selected == nullptr || !selected->isSelected()) {
        picCur->clearPicture();
        m_layout.bImgSelected = false;
        UpdateOutputSize();
        return;
    }
    if (!checkTileSizes())
        chkPreviewTiles->setChecked(false);

    const QString name = selected->text();
    // A name that cannot be loaded never shows the loading notice.
    if (!ImageFileRules::hasLoadableImageEnding(name)) {
        if (explainsLoadFailure(name)) {
            const LoadedSourceImage refusal = sourceLoadFailure(CliStrings::kUnloadableEnding);
            messages().showMessage(refusal.errorText, refusal.errorTitle, MessageIcon::Critical);
        }
        loadFailed();
        return;
    }
    const QString path = QDir(Dir1->path()).filePath(name);
    SetPointerMode(3);
    ShowCanvasNotice(4);
    picCur->repaint();
    // The window answers while a big picture loads: nothing acts on the picture before.
    m_layout.bImgSelected = false;
    UpdateOutputSize();

    const int rotation = rotationForListIndex(cmbRotate->currentIndex());
    if (!m_picture->open(path, rotation, picCur->canvasSize())) {
        if (m_picture->failure().stopped)
            return;
        if (m_picture->failure().tooSmall || explainsLoadFailure(name))
            messages().showMessage(m_picture->failure().text, m_picture->failure().title, MessageIcon::Critical);
        loadFailed();
        return;
    }
    m_sCurImgPath = path;
    showOpenedPicture(rotation);
}

const LayoutState &frmMain::outputLayout()
{
    if (!m_picture->page())
        return m_layout;
    const std::optional<PageLayout> page = layoutAtResolution(m_layout, spnPageResolution->value());
    m_pageOutputLayout = page ? page->layout : m_layout;
    return m_pageOutputLayout;
}

void frmMain::showPageControls()
{
    const std::shared_ptr<const VectorPage> &page = m_picture->page();
    const int pages = page ? page->pageCount() : 1;
    const QSignalBlocker quiet(spnPage);
    spnPage->setRange(1, pages);
    spnPage->setValue(page ? page->pageNumber() : 1);
    spnPage->setSuffix(AppStrings::pageOfSuffix(pages));
    lblPage->setVisible(pages > 1);
    spnPage->setVisible(pages > 1);
    spnPageResolution->setVisible(page != nullptr);
}

void frmMain::spnPage_Change()
{
    m_picture->setPageNumber(spnPage->value());
    LoadSelectedImage();
}

void frmMain::spnPageResolution_Change()
{
    if (!m_bSkipSettingWrite)
        m_prefs.SavePref(kPrefPageResolution, QString::number(spnPageResolution->value()));
    UpdateOutputSize();
}

void frmMain::showOpenedPicture(int rotation)
{
    const QSize size = m_picture->size();
    m_layout.lImgWidth = size.width();
    m_layout.lImgHeight = size.height();
    m_layout.iImgRotation = rotation;
    showPageControls();
    FitImageToCanvas();
    SetPointerMode(0);
    if (m_layout.bImgSelected) // a failed fit drops the picture
        reportDamage(m_picture->damage());
}

void frmMain::pictureStateChanged(LoadedPicture::State now, LoadedPicture::State before)
{
    // The canvas keeps the display copy made from the reduced picture until the next fit.
    if (before == LoadedPicture::State::Reduced && now == LoadedPicture::State::Failed) {
        loadFailed();
        UpdateActionButtons();
    }
}

void frmMain::reportDamage(const PictureDamage &damage)
{
    if (damage.found())
        messages().showMessage(damage.text(), ImagingStrings::kDamagedImageTitle, MessageIcon::Exclamation);
}

bool frmMain::waitForWholePicture()
{
    if (!m_picture->hasReducedPicture() || m_picture->page())
        return m_layout.bImgSelected;
    if (m_picture->state() == LoadedPicture::State::TooLargeToHold) {
        messages().showMessage(AppStrings::pictureTooLargeText(m_picture->tooLargeText()),
                               AppStrings::kPictureTooLargeTitle, MessageIcon::Exclamation);
        return false;
    }
    SetPointerMode(3);
    ShowCanvasNotice(4);
    picCur->repaint();
    const bool loaded = m_picture->waitForWhole();
    if (loaded)
        RedrawCanvas();
    SetPointerMode(0);
    return loaded;
}

void frmMain::loadFailed()
{
    m_picture->stopLoading();
    showPageControls();
    ShowCanvasNotice(3);
    m_layout.bImgSelected = false;
    UpdateOutputSize();
    SetPointerMode(0);
}

void frmMain::FitImageToCanvas()
{
    const QSize room = picCur->canvasSize();
    const CanvasFit fit =
        fitImageToCanvas(m_layout.lImgWidth, m_layout.lImgHeight, room.width(), room.height());
    const bool copied = m_picture->hasReducedPicture()
        ? bool(m_imgDisplay->FromPixelArray(m_picture->reducedPicture()))
        : bool(m_imgDisplay->FromImage(m_picture->whole()));
    if (!copied || !m_imgDisplay->Resize(fit.width, fit.height)) {
        loadFailed();
        return;
    }
    m_dCanvasScale = fit.scale;
    m_layout.bImgSelected = true;
    RedrawCanvas();
    UpdateOutputSize();
    UpdatePlacementLabels();
    UpdateActionButtons();
}

void frmMain::scheduleRefit()
{
    if (m_layout.bImgSelected)
        m_refitTimer->start();
}

// ---------------------------------------------------------------------------------------
// Layout controls

void frmMain::cmbTilesWide_Click()
{
    if (m_bStartupBusy)
        return;
    refreshLayoutInputs();
    if (!chooseTilesWide(m_layout, cmbTilesWide->currentIndex()))
        return;
    mirrorTileCounts();
    tileCountChanged();
}

void frmMain::cmbTilesHigh_Click()
{
    if (m_bStartupBusy)
        return;
    refreshLayoutInputs();
    if (!chooseTilesHigh(m_layout, cmbTilesHigh->currentIndex()))
        return;
    mirrorTileCounts();
    tileCountChanged();
}

void frmMain::mirrorTileCounts()
{
    // The lists show what the layout holds; the change itself is handled once, by the
    // handler that made it.
    const QSignalBlocker quietWide(cmbTilesWide);
    const QSignalBlocker quietHigh(cmbTilesHigh);
    cmbTilesWide->setCurrentIndex(m_layout.tilesWideIndex);
    cmbTilesHigh->setCurrentIndex(m_layout.tilesHighIndex);
}

void frmMain::tileCountChanged()
{
    UpdateOutputSize();
    RedrawCanvas();
    if (!m_bSkipSettingWrite)
        SavePreferences();
    UpdatePlacementLabels();
}

void frmMain::chkLockWh_Click()
{
    refreshLayoutInputs();
    const int highBefore = m_layout.tilesHighIndex;
    chooseLockWh(m_layout, chkLockWh->isChecked());
    if (m_layout.tilesHighIndex != highBefore) {
        mirrorTileCounts();
        if (!m_bStartupBusy)
            tileCountChanged();
    }
    if (!m_bSkipSettingWrite)
        SavePreferences();
}

void frmMain::chkRotateTiles_Click()
{
    m_layout.bTileRotated = chkRotateTiles->isChecked();
    RedrawCanvas();
    UpdateOutputSize();
    UpdatePlacementLabels();
}

void frmMain::cmbRotate_Click()
{
    if (!m_layout.bImgSelected)
        return;
    // A turn that cannot be made leaves the picture as it is and the list showing so.
    const auto keepTurn = [this] {
        const QSignalBlocker quiet(cmbRotate);
        cmbRotate->setCurrentIndex(listIndexForRotation(m_layout.iImgRotation));
    };
    // A page is drawn again, turned.
    if (m_picture->page()) {
        LoadSelectedImage();
        return;
    }
    if (!waitForWholePicture()) {
        keepTurn();
        return;
    }
    // The turned copy is made beside the picture: without room for it the picture stays.
    if (const ImagingResult room = DecodeBudget::checkRoomFor(m_picture->whole().image().sizeInBytes()); !room) {
        messages().showMessage(AppStrings::turnRefusedText(room.errorText()), AppStrings::kPictureTooLargeTitle,
                               MessageIcon::Exclamation);
        keepTurn();
        return;
    }
    switch (RotateImageTo(m_picture->whole(), m_layout, rotationForListIndex(cmbRotate->currentIndex()))) {
    case ImageTurn::Unchanged:
        break;
    case ImageTurn::Turned:
        FitImageToCanvas();
        break;
    case ImageTurn::Failed:
        loadFailed();
        break;
    }
    UpdateOutputSize();
}

void frmMain::scrZoom_Change()
{
    lblZoomAmount->setText(zoomReadoutText(scrZoom->value()));
    RedrawCanvas();
    UpdateOutputSize();
    UpdatePlacementLabels();
}

void frmMain::enableZoomForFit()
{
    const bool fills = cmbFit->currentIndex() == 0;
    for (QWidget *zoom : std::initializer_list<QWidget *>{lblZoom, lblZoomAmount, lblZoomMin, lblZoomMax, scrZoom})
        zoom->setEnabled(fills);
}

void frmMain::cmbFit_Click()
{
    enableZoomForFit();
    if (m_bStartupBusy)
        return;
    RedrawCanvas();
    UpdateOutputSize();
    UpdatePlacementLabels();
    if (!m_bSkipSettingWrite)
        SavePreferences();
}

void frmMain::cmdSizeToWall_Click()
{
    refreshLayoutInputs();
    const std::optional<double> inches = parseLengthInches(txtPosterLength->text(), m_layout.units);
    if (!inches) {
        messages().showMessage(AppStrings::kBadPosterLength, AppStrings::kBadPosterLengthTitle, MessageIcon::Critical);
        return;
    }
    if (!m_layout.bImgSelected)
        return;
    const PosterSide side = cmbPosterSide->currentIndex() == 0 ? PosterSide::Width : PosterSide::Height;
    const std::optional<TileCounts> counts = tilesForPosterSize(m_layout, side, *inches);
    if (!counts) {
        messages().showMessage(LayoutStrings::kPosterTooLarge, LayoutStrings::kPosterTooLargeTitle, MessageIcon::Critical);
        return;
    }
    // The counts set here may differ across and down.
    if (counts->wide != counts->high)
        chkLockWh->setChecked(false);
    sizePosterToWall(m_layout, *counts);
    mirrorTileCounts();
    {
        const QSignalBlocker quietFit(cmbFit);
        cmbFit->setCurrentIndex(1);
    }
    enableZoomForFit();
    tileCountChanged();
}

void frmMain::chkPreviewTiles_Click()
{
    if (m_bSkipSettingWrite)
        return;
    if (chkPreviewTiles->isChecked() && !checkTileSizes()) {
        ShowTileSizeWarning();
        chkPreviewTiles->setChecked(false);
        return;
    }
    RedrawCanvas();
    SavePreferences();
}

void frmMain::chkPrinterClips_Click()
{
    const bool ticked = chkPrinterClips->isChecked();
    cmbCurBtm->setEnabled(ticked);
    if (m_bSkipOutputUpdate)
        return;
    UpdateOutputSize();
    RedrawCanvas();
    UpdatePlacementLabels();
    if (m_bSkipSettingWrite)
        return;
    SavePreferences();
    if (ticked && m_profiles.IsInitialProfile(cmbCurBtm->currentIndex()))
        messages().showMessage(AppStrings::kEdgeIntroText, AppStrings::kEdgeIntroTitle,
                               MessageIcon::Information);
}

void frmMain::cmbCurBtm_Click()
{
    UpdateOutputSize();
    RedrawCanvas();
    if (!m_bSkipSettingWrite)
        SavePreferences();
}

// ---------------------------------------------------------------------------------------
// Arrow pad and dragging the grid on the canvas

void frmMain::tmrImg_Timer()
{
    showPlacementStep(imgArrow->StepPlacement(m_layout));
}

void frmMain::stepPlacementByKey(ArrowDirection direction)
{
    showPlacementStep(ArrowRepeat::stepOnce(m_layout, direction));
}

void frmMain::showPlacementStep(bool moved)
{
    if (moved)
        placementMoved();
}

void frmMain::placementMoved()
{
    UpdatePlacementLabels();
    RedrawCanvas();
    // Moving a picture kept whole changes which sheets it reaches.
    if (m_layout.fit == FitMode::WholePicture)
        UpdateOutputSize();
}

void frmMain::stopArrowPad()
{
    imgArrow->SetArrowDirection(ArrowDirection::None);
}

void frmMain::picCur_MouseDown(const QPointF &position, Qt::MouseButton button)
{
    applyDragResponse(
        m_drag.mouseDown(m_layout, m_overlay.grid(), position.x(), position.y(), button == Qt::LeftButton));
}

void frmMain::picCur_MouseMove(const QPointF &position)
{
    applyDragResponse(m_drag.mouseMove(m_layout, m_overlay.grid(), m_overlay.gridScale(), position.x(), position.y()));
}

void frmMain::picCur_MouseUp(const QPointF &position, Qt::MouseButton)
{
    applyDragResponse(m_drag.mouseUp(m_layout, m_overlay.grid(), m_overlay.gridScale(), position.x(), position.y()));
}

void frmMain::applyDragResponse(const GridDrag::Response &response)
{
    if (response.pointer)
        SetPointerMode(int(*response.pointer));
    if (response.placementMoved)
        placementMoved();
}

// ---------------------------------------------------------------------------------------
// Other windows: preview, save, paper and edge calibration dialogs open from here.

void frmMain::cmdLargePreview_Click()
{
    refreshLayoutInputs();
    if (!waitForWholePicture())
        return;
    SetPointerMode(3);
    if (m_picture->page()) {
        // The page drawn at about the size of the screen's preview, not at print size.
        const QSize whole(m_layout.lImgWidth, m_layout.lImgHeight);
        const QSize drawn = whole.scaled(whole.boundedTo(QSize(4000, 4000)), Qt::KeepAspectRatio);
        const QImage page = m_picture->page()->draw(drawn, m_picture->pageTurn(), QRect(QPoint(), drawn));
        frmPreview::open(this, m_layout, page, double(drawn.width()) / whole.width());
    } else {
        frmPreview::open(this, m_layout, m_picture->whole());
    }
    SetPointerMode(0);
}

void frmMain::mnuPrint_Click()
{
    refreshLayoutInputs();
    // A picture too large to hold is printed band by band from its file.
    if (!m_picture->isCutFromFile() && !waitForWholePicture())
        return;
    PosterPrinting::printFromMainWindow(this, outputLayout(), *m_picture, pictureIsUnturnedJpeg(),
                                        tilesNamedAfter(QFileInfo(m_sCurImgPath).fileName()), m_prefs);
}

void frmMain::cmdSaveNow_Click()
{
    refreshLayoutInputs();
    // The names are suggested from the image that is loaded, which the file list may no
    // longer show selected once its filter has changed.
    frmSaveTiles *dialog = frmSaveTiles::openFromMainWindow(outputLayout(), m_picture->whole(), Dir1->path(),
                                                            tilesNamedAfter(QFileInfo(m_sCurImgPath).fileName()), this,
                                                            m_prefs);
    if (!dialog)
        return;
    dialog->setPicture(*m_picture, pictureIsUnturnedJpeg(), [this] { return waitForWholePicture(); });
}

bool frmMain::pictureIsUnturnedJpeg() const
{
    return m_layout.iImgRotation == 0 && ImageFileRules::ownTileFormat(m_sCurImgPath) == ImageFileType::Jpeg;
}

void frmMain::OpenPaperDialog()
{
    frmTileSize::OpenPaperDialog(
        this, m_layout.sPaperRegLine, m_layout.iMarginLocked,
        [this](const PaperValues &paper, const QString &regLine) {
            setNewTileVals(paper.paperName, paper.units, paper.tileWidth, paper.tileHeight, paper.paperWidth,
                           paper.paperHeight, regLine);
        },
        [this](int locked) { setWhMarginLockedVal(locked); });
}

void frmMain::setWhMarginLockedVal(int iNewVal)
{
    // The paper dialog hands the lock over after the paper itself, so a changed lock
    // has to be stored here or it would wait for the next unrelated change.
    const bool changed = m_layout.iMarginLocked != iNewVal;
    m_layout.iMarginLocked = iNewVal;
    if (changed && !m_bSkipSettingWrite)
        SavePreferences();
}

void frmMain::openEdgeCalibration()
{
    refreshLayoutInputs();
    EdgeCalibrationRequest request;
    request.store = &m_profiles;
    request.layout = m_layout;
    request.printInfoCaption = fraPrintInfo->title();
    request.refillMainProfileList = [this] { return refillProfileList(); };
    frmBtm::showEdgeCalibration(this, request);
    // The active profile's edges may have changed in the dialog.
    UpdateOutputSize();
    RedrawCanvas();
}

// ---------------------------------------------------------------------------------------
// Help and about

void frmMain::OpenHelpFile()
{
    if (m_helpFile.isEmpty() || !QFileInfo(m_helpFile).isFile()) {
        messages().showMessage(AppStrings::kHelpMissingStart + QStringLiteral(" (") + AppStrings::kHelpFileName
                                   + QStringLiteral(") ") + AppStrings::kHelpMissingEnd,
                               AppStrings::kHelpMissingTitle, MessageIcon::Critical);
        return;
    }
    if (m_help.isNull())
        m_help = new frmHelp(this);
    m_help->showFile(m_helpFile);
}

void frmMain::showAbout()
{
    if (m_about.isNull())
        m_about = new frmAbout(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

// ---------------------------------------------------------------------------------------
// Ending

void frmMain::cmdQuit_Click()
{
    stopArrowPad();
    m_endProgram();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    m_picture->stopLoading();
    SavePreferences();
    stopArrowPad();
    event->accept();
    m_endProgram();
}
