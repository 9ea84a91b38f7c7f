// The main window's controls and menus, their captions and lists, and how their events
// are wired; start-up and the handlers are in frmMain.cpp.
#include "app/frmMain.h"

#include "app/AppInfo.h"
#include "app/CanvasWidget.h"
#include "browser/Drives.h"
#include "app/FileListFilter.h"
#include "browser/FolderListWidget.h"
#include "app/ImageLoadRules.h"
#include "app/PlacementReadout.h"
#include "app/SupportFiles.h"
#include "app/StartingPoster.h"
#include "app/frmAbout.h"
#include "app/frmHelp.h"
#include "calibration/frmBtm.h"
#include "common/Rounding.h"
#include "dialogs/MessageSeam.h"
#include "dialogs/ControlSetup.h"
#include "imaging/ImageFileRules.h"
#include "imaging/VectorPage.h"
#include "layout/ArrowPadWidget.h"
#include "layout/LayoutControlRules.h"
#include "layout/OutputReport.h"
#include "layout/PaperLabels.h"
#include "layout/TileSizeRules.h"
#include "layout/frmPreview.h"
#include "output/frmSaveTiles.h"
#include "paper/PaperSelection.h"
#include "paper/frmTileSize.h"
#include "prefs/MainSettings.h"
#include "resources/AppStrings.h"
#include "resources/CanvasStrings.h"
#include "resources/LayoutStrings.h"
#include "resources/PosterStrings.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdlib>
namespace {

constexpr int kRefitDelayMs = 150;
constexpr int kListMinimumHeight = 90;
constexpr QSize kPreferredWindowSize(1200, 760);
// What a window manager typically takes for the title bar and the frame.
constexpr QSize kWindowFrameAllowance(16, 48);

QSize roomOnScreen(const QScreen *screen)
{
    if (!screen)
        return kPreferredWindowSize;
    return screen->availableGeometry().size() - kWindowFrameAllowance;
}

QString withColon(const QString &text)
{
    return text + QLatin1Char(':');
}

} // namespace

// ---------------------------------------------------------------------------------------
// Building the window

void frmMain::buildControls()
{
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->addWidget(buildBrowserPanel(), 0);
    columns->addWidget(buildCanvasPanel(), 1);
    columns->addWidget(buildSettingsPanel(), 0);
    // On a screen smaller than the controls need (a small laptop at 200 % scaling) the
    // window scrolls instead of cutting the Save row or the settings off; on any larger
    // one the canvas takes the room that is left.
    auto *scroller = named(new QScrollArea(this), "scrMainWindow");
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(central);
    setCentralWidget(scroller);
    resize(kPreferredWindowSize.boundedTo(roomOnScreen(screen())));
    // Plain moves over the background reach mouseMoveEvent only through widgets that
    // track the mouse; they reset the pointer and end a drag that left the canvas.
    for (QWidget *background : central->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        background->setMouseTracking(true);
    for (QWidget *background : {central, scroller->viewport(), static_cast<QWidget *>(scroller)})
        background->setMouseTracking(true);
    setMouseTracking(true);

    setStepTabOrder();

    m_refitTimer = new QTimer(this);
    m_refitTimer->setSingleShot(true);
    m_refitTimer->setInterval(kRefitDelayMs);
}

void frmMain::setStepTabOrder()
{
    // Tab follows the four steps: the picture, the print size, the tiles, then saving.
    const QList<QWidget *> order{
        cmdDesktop, cmdMyDoc, Drive1, Dir1, cmbFileType, lstFiles,                     // the picture
        cmdEditPaperSize, chkPrinterClips, cmdConfig, cmbCurBtm,                        // print size
        cmbTilesWide, cmbTilesHigh, chkLockWh, chkRotateTiles, cmbPosterSide, txtPosterLength, // the tiles
        cmdSizeToWall, imgArrow, cmbFit, scrZoom,
        picCur, chkPreviewTiles, cmbRotate, spnPage, spnPageResolution, cmdLargePreview, // view
        cmdSaveNow, cmdQuit};                                                            // and save
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QWidget *frmMain::buildBrowserPanel()
{
    auto *panel = new QWidget(this);
    auto *box = new QVBoxLayout(panel);
    box->setContentsMargins(0, 0, 0, 0);
    lblStep1 = named(new QLabel(panel), "lblStep1");
    setBoldFont(lblStep1);
    // The side columns have a fixed width; a long step text (as translated) wraps in them.
    lblStep1->setWordWrap(true);
    box->addWidget(lblStep1);

    auto *shortcuts = new QHBoxLayout;
    cmdDesktop = named(new QPushButton(panel), "cmdDesktop");
    cmdMyDoc = named(new QPushButton(panel), "cmdMyDoc");
    shortcuts->addWidget(cmdDesktop);
    shortcuts->addWidget(cmdMyDoc);
    box->addLayout(shortcuts);

    Drive1 = named(new QComboBox(panel), "Drive1");
    box->addWidget(Drive1);
    Dir1 = named(new FolderListWidget(panel), "Dir1");
    Dir1->setMinimumHeight(kListMinimumHeight);
    box->addWidget(Dir1, 1);
    cmbFileType = named(new QComboBox(panel), "cmbFileType");
    box->addWidget(cmbFileType);
    lstFiles = named(new QListWidget(panel), "lstFiles");
    lstFiles->setMinimumHeight(kListMinimumHeight);
    box->addWidget(lstFiles, 1);
    panel->setMinimumWidth(230);
    panel->setMaximumWidth(340);
    Dir1->installEventFilter(this);
    lstFiles->installEventFilter(this);
    return panel;
}

QWidget *frmMain::buildCanvasPanel()
{
    auto *panel = new QWidget(this);
    auto *box = new QVBoxLayout(panel);
    box->setContentsMargins(0, 0, 0, 0);
    Label11 = named(new QLabel(panel), "Label11");
    Label11->setFont(lblStep1->font());
    box->addWidget(Label11);
    picCur = named(new CanvasWidget(panel), "picCur");
    box->addWidget(picCur, 1);

    auto *underCanvas = new QHBoxLayout;
    chkPreviewTiles = named(new QCheckBox(panel), "chkPreviewTiles");
    cmbRotate = named(new QComboBox(panel), "cmbRotate");
    cmdLargePreview = named(new QPushButton(panel), "cmdLargePreview");
    cmdLargePreview->installEventFilter(this);
    lblPage = named(new QLabel(panel), "lblPage");
    spnPage = named(new QSpinBox(panel), "spnPage");
    spnPage->setKeyboardTracking(false);
    lblPage->setBuddy(spnPage);
    spnPageResolution = named(new QSpinBox(panel), "spnPageResolution");
    spnPageResolution->setRange(VectorPage::kMinResolution, VectorPage::kMaxResolution);
    spnPageResolution->setSingleStep(50);
    spnPageResolution->setKeyboardTracking(false);
    underCanvas->addWidget(chkPreviewTiles);
    underCanvas->addWidget(cmbRotate);
    underCanvas->addSpacing(8);
    underCanvas->addWidget(lblPage);
    underCanvas->addWidget(spnPage);
    underCanvas->addWidget(spnPageResolution);
    underCanvas->addStretch(1);
    underCanvas->addWidget(cmdLargePreview);
    box->addLayout(underCanvas);

    auto *saveRow = new QHBoxLayout;
    lblStep4 = named(new QLabel(panel), "lblStep4");
    lblStep4->setFont(lblStep1->font());
    lblStep4Arrow = named(new QLabel(panel), "lblStep4Arrow");
    lblStep4Arrow->setFont(lblStep1->font());
    cmdSaveNow = named(new QPushButton(panel), "cmdSaveNow");
    cmdSaveNow->installEventFilter(this);
    cmdQuit = named(new QPushButton(panel), "cmdQuit");
    cmdQuit->installEventFilter(this);
    saveRow->addWidget(lblStep4);
    saveRow->addWidget(lblStep4Arrow);
    saveRow->addWidget(cmdSaveNow);
    saveRow->addStretch(1);
    saveRow->addWidget(cmdQuit);
    box->addLayout(saveRow);
    return panel;
}

QWidget *frmMain::buildSettingsPanel()
{
    auto *panel = new QWidget(this);
    auto *box = new QVBoxLayout(panel);
    box->setContentsMargins(0, 0, 0, 0);
    Label7 = named(new QLabel(panel), "Label7");
    Label7->setFont(lblStep1->font());
    Label7->setWordWrap(true);
    box->addWidget(Label7);

    fraPrintInfo = named(new QGroupBox(panel), "fraPrintInfo");
    auto *paperGrid = new QGridLayout(fraPrintInfo);
    Label1 = named(new QLabel(fraPrintInfo), "Label1");
    Label9 = named(new QLabel(fraPrintInfo), "Label9");
    Label14 = named(new QLabel(fraPrintInfo), "Label14");
    Label12 = named(new QLabel(fraPrintInfo), "Label12");
    lblPaperName = named(new QLabel(fraPrintInfo), "lblPaperName");
    lblPaperName->setWordWrap(true);
    lblPaperSize = named(new QLabel(fraPrintInfo), "lblPaperSize");
    lblTileSize = named(new QLabel(fraPrintInfo), "lblTileSize");
    lblUnits = named(new QLabel(fraPrintInfo), "lblUnits");
    cmdEditPaperSize = named(new QToolButton(fraPrintInfo), "cmdEditPaperSize");
    cmdEditPaperSize->setIcon(QIcon(QStringLiteral(":/quiltera/images/edit_paper.png")));
    cmdEditPaperSize->setIconSize(QSize(40, 28));
    paperGrid->addWidget(Label1, 0, 0);
    paperGrid->addWidget(lblPaperName, 0, 1);
    paperGrid->addWidget(cmdEditPaperSize, 0, 2, 2, 1, Qt::AlignTop);
    paperGrid->addWidget(Label9, 1, 0);
    paperGrid->addWidget(lblPaperSize, 1, 1);
    paperGrid->addWidget(Label14, 2, 0);
    paperGrid->addWidget(lblTileSize, 2, 1);
    paperGrid->addWidget(Label12, 3, 0);
    paperGrid->addWidget(lblUnits, 3, 1);
    auto *edgeRow = new QHBoxLayout;
    chkPrinterClips = named(new QCheckBox(fraPrintInfo), "chkPrinterClips");
    cmdConfig = named(new QPushButton(fraPrintInfo), "cmdConfig");
    edgeRow->addWidget(chkPrinterClips);
    edgeRow->addStretch(1);
    edgeRow->addWidget(cmdConfig);
    paperGrid->addLayout(edgeRow, 4, 0, 1, 3);
    cmbCurBtm = named(new QComboBox(fraPrintInfo), "cmbCurBtm");
    paperGrid->addWidget(cmbCurBtm, 5, 0, 1, 3);
    paperGrid->setColumnStretch(1, 1);
    box->addWidget(fraPrintInfo);

    fraNumberTiles = named(new QGroupBox(panel), "fraNumberTiles");
    auto *tilesGrid = new QGridLayout(fraNumberTiles);
    lblTilesWide = named(new QLabel(fraNumberTiles), "lblTilesWide");
    lblTilesHigh = named(new QLabel(fraNumberTiles), "lblTilesHigh");
    cmbTilesWide = named(new QComboBox(fraNumberTiles), "cmbTilesWide");
    cmbTilesHigh = named(new QComboBox(fraNumberTiles), "cmbTilesHigh");
    chkLockWh = named(new QCheckBox(fraNumberTiles), "chkLockWh");
    chkRotateTiles = named(new QCheckBox(fraNumberTiles), "chkRotateTiles");
    tilesGrid->addWidget(lblTilesWide, 0, 0);
    tilesGrid->addWidget(cmbTilesWide, 0, 1);
    tilesGrid->addWidget(lblTilesHigh, 0, 2);
    tilesGrid->addWidget(cmbTilesHigh, 0, 3);
    tilesGrid->addWidget(chkLockWh, 1, 0, 1, 4);
    // The poster sized by the wall shares the turn's row: the panel has no height to spare.
    cmbPosterSide = named(new QComboBox(fraNumberTiles), "cmbPosterSide");
    txtPosterLength = named(new QLineEdit(fraNumberTiles), "txtPosterLength");
    txtPosterLength->setMinimumWidth(40);
    cmdSizeToWall = named(new QPushButton(fraNumberTiles), "cmdSizeToWall");
    auto *turnAndSizeRow = new QHBoxLayout;
    turnAndSizeRow->addWidget(chkRotateTiles);
    turnAndSizeRow->addStretch(1);
    turnAndSizeRow->addWidget(cmbPosterSide);
    turnAndSizeRow->addWidget(txtPosterLength, 1);
    turnAndSizeRow->addWidget(cmdSizeToWall);
    tilesGrid->addLayout(turnAndSizeRow, 2, 0, 1, 4);
    tilesGrid->setColumnStretch(1, 1);
    tilesGrid->setColumnStretch(3, 1);
    box->addWidget(fraNumberTiles);

    fraTilePlacement = named(new QGroupBox(panel), "fraTilePlacement");
    auto *placementGrid = new QGridLayout(fraTilePlacement);
    // The pad's resting picture carries the name imgArrow; the pad itself is named apart.
    imgArrow = named(new ArrowPadWidget(fraTilePlacement), "imgArrowPad");
    Label5 = named(new QLabel(fraTilePlacement), "Label5");
    Label8 = named(new QLabel(fraTilePlacement), "Label8");
    lblLrValue = named(new QLabel(fraTilePlacement), "lblLrValue");
    lblTbValue = named(new QLabel(fraTilePlacement), "lblTbValue");
    auto *readouts = new QGridLayout;
    readouts->addWidget(Label5, 0, 0);
    readouts->addWidget(lblLrValue, 1, 0);
    readouts->addWidget(Label8, 2, 0);
    readouts->addWidget(lblTbValue, 3, 0);
    placementGrid->addWidget(imgArrow, 0, 0, 4, 1, Qt::AlignCenter);
    placementGrid->addLayout(readouts, 0, 1, 4, 1);
    lblZoom = named(new QLabel(fraTilePlacement), "lblZoom");
    lblZoomAmount = named(new QLabel(fraTilePlacement), "lblZoomAmount");
    lblZoomMin = named(new QLabel(fraTilePlacement), "lblZoomMin");
    lblZoomMax = named(new QLabel(fraTilePlacement), "lblZoomMax");
    scrZoom = named(new QScrollBar(Qt::Horizontal, fraTilePlacement), "scrZoom");
    scrZoom->setRange(0, kMaxZoom);
    scrZoom->setSingleStep(1);
    scrZoom->setPageStep(20);
    scrZoom->setValue(0);
    scrZoom->setMinimumWidth(120);
    // Scroll bars take no focus by default; this one is the keyboard's way to the zoom.
    scrZoom->setFocusPolicy(Qt::StrongFocus);
    lblFit = named(new QLabel(fraTilePlacement), "lblFit");
    cmbFit = named(new QComboBox(fraTilePlacement), "cmbFit");
    // The fit and the zoom it allows share a row.
    auto *zoomRow = new QHBoxLayout;
    zoomRow->addWidget(lblFit);
    zoomRow->addWidget(cmbFit, 1);
    zoomRow->addSpacing(6);
    zoomRow->addWidget(lblZoom);
    zoomRow->addWidget(lblZoomAmount);
    placementGrid->addLayout(zoomRow, 4, 0, 1, 2);
    auto *scrollRow = new QHBoxLayout;
    scrollRow->addWidget(lblZoomMin);
    scrollRow->addWidget(scrZoom, 1);
    scrollRow->addWidget(lblZoomMax);
    placementGrid->addLayout(scrollRow, 5, 0, 1, 2);
    placementGrid->setColumnStretch(1, 1);
    box->addWidget(fraTilePlacement);

    fraPosterSize = named(new QGroupBox(panel), "fraPosterSize");
    auto *reportGrid = new QGridLayout(fraPosterSize);
    Label2 = named(new QLabel(fraPosterSize), "Label2");
    Label4 = named(new QLabel(fraPosterSize), "Label4");
    Label6 = named(new QLabel(fraPosterSize), "Label6");
    Label13 = named(new QLabel(fraPosterSize), "Label13");
    lblFinalSize = named(new QLabel(fraPosterSize), "lblFinalSize");
    lblResolution = named(new QLabel(fraPosterSize), "lblResolution");
    lblQuality = named(new QLabel(fraPosterSize), "lblQuality");
    lblMPixVal = named(new QLabel(fraPosterSize), "lblMPixVal");
    reportGrid->addWidget(Label2, 0, 0);
    reportGrid->addWidget(lblFinalSize, 0, 1, 1, 3);
    reportGrid->addWidget(Label4, 1, 0);
    reportGrid->addWidget(lblResolution, 1, 1, 1, 3);
    reportGrid->addWidget(Label6, 2, 0);
    reportGrid->addWidget(lblQuality, 2, 1, 1, 3);
    reportGrid->addWidget(Label13, 3, 0);
    reportGrid->addWidget(lblMPixVal, 3, 1);
    Label15 = named(new QLabel(fraPosterSize), "Label15");
    lblSheets = named(new QLabel(fraPosterSize), "lblSheets");
    reportGrid->addWidget(Label15, 3, 2);
    reportGrid->addWidget(lblSheets, 3, 3);
    reportGrid->setColumnStretch(1, 1);
    reportGrid->setColumnStretch(3, 1);
    box->addWidget(fraPosterSize);
    box->addStretch(1);

    for (QGroupBox *frame : {fraPrintInfo, fraNumberTiles, fraTilePlacement, fraPosterSize})
        frame->installEventFilter(this);
    panel->setMinimumWidth(280);
    panel->setMaximumWidth(380);
    return panel;
}

void frmMain::buildMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(AppStrings::kMenuFile);
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuPrint = named(mnuFile->addAction(PosterStrings::kPrintMenu), "mnuPrint");
    mnuPrint->setShortcut(QKeySequence::Print);
    mnuFile->addSeparator();
    mnuExit = named(mnuFile->addAction(AppStrings::kMenuExit), "mnuExit");
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu *mnuTools = menuBar()->addMenu(AppStrings::kMenuTools);
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuPaperSize = named(mnuTools->addAction(AppStrings::kMenuPaperSize), "mnuPaperSize");
    mnuEdgeClip = named(mnuTools->addAction(AppStrings::kMenuEdgeClip), "mnuEdgeClip");
    QMenu *mnuHelp = menuBar()->addMenu(AppStrings::kMenuHelp);
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuContent = named(mnuHelp->addAction(AppStrings::kMenuContent), "mnuContent");
    mnuContent->setShortcut(QKeySequence::HelpContents);
    mnuAbout = named(mnuHelp->addAction(AppStrings::kMenuAbout), "mnuAbout");
}

void frmMain::InitMainCaptions()
{
    QApplication::setApplicationName(AppStrings::kAppTitle);
    setWindowTitle(AppStrings::kAppTitle);
    using namespace AppStrings;
    lblStep1->setText(kStep1);
    Label7->setText(kStep2);
    Label11->setText(kStep3);
    lblStep4->setText(kStep4);
    lblStep4Arrow->setText(kStep4Arrow);

    const auto caption = [](auto *control, const QString &text, const QString &tip = QString()) {
        control->setText(text);
        control->setToolTip(tip);
    };
    caption(cmdMyDoc, kMyDocCaption, kMyDocTip);
    caption(cmdDesktop, kDesktopCaption, kDesktopTip);
    caption(chkPreviewTiles, QLatin1Char(' ') + kShowTilesCaption, QLatin1Char(' ') + kShowTilesTip);
    caption(chkRotateTiles, kRotateTilesCaption, kRotateTilesTip);
    caption(cmdLargePreview, kPreviewCaption, kPreviewTip);
    cmbRotate->setToolTip(kRotateImageTip);
    lblPage->setText(kPageCaption);
    spnPage->setToolTip(kPageTip);
    spnPageResolution->setToolTip(kPageResolutionTip);
    spnPageResolution->setSuffix(kDotsPerInchSuffix);
    fraPosterSize->setTitle(kPosterSizeFrame);
    caption(Label13, withColon(kMegaPixels));
    lblMPixVal->setToolTip(kMegaPixelsTip);
    caption(Label2, withColon(kSize));
    lblFinalSize->setToolTip(kFinalSizeTip);
    caption(Label4, withColon(kResolution));
    caption(Label6, withColon(kQuality));
    lblQuality->setToolTip(kQualityTip);
    lblResolution->setToolTip(kResolutionTip);
    fraTilePlacement->setTitle(kTilePlacementFrame);
    imgArrow->setToolTip(kArrowTip);
    caption(Label8, withColon(kVertical));
    caption(Label5, withColon(kHorizontal));
    lblLrValue->setToolTip(kLrValueTip);
    lblTbValue->setToolTip(kTbValueTip);
    lblZoomAmount->setToolTip(kZoomAmountTip);
    caption(lblZoom, withColon(kZoom));
    lblZoomMin->setText(kZoomMin);
    caption(lblFit, withColon(kFit));
    cmbFit->setToolTip(kFitTip);
    caption(Label15, withColon(kSheets));
    lblSheets->setToolTip(kSheetsTip);
    cmbPosterSide->setToolTip(kPosterLengthTip);
    txtPosterLength->setToolTip(kPosterLengthTip);
    caption(cmdSizeToWall, kSizeToWallCaption, kSizeToWallTip);
    lblZoomMax->setText(kZoomMax);
    fraNumberTiles->setTitle(withColon(kNumberTilesFrame));
    caption(chkLockWh, kLockWhCaption, kLockWhTip);
    caption(lblTilesWide, withColon(kWide));
    caption(lblTilesHigh, withColon(kHigh));
    cmbTilesWide->setToolTip(kTilesWideTip);
    cmbTilesHigh->setToolTip(kTilesHighTip);
    caption(cmdSaveNow, kSaveNowCaption, kSaveNowTip);
    caption(cmdQuit, kQuitCaption, kQuitTip);
    fraPrintInfo->setTitle(kPrintInfoFrame);
    cmdEditPaperSize->setToolTip(kEditPaperTip);
    caption(chkPrinterClips, kPrinterClipsCaption, kPrinterClipsTip);
    caption(cmdConfig, kConfigCaption, kConfigTip);
    cmbCurBtm->setToolTip(kCurBtmTip);
    caption(Label12, withColon(kUnits), kUnitsTip);
    caption(Label14, withColon(kTrimmed), kTrimmedTip);
    caption(Label9, withColon(kSize), kPaperSizeTip);
    caption(Label1, withColon(kPaper), kPaperTip);
    picCur->setToolTip(kCanvasTip);
    cmbFileType->setToolTip(kFileTypeTip);
    lstFiles->setToolTip(kFilesTip);
    Dir1->setToolTip(kDirTip);
    Drive1->setToolTip(kDriveTip);
    for (QLabel *value : {lblFinalSize, lblResolution, lblQuality, lblMPixVal, lblSheets, lblLrValue, lblTbValue})
        value->setText(kNoValue);
    lblZoomAmount->setText(zoomReadoutText(scrZoom->value()));
    FillMainLists();
}

void frmMain::FillMainLists()
{
    cmbFileType->addItems(AppStrings::kFileTypeItems);
    cmbRotate->addItems(AppStrings::kRotateItems);
    cmbFit->addItems({AppStrings::kFillSheets, AppStrings::kWholePicture});
    cmbPosterSide->addItems({AppStrings::kPosterWidthItem, AppStrings::kPosterHeightItem});
    for (int count = 1; count <= kMaxTilesPerSide; ++count) {
        cmbTilesWide->addItem(QString::number(count));
        cmbTilesHigh->addItem(QString::number(count));
    }
    Drive1->addItems(mountedDriveRoots());
}

void frmMain::wireEvents()
{
    connect(Drive1, &QComboBox::activated, this, &frmMain::Drive1_Change);
    connect(Dir1, &FolderListWidget::pathChanged, this, &frmMain::Dir1_Change);
    connect(cmbFileType, &QComboBox::currentIndexChanged, this, &frmMain::cmbFileType_Click);
    connect(cmdDesktop, &QPushButton::clicked, this, &frmMain::cmdDesktop_Click);
    connect(cmdMyDoc, &QPushButton::clicked, this, &frmMain::cmdMyDoc_Click);
    connect(lstFiles, &QListWidget::itemClicked, this, &frmMain::lstFiles_Click);
    connect(lstFiles, &QListWidget::itemActivated, this, &frmMain::lstFiles_Click);

    connect(cmbTilesWide, &QComboBox::currentIndexChanged, this, &frmMain::cmbTilesWide_Click);
    connect(cmbTilesHigh, &QComboBox::currentIndexChanged, this, &frmMain::cmbTilesHigh_Click);
    connect(chkLockWh, &QCheckBox::toggled, this, &frmMain::chkLockWh_Click);
    connect(chkRotateTiles, &QCheckBox::toggled, this, &frmMain::chkRotateTiles_Click);
    connect(cmbRotate, &QComboBox::activated, this, &frmMain::cmbRotate_Click);
    connect(spnPage, &QSpinBox::valueChanged, this, &frmMain::spnPage_Change);
    connect(spnPageResolution, &QSpinBox::valueChanged, this, &frmMain::spnPageResolution_Change);
    connect(scrZoom, &QScrollBar::valueChanged, this, &frmMain::scrZoom_Change);
    connect(cmbFit, &QComboBox::currentIndexChanged, this, &frmMain::cmbFit_Click);
    connect(cmdSizeToWall, &QPushButton::clicked, this, &frmMain::cmdSizeToWall_Click);
    connect(txtPosterLength, &QLineEdit::returnPressed, this, &frmMain::cmdSizeToWall_Click);
    connect(chkPreviewTiles, &QCheckBox::toggled, this, &frmMain::chkPreviewTiles_Click);
    connect(chkPrinterClips, &QCheckBox::toggled, this, &frmMain::chkPrinterClips_Click);
    connect(cmbCurBtm, &QComboBox::currentIndexChanged, this, &frmMain::cmbCurBtm_Click);
    connect(imgArrow, &ArrowPadWidget::stepDue, this, &frmMain::tmrImg_Timer);
    connect(imgArrow, &ArrowPadWidget::arrowKeyPressed, this, &frmMain::stepPlacementByKey);
    connect(picCur, &CanvasWidget::arrowKeyPressed, this, &frmMain::stepPlacementByKey);
    connect(picCur, &CanvasWidget::pressed, this, &frmMain::picCur_MouseDown);
    connect(picCur, &CanvasWidget::moved, this, &frmMain::picCur_MouseMove);
    connect(picCur, &CanvasWidget::released, this, &frmMain::picCur_MouseUp);
    connect(picCur, &CanvasWidget::resized, this, &frmMain::scheduleRefit);
    connect(m_refitTimer, &QTimer::timeout, this, [this] {
        if (m_layout.bImgSelected)
            FitImageToCanvas();
    });

    connect(m_picture.get(), &LoadedPicture::stateChanged, this, &frmMain::pictureStateChanged);
    connect(m_picture.get(), &LoadedPicture::loadProgress, this, &frmMain::showLoadProgress);

    connect(cmdLargePreview, &QPushButton::clicked, this, &frmMain::cmdLargePreview_Click);
    connect(cmdSaveNow, &QPushButton::clicked, this, &frmMain::cmdSaveNow_Click);
    connect(cmdEditPaperSize, &QToolButton::clicked, this, &frmMain::OpenPaperDialog);
    connect(mnuPaperSize, &QAction::triggered, this, &frmMain::OpenPaperDialog);
    connect(cmdConfig, &QPushButton::clicked, this, &frmMain::openEdgeCalibration);
    connect(mnuEdgeClip, &QAction::triggered, this, &frmMain::openEdgeCalibration);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::cmdQuit_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmMain::mnuPrint_Click);
    connect(mnuContent, &QAction::triggered, this, &frmMain::OpenHelpFile);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::showAbout);
}
