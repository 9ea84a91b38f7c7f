#include "output/frmSaveTiles.h"

#include "browser/Drives.h"
#include "browser/FolderListWidget.h"
#include "dialogs/MessageSeam.h"
#include "dialogs/ControlSetupWidget.h"
#include "imaging/ImageFileType.h"
#include "layout/LayoutState.h"
#include "output/SaveEntryCheck.h"
#include "output/SaveRun.h"
#include "output/TileNaming.h"
#include "output/frmSaveRunWindows.h"
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

} // namespace

frmSaveTiles *frmSaveTiles::openFromMainWindow(const LayoutState &layout, const ImageObject &source,
                                               const QString &currentFolder, const QString &selectedFileName,
                                               QWidget *parent)
{
    const SaveEntry entry = checkSaveEntry(layout, selectedFileName);
    if (!entry.suggestion) {
        messages().showMessage(entry.refusal.text, entry.refusal.title, MessageIcon::Critical);
        return nullptr;
    }

    unloadOpenDialog();
    auto *dialog = new frmSaveTiles(layout, source, parent);
    dialog->fillDriveList(driveOfPath(currentFolder));
    dialog->selectDrive(driveOfPath(currentFolder));
    dialog->dirTile->setPath(currentFolder);
    dialog->txtBaseFileName->setText(entry.suggestion->baseFileName);
    dialog->txtNewFolderName->setText(entry.suggestion->newFolderName);
    dialog->selectFileType(static_cast<int>(entry.suggestion->fileType));
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

frmSaveTiles::frmSaveTiles(const LayoutState &layout, const ImageObject &source, QWidget *parent)
    : QWidget(parent, Qt::Dialog), m_layout(layout), m_source(source)
{
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    InitSaveDialogText();

    connect(drvTile, &QComboBox::currentIndexChanged, this, &frmSaveTiles::drvTile_Change);
    connect(dirTile, &FolderListWidget::pathChanged, this, &frmSaveTiles::UpdateSaveFolderLabel);
    connect(txtNewFolderName, &QLineEdit::textChanged, this, &frmSaveTiles::UpdateSaveFolderLabel);
    connect(cmdSaveNow, &QPushButton::clicked, this, &frmSaveTiles::cmdSaveNow_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void frmSaveTiles::buildControls()
{
    Label4 = boldLabel(this);
    Label5 = boldLabel(this);

    fraNewName = new QGroupBox(this);
    lblDir = new QLabel(fraNewName);
    drvTile = new QComboBox(fraNewName);
    dirTile = new FolderListWidget(fraNewName);
    dirTile->setMinimumHeight(fontMetrics().height() * 12);
    txtNewFolderName = new QLineEdit(fraNewName);
    txtBaseFileName = new QLineEdit(fraNewName);
    Label1 = new QLabel(fraNewName);
    Label2 = new QLabel(fraNewName);
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

    fraFileFormat = new QGroupBox(this);
    opbBmp = new QRadioButton(fraFileFormat);
    opbTif = new QRadioButton(fraFileFormat);
    opbJpg = new QRadioButton(fraFileFormat);
    m_formats = new QButtonGroup(this);
    m_formats->addButton(opbBmp, static_cast<int>(ImageFileType::Bmp));
    m_formats->addButton(opbTif, static_cast<int>(ImageFileType::Tiff));
    m_formats->addButton(opbJpg, static_cast<int>(ImageFileType::Jpeg));
    auto *formatBox = new QVBoxLayout(fraFileFormat);
    formatBox->addWidget(opbBmp);
    formatBox->addWidget(opbTif);
    formatBox->addWidget(opbJpg);
    formatBox->addStretch();

    auto *choices = new QHBoxLayout;
    choices->addWidget(fraNewName, 1);
    choices->addWidget(fraFileFormat, 0, Qt::AlignTop);

    Label3 = new QLabel(this);
    lblPath = new QLabel(this);
    lblPath->setTextFormat(Qt::PlainText);
    lblPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPath->setFrameShape(QFrame::StyledPanel);
    lblPath->setMinimumHeight(fontMetrics().height() * 2 + 8);
    lblPath->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdSaveNow = new QPushButton(this);
    cmdSaveNow->setDefault(true);
    cmdClose = new QPushButton(this);
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
    return checked < 0 ? kNoFileTypeCode : checked;
}

void frmSaveTiles::UpdateSaveFolderLabel()
{
    // The wrapped text breaks lines with CR LF; the label breaks on LF alone.
    QString text = saveFolderLabelText(dirTilePath(), txtNewFolderName->text());
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

void frmSaveTiles::processSaveNow()
{
    m_saving = true;
    setEnabled(false);
    SaveRunWindows windows(parentWidget());
    SaveRequest request{m_source,
                        m_layout,
                        dirTilePath(),
                        txtNewFolderName->text(),
                        txtBaseFileName->text(),
                        selectedFileTypeCode()};
    SaveRun(std::move(request), windows).processSaveNow();
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
