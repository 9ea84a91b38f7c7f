#include "output/frmSaveTiles.h"

#include "output/PosterPages.h"

#include "dialogs/KeyboardAccess.h"
#include "output/AssemblyAidsSettings.h"
#include "output/AssemblyAidsWidget.h"
#include "resources/PosterStrings.h"

#include "browser/Drives.h"
#include "browser/FolderListWidget.h"
#include "dialogs/MessageSeam.h"
#include "dialogs/ControlSetup.h"
#include "imaging/ImageFileRules.h"
#include "imaging/ImageFileType.h"
#include "imaging/LoadedPicture.h"
#include "layout/LayoutState.h"
#include "output/SaveEntryCheck.h"
#include "output/SaveRun.h"
#include "output/TileNaming.h"
#include "output/SaveRunWindows.h"
#include "resources/CliStrings.h"
#include "resources/SaveWindowStrings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QLabel *boldLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    setBoldFont(label);
    return label;
}

// The dialog that is open now, so a second Save click replaces it instead of stacking.
QPointer<frmSaveTiles> &openDialog()
{
    static QPointer<frmSaveTiles> dialog;
    return dialog;
}

// The format group's id for the PDF poster, apart from the image type codes.
constexpr int kPdfPosterButtonId = 100;

} // namespace

frmSaveTiles *frmSaveTiles::openFromMainWindow(const LayoutState &layout, const ImageObject &source,
                                               const QString &currentFolder, const QString &selectedFileName,
                                               QWidget *parent, const PreferenceStore &prefs)
{
    const SaveEntry entry = checkSaveEntry(layout, selectedFileName);
    if (!entry.suggestion) {
        messages().showMessage(entry.refusal.text, entry.refusal.title, MessageIcon::Critical);
        return nullptr;
    }

    unloadOpenDialog();
    auto *dialog = new frmSaveTiles(layout, source, parent, prefs);
    dialog->m_sourceIsJpeg = entry.suggestion->fileType == ImageFileType::Jpeg;
    dialog->fillDriveList(driveOfPath(currentFolder));
    dialog->selectDrive(driveOfPath(currentFolder));
    dialog->dirTile->setPath(currentFolder);
    dialog->txtBaseFileName->setText(entry.suggestion->baseFileName);
    dialog->txtNewFolderName->setText(entry.suggestion->newFolderName);
    // The tile format follows the picture; a PDF poster stays chosen once it was.
    dialog->selectFileType(static_cast<int>(entry.suggestion->fileType));
    if (prefs.GetPref(kPrefPdfPosterChosen) == QLatin1String("1"))
        dialog->opbPdf->setChecked(true);
    dialog->UpdateSaveFolderLabel();
    dialog->show();
    openDialog() = dialog;
    return dialog;
}

void frmSaveTiles::unloadOpenDialog()
{
    if (openDialog())
        openDialog()->close();
}

frmSaveTiles::frmSaveTiles(const LayoutState &layout, const ImageObject &source, QWidget *parent,
                           const PreferenceStore &prefs)
    : QWidget(parent, Qt::Dialog), m_prefs(prefs), m_layout(layout), m_source(source)
{
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    InitSaveDialogText();

    connect(drvTile, &QComboBox::currentIndexChanged, this, &frmSaveTiles::drvTile_Change);
    connect(dirTile, &FolderListWidget::pathChanged, this, &frmSaveTiles::UpdateSaveFolderLabel);
    connect(txtNewFolderName, &QLineEdit::textChanged, this, &frmSaveTiles::UpdateSaveFolderLabel);
    connect(cmdSaveNow, &QPushButton::clicked, this, &frmSaveTiles::cmdSaveNow_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    // The assembly aids show while the PDF poster is chosen and are stored as they change.
    const AssemblyAids stored = readAssemblyAids(m_prefs);
    fraAssemblyAids->setAids(stored, m_layout.units);
    const MarginArray margins = paperMargins(m_layout);
    const MarginArray borders = compensationBorders(m_layout);
    fraAssemblyAids->setRoom(roomForAids(m_layout.units, margins, borders),
                             aidsWithoutRoom(stored, m_layout.units, margins, borders));
    fraAssemblyAids->setVisible(false);
    connect(opbPdf, &QRadioButton::toggled, this, &frmSaveTiles::showFormatChoice);
    connect(fraAssemblyAids, &AssemblyAidsWidget::changed, this,
            [this] { writeAssemblyAids(m_prefs, fraAssemblyAids->aids()); });
}

void frmSaveTiles::buildControls()
{
    Label4 = named(boldLabel(this), QStringLiteral("Label4"));
    Label5 = named(boldLabel(this), QStringLiteral("Label5"));

    fraNewName = named(new QGroupBox(this), QStringLiteral("fraNewName"));
    lblDir = named(new QLabel(fraNewName), QStringLiteral("lblDir"));
    drvTile = named(new QComboBox(fraNewName), QStringLiteral("drvTile"));
    dirTile = new FolderListWidget(fraNewName);
    dirTile->setMinimumHeight(fontMetrics().height() * 12);
    txtNewFolderName = named(new QLineEdit(fraNewName), QStringLiteral("txtNewFolderName"));
    txtBaseFileName = named(new QLineEdit(fraNewName), QStringLiteral("txtBaseFileName"));
    Label1 = named(new QLabel(fraNewName), QStringLiteral("Label1"));
    Label2 = named(new QLabel(fraNewName), QStringLiteral("Label2"));
    Label1->setBuddy(txtNewFolderName);
    Label2->setBuddy(txtBaseFileName);

    auto *names = new QFormLayout;
    names->addRow(Label1, txtNewFolderName);
    names->addRow(Label2, txtBaseFileName);
    auto *nameBox = new QVBoxLayout(fraNewName);
    nameBox->addWidget(lblDir);
    nameBox->addWidget(drvTile);
    nameBox->addWidget(dirTile, 1);
    nameBox->addLayout(names);

    fraFileFormat = named(new QGroupBox(this), QStringLiteral("fraFileFormat"));
    opbBmp = named(new QRadioButton(fraFileFormat), QStringLiteral("opbBmp"));
    opbTif = named(new QRadioButton(fraFileFormat), QStringLiteral("opbTif"));
    opbJpg = named(new QRadioButton(fraFileFormat), QStringLiteral("opbJpg"));
    opbPdf = named(new QRadioButton(fraFileFormat), QStringLiteral("opbPdf"));
    m_formats = new QButtonGroup(this);
    m_formats->addButton(opbBmp, static_cast<int>(ImageFileType::Bmp));
    m_formats->addButton(opbTif, static_cast<int>(ImageFileType::Tiff));
    m_formats->addButton(opbJpg, static_cast<int>(ImageFileType::Jpeg));
    m_formats->addButton(opbPdf, kPdfPosterButtonId);
    auto *formatBox = new QVBoxLayout(fraFileFormat);
    formatBox->addWidget(opbBmp);
    formatBox->addWidget(opbTif);
    formatBox->addWidget(opbJpg);
    formatBox->addWidget(opbPdf);
    formatBox->addStretch();
    fraAssemblyAids = new AssemblyAidsWidget(this);

    auto *formatColumn = new QVBoxLayout;
    formatColumn->addWidget(fraFileFormat);
    formatColumn->addWidget(fraAssemblyAids);
    formatColumn->addStretch();
    auto *choices = new QHBoxLayout;
    choices->addWidget(fraNewName, 1);
    choices->addLayout(formatColumn);

    Label3 = named(new QLabel(this), QStringLiteral("Label3"));
    lblPath = named(new QLabel(this), QStringLiteral("lblPath"));
    lblPath->setTextFormat(Qt::PlainText);
    lblPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPath->setFrameShape(QFrame::StyledPanel);
    lblPath->setMinimumHeight(fontMetrics().height() * 2 + 8);
    lblPath->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdSaveNow = named(new QPushButton(this), QStringLiteral("cmdSaveNow"));
    cmdSaveNow->setDefault(true);
    cmdClose = named(new QPushButton(this), QStringLiteral("cmdClose"));
    closeOnEscape(*this, cmdClose);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Label5);
    buttons->addStretch();
    buttons->addWidget(cmdSaveNow);
    buttons->addWidget(cmdClose);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(Label4);
    outer->addLayout(choices, 1);
    outer->addWidget(Label3);
    outer->addWidget(lblPath);
    outer->addSpacing(fontMetrics().height() / 2);
    outer->addLayout(buttons);
}

void frmSaveTiles::InitSaveDialogText()
{
    using namespace SaveWindowStrings;
    setWindowTitle(kSaveDialogCaption);
    fraFileFormat->setTitle(kFileFormatFrame);
    fraFileFormat->setToolTip(kFileFormatTip);
    opbBmp->setText(kBmpOption);
    opbTif->setText(kTifOption);
    opbJpg->setText(kJpgOption);
    opbPdf->setText(PosterStrings::kPdfChoice);
    cmdClose->setText(kCloseCaption);
    cmdClose->setToolTip(kCloseTip);
    cmdSaveNow->setText(kSaveNowCaption);
    cmdSaveNow->setToolTip(kSaveNowTip);
    fraNewName->setTitle(kNewNameFrame);
    txtBaseFileName->setToolTip(kBaseFileNameTip);
    txtNewFolderName->setToolTip(kNewFolderNameTip);
    Label2->setText(kBaseFileNameLabel);
    Label1->setText(kNewFolderNameLabel);
    dirTile->setToolTip(kFolderListTip);
    drvTile->setToolTip(kDriveListTip);
    Label3->setText(kSavedInLabel);
    Label5->setText(kStepTwoLabel);
    Label4->setText(kStepOneLabel);
    lblDir->setText(kNewFolderLocationLabel);
}

void frmSaveTiles::fillDriveList(const QString &driveToInclude)
{
    const QSignalBlocker quiet(drvTile);
    drvTile->clear();
    QStringList drives = mountedDriveRoots();
    if (!driveToInclude.isEmpty() && !drives.contains(driveToInclude))
        drives.append(driveToInclude);
    drvTile->addItems(drives);
    drvTile->setCurrentIndex(-1);
}

void frmSaveTiles::selectDrive(const QString &drive)
{
    const int index = drvTile->findText(drive);
    if (index < 0)
        return;
    if (index == drvTile->currentIndex())
        drvTile_Change();
    else
        drvTile->setCurrentIndex(index);
}

void frmSaveTiles::drvTile_Change()
{
    const QString drive = drvTile->currentText();
    if (drive.isEmpty())
        return;
    if (dirTile->setPath(drive)) {
        sLastGoodDrive = drive;
        return;
    }
    messages().showMessage(SaveWindowStrings::kDriveNotAccessibleText, SaveWindowStrings::kDriveNotAccessibleTitle,
                           MessageIcon::Critical);
    // The last good drive was readable a moment ago, so going back does not ask again.
    const QSignalBlocker quiet(drvTile);
    drvTile->setCurrentIndex(drvTile->findText(sLastGoodDrive));
}

void frmSaveTiles::selectFileType(int fileTypeCode)
{
    if (QAbstractButton *button = m_formats->button(fileTypeCode))
        button->setChecked(true);
}

QString frmSaveTiles::dirTilePath() const
{
    return dirTile->path();
}

int frmSaveTiles::selectedFileTypeCode() const
{
    const int checked = m_formats->checkedId();
    return checked < 0 || checked == kPdfPosterButtonId ? kNoFileTypeCode : checked;
}

bool frmSaveTiles::pdfPosterChosen() const
{
    return opbPdf->isChecked();
}

void frmSaveTiles::showFormatChoice(bool pdfPoster)
{
    // One PDF file needs no folder of its own: it goes straight into the chosen folder.
    fraAssemblyAids->setVisible(pdfPoster);
    txtNewFolderName->setEnabled(!pdfPoster);
    cmdSaveNow->setText(pdfPoster ? SaveWindowStrings::kSavePosterNowCaption : SaveWindowStrings::kSaveNowCaption);
    m_prefs.SavePref(kPrefPdfPosterChosen, pdfPoster ? QStringLiteral("1") : QStringLiteral("0"));
    UpdateSaveFolderLabel();
}

QString frmSaveTiles::newFolderName() const
{
    return pdfPosterChosen() ? QString() : txtNewFolderName->text();
}

void frmSaveTiles::UpdateSaveFolderLabel()
{
    // The wrapped text breaks lines with CR LF; the label breaks on LF alone.
    QString text = saveFolderLabelText(dirTilePath(), newFolderName());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblPath->setText(text);
}

void frmSaveTiles::cmdSaveNow_Click()
{
    if (m_saving)
        return;
    QApplication::processEvents();
    processSaveNow();
    close();
}

void frmSaveTiles::setPicture(const LoadedPicture &picture, bool unturnedJpeg, std::function<bool()> waitForWholePicture)
{
    m_picture = &picture;
    m_unturnedJpeg = unturnedJpeg;
    m_waitForWholePicture = std::move(waitForWholePicture);
}

void frmSaveTiles::processSaveNow()
{
    std::unique_ptr<PicturePixels> pixels =
        m_picture ? pixelsToSave(*m_picture, m_unturnedJpeg, QSize(m_layout.lImgWidth, m_layout.lImgHeight))
                  : nullptr;
    if (!pixels) {
        if (m_waitForWholePicture && !m_waitForWholePicture())
            return;
        pixels = std::make_unique<HeldPicturePixels>(m_source);
    }
    m_saving = true;
    setEnabled(false);
    SaveRunWindows windows(parentWidget());
    SaveRequest request{*pixels,
                        m_layout,
                        dirTilePath(),
                        newFolderName(),
                        txtBaseFileName->text(),
                        selectedFileTypeCode(),
                        std::nullopt};
    if (pdfPosterChosen())
        request.pdf = PdfPosterChoice{fraAssemblyAids->aids(), m_sourceIsJpeg, {}};
    SaveRun run(std::move(request), windows);
    if (run.processSaveNow() == SaveRunOutcome::SourceMissing)
        messages().showMessage(sourceLoadFailure(run.rowsMissingText()).errorText, CliStrings::kImageNotLoadedTitle,
                               MessageIcon::Critical);
    setEnabled(true);
    m_saving = false;
}

void frmSaveTiles::closeEvent(QCloseEvent *event)
{
    // The run reads this dialog's choices and owns the windows shown meanwhile; it closes
    // the dialog itself when it ends.
    if (m_saving) {
        event->ignore();
        return;
    }
    event->accept();
}
