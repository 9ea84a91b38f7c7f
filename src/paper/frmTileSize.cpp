#include "paper/frmTileSize.h"

#include "dialogs/MessageBoxParts.h"
#include "dialogs/MessageSeam.h"
#include "dialogs/ControlSetup.h"
#include "paper/MarginValues.h"
#include "paper/PaperResults.h"
#include "resources/PaperDialogStrings.h"
#include "resources/PaperStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

namespace Text = PaperDialogStrings;

// Result labels keep this width so the dialog does not jump as their texts change.
constexpr int kResultWidthInCharacters = 30;

QString sizeBoxText(double value, Units units)
{
    return formatPaperNumber(value, PaperNumberUse::SizeBox, units);
}

QGroupBox *stepBox(const QString &heading, QLayout *content)
{
    auto *box = new QGroupBox(heading);
    box->setLayout(content);
    return box;
}

} // namespace

bool frmTileSize::OpenPaperDialog(QWidget *parent, const QString &paperRegLine, int marginLocked,
                                  PaperApplyFunction apply, MarginLockFunction setMarginLocked)
{
    frmTileSize dialog(std::move(apply), std::move(setMarginLocked), parent);
    dialog.loadStoredPaper(paperRegLine, marginLocked);
    return dialog.exec() == QDialog::Accepted;
}

frmTileSize::frmTileSize(PaperApplyFunction apply, MarginLockFunction setMarginLocked, QWidget *parent)
    : QDialog(parent)
    , m_apply(std::move(apply))
    , m_setMarginLocked(std::move(setMarginLocked))
{
    setObjectName(QStringLiteral("frmTileSize"));
    buildControls();
    setCaptions();
    FillMarginComboBoxes();
    ShowSelectedPaper();
    connectEvents();
}

void frmTileSize::loadStoredPaper(const QString &paperRegLine, int marginLocked)
{
    initPaperSizes();
    chkLock->setChecked(marginLocked == 1);
    setPrefFromRegLine(paperRegLine);
}

// ---------------------------------------------------------------------------------------
// Controls

void frmTileSize::buildControls()
{
    opbInches = named(new QRadioButton(this), QStringLiteral("opbInches"));
    opbMm = named(new QRadioButton(this), QStringLiteral("opbMm"));
    lstPaperSize = named(new QListWidget(this), QStringLiteral("lstPaperSize"), Text::kPaperListTip);
    txtWidth = named(new QLineEdit(this), QStringLiteral("txtWidth"), Text::kWidthTip);
    txtHeight = named(new QLineEdit(this), QStringLiteral("txtHeight"), Text::kHeightTip);
    for (int i = 0; i < int(lblUnits.size()); ++i)
        lblUnits[i] = named(new QLabel(this), QStringLiteral("lblUnits%1").arg(i));
    for (int i = 0; i < int(cmbMargins.size()); ++i) {
        QComboBox *box = named(new QComboBox(this), QStringLiteral("cmbMargins%1").arg(i), Text::kMarginTips[i]);
        box->setEditable(true);
        // Typed values are used, never added to the list of offered values.
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMaxVisibleItems(15);
        cmbMargins[i] = box;
    }
    lblMarginUnits = named(new QLabel(this), QStringLiteral("lblMarginUnits"));
    chkLock = named(new QCheckBox(this), QStringLiteral("chkLock"), Text::kLockTip);
    chkBorderless = named(new QCheckBox(this), QStringLiteral("chkBorderless"));
    // Kept for the stored form layout only; it has no behaviour, so it is not shown.
    chkBorderless->setVisible(false);
    cmdBorderless = named(new QPushButton(this), QStringLiteral("cmdBorderless"), Text::kBorderlessTip);
    cmdReset = named(new QPushButton(this), QStringLiteral("cmdReset"), Text::kResetTip);
    lblSizeWithBorders = named(new QLabel(this), QStringLiteral("lblSizeWithBorders"), Text::kSizeWithBordersTip);
    lblSizeWithoutBorders =
        named(new QLabel(this), QStringLiteral("lblSizeWithoutBorders"), Text::kSizeWithoutBordersTip);
    cmdApply = makeDialogButton(QStringLiteral("cmdApply"), Text::kApplyCaption, this);
    cmdOk = makeDialogButton(QStringLiteral("cmdOk"), Text::kOkCaption, this);
    cmdCancel = makeDialogButton(QStringLiteral("cmdCancel"), Text::kCancelCaption, this);
    cmdApply->setToolTip(Text::kApplyTip);
    cmdOk->setToolTip(Text::kOkTip);
    cmdCancel->setToolTip(Text::kCancelTip);
    cmdOk->setDefault(true);

    auto *leftColumn = new QVBoxLayout;
    leftColumn->addWidget(makeUnitsStep());
    leftColumn->addWidget(makePaperStep(), 1);
    auto *rightColumn = new QVBoxLayout;
    rightColumn->addWidget(makeMarginsStep());
    rightColumn->addWidget(makeResultsStep());
    rightColumn->addStretch();

    auto *columns = new QHBoxLayout;
    columns->addLayout(leftColumn, 1);
    columns->addLayout(rightColumn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(makeButtonRow({cmdApply, cmdOk, cmdCancel}));
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

QWidget *frmTileSize::makeUnitsStep()
{
    auto *content = new QHBoxLayout;
    content->addWidget(opbInches);
    content->addWidget(opbMm);
    content->addStretch();
    return stepBox(Text::kStepUnits, content);
}

QWidget *frmTileSize::makePaperStep()
{
    // Tall enough to show every paper of the longer catalogue without scrolling.
    lstPaperSize->setMinimumHeight(lstPaperSize->fontMetrics().height() * (PaperCatalogue::kMillimetreRowCount + 2));
    lstPaperSize->setMinimumWidth(lstPaperSize->fontMetrics().horizontalAdvance(QStringLiteral("M")) * 14);

    auto *size = new QGridLayout;
    size->addWidget(new QLabel(Text::kWidthLabel), 0, 0);
    size->addWidget(txtWidth, 0, 1);
    size->addWidget(lblUnits[0], 0, 2);
    size->addWidget(new QLabel(Text::kHeightLabel), 1, 0);
    size->addWidget(txtHeight, 1, 1);
    size->addWidget(lblUnits[1], 1, 2);
    size->setColumnStretch(1, 1);

    auto *content = new QVBoxLayout;
    content->addWidget(lstPaperSize, 1);
    content->addLayout(size);
    return stepBox(Text::kStepPaper, content);
}

QWidget *frmTileSize::makeMarginsStep()
{
    auto *boxes = new QGridLayout;
    for (int i = 0; i < int(cmbMargins.size()); ++i) {
        boxes->addWidget(new QLabel(Text::kMarginLabels[i]), i, 0);
        boxes->addWidget(cmbMargins[i], i, 1);
    }
    boxes->setColumnStretch(1, 1);

    auto *content = new QVBoxLayout;
    content->addWidget(lblMarginUnits);
    content->addLayout(boxes);
    content->addWidget(chkLock);
    content->addWidget(cmdBorderless);
    content->addWidget(cmdReset);
    content->addWidget(chkBorderless);
    return stepBox(Text::kStepMargins, content);
}

QWidget *frmTileSize::makeResultsStep()
{
    const int resultWidth = fontMetrics().averageCharWidth() * kResultWidthInCharacters;
    for (QLabel *result : {lblSizeWithBorders, lblSizeWithoutBorders}) {
        result->setMinimumWidth(resultWidth);
        // Bold, so the sizes stand out from the titles above them.
        setBoldFont(result);
    }

    auto *content = new QVBoxLayout;
    content->addWidget(new QLabel(Text::kSizeWithBordersTitle));
    content->addWidget(lblSizeWithBorders);
    content->addWidget(new QLabel(Text::kSizeWithoutBordersTitle));
    content->addWidget(lblSizeWithoutBorders);
    return stepBox(Text::kStepResults, content);
}

void frmTileSize::setCaptions()
{
    setWindowTitle(Text::kCaption);
    opbInches->setText(Text::kInchesOption);
    opbMm->setText(Text::kMillimetresOption);
    chkLock->setText(Text::kLockCaption);
    chkBorderless->setText(Text::kBorderlessCheckCaption);
    cmdBorderless->setText(Text::kBorderlessCaption);
    cmdReset->setText(Text::kResetCaption);
}

void frmTileSize::connectEvents()
{
    connect(opbInches, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && !bSkipEvents)
            ChangeUnits(Units::Inches);
    });
    connect(opbMm, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && !bSkipEvents)
            ChangeUnits(Units::Millimetres);
    });
    connect(lstPaperSize, &QListWidget::currentRowChanged, this, &frmTileSize::lstPaperSize_Click);
    connect(txtWidth, &QLineEdit::textChanged, this, &frmTileSize::sizeBox_Change);
    connect(txtHeight, &QLineEdit::textChanged, this, &frmTileSize::sizeBox_Change);
    for (int i = 0; i < int(cmbMargins.size()); ++i)
        connect(cmbMargins[i], &QComboBox::editTextChanged, this, [this, i] { cmbMargins_Change(i); });
    connect(chkLock, &QCheckBox::toggled, this, &frmTileSize::chkLock_Click);
    connect(cmdBorderless, &QPushButton::clicked, this, &frmTileSize::cmdBorderless_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmTileSize::cmdReset_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmTileSize::ApplyPaperValues);
    connect(cmdOk, &QPushButton::clicked, this, &frmTileSize::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// ---------------------------------------------------------------------------------------
// State shown in the controls

void frmTileSize::initPaperSizes()
{
    QScopedValueRollback<bool> skip(bSkipEvents, true);
    m_selection.initPaperSizes();
    FillMarginComboBoxes();
}

bool frmTileSize::setPrefFromRegLine(const QString &sRegLine)
{
    const bool accepted = m_selection.setPrefFromRegLine(sRegLine);
    // A refused record leaves the built-in papers in inches; either way the margin lists
    // must be those of the unit now shown.
    FillMarginComboBoxes();
    ShowSelectedPaper();
    return accepted;
}

void frmTileSize::FillMarginComboBoxes()
{
    // Refilling selects the first item in each box; that must not be checked and stored
    // as if the user had chosen zero margins for the paper shown.
    QScopedValueRollback<bool> skip(bSkipEvents, true);
    const QStringList items = marginValueTexts(m_selection.units());
    for (QComboBox *box : cmbMargins) {
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(0);
    }
}

void frmTileSize::ShowSelectedPaper()
{
    QScopedValueRollback<bool> skip(bSkipEvents, true);
    const Units units = m_selection.units();
    const PaperEntry &paper = m_selection.selectedEntry();

    lstPaperSize->clear();
    for (const PaperEntry &row : m_selection.catalogue().rows(units))
        lstPaperSize->addItem(row.name);
    lstPaperSize->setCurrentRow(m_selection.selectedRow(units));

    txtWidth->setText(sizeBoxText(paper.width, units));
    txtHeight->setText(sizeBoxText(paper.height, units));
    txtWidth->setEnabled(m_selection.isCustomSelected());
    txtHeight->setEnabled(m_selection.isCustomSelected());

    const bool inches = units == Units::Inches;
    lblMarginUnits->setText(inches ? Text::kMarginUnitsInches : Text::kMarginUnitsMillimetres);
    for (QLabel *label : lblUnits)
        label->setText(inches ? PaperStrings::kDialogUnitInches : PaperStrings::kDialogUnitMillimetres);
    setUnitButtons(units);

    for (int i = 0; i < int(cmbMargins.size()); ++i)
        cmbMargins[i]->setEditText(sizeBoxText(paper.margins[i], units));

    ValidateAndStore();
    ShowResults(kPaperInputValid);
}

void frmTileSize::setUnitButtons(Units units)
{
    QScopedValueRollback<bool> skip(bSkipEvents, true);
    (units == Units::Inches ? opbInches : opbMm)->setChecked(true);
}

PaperInputTexts frmTileSize::shownTexts() const
{
    PaperInputTexts texts;
    texts.width = txtWidth->text();
    texts.height = txtHeight->text();
    for (int i = 0; i < int(cmbMargins.size()); ++i)
        texts.margins[i] = cmbMargins[i]->currentText();
    return texts;
}

PaperInputResult frmTileSize::ValidateAndStore()
{
    const PaperInputResult result = m_selection.ValidateAndStore(shownTexts());
    if (result.status == kPaperInputValid)
        ShowResults(kPaperInputValid);
    return result;
}

void frmTileSize::ShowResults(int status)
{
    const PaperResultTexts texts = paperResultTexts(status, m_selection.selectedEntry(), m_selection.units());
    lblSizeWithBorders->setText(texts.sizeWithBorders);
    lblSizeWithoutBorders->setText(texts.sizeWithoutBorders);
}

void frmTileSize::SyncLockedMargin(int index)
{
    if (!chkLock->isChecked() || index < 0 || index >= int(cmbMargins.size()))
        return;
    QScopedValueRollback<bool> skip(bSkipEvents, true);
    cmbMargins[oppositeEdge(MarginEdge(index))]->setEditText(cmbMargins[index]->currentText());
}

void frmTileSize::reportInvalidValues(const QString &message)
{
    messages().showMessage(message, Text::kInvalidValuesTitle, MessageIcon::Critical);
}

// ---------------------------------------------------------------------------------------
// Events

void frmTileSize::sizeBox_Change()
{
    if (!bSkipEvents)
        validateShownValues();
}

void frmTileSize::cmbMargins_Change(int index)
{
    if (bSkipEvents)
        return;
    SyncLockedMargin(index);
    validateShownValues();
}

// While the user types, a failure only shows in the result labels.
void frmTileSize::validateShownValues()
{
    const PaperInputResult result = ValidateAndStore();
    if (result.status != kPaperInputValid)
        ShowResults(result.status);
}

// Runs even while the dialog fills its controls: the stored lock state applies at once.
void frmTileSize::chkLock_Click(bool checked)
{
    if (!checked)
        return;
    cmbMargins[kBottomEdge]->setEditText(cmbMargins[kTopEdge]->currentText());
    cmbMargins[kRightEdge]->setEditText(cmbMargins[kLeftEdge]->currentText());
}

void frmTileSize::lstPaperSize_Click(int row)
{
    const Units units = m_selection.units();
    const int previous = m_selection.selectedRow(units);
    if (bSkipEvents || row < 0 || row == previous)
        return;

    // The values still shown belong to the paper being left; they must not be lost silently.
    const PaperInputResult result = ValidateAndStore();
    if (result.status != kPaperInputValid) {
        reportInvalidValues(result.message);
        QScopedValueRollback<bool> skip(bSkipEvents, true);
        lstPaperSize->setCurrentRow(previous);
        return;
    }
    m_selection.selectRow(units, row);
    ShowSelectedPaper();
}

void frmTileSize::ChangeUnits(Units units)
{
    if (units == m_selection.units())
        return;
    // Invalid typing of the unit being left is dropped; its paper keeps its last valid values.
    m_selection.setUnits(units);
    ShowSelectedPaper();
    const PaperInputResult result = ValidateAndStore();
    if (result.status != kPaperInputValid) {
        reportInvalidValues(result.message);
        setUnitButtons(units);
        return;
    }
    FillMarginComboBoxes();
    ShowSelectedPaper();
}

void frmTileSize::cmdBorderless_Click()
{
    for (QComboBox *box : cmbMargins) {
        box->setCurrentIndex(0);
        // Selecting the item already current leaves typed text in place; replace it too.
        box->setEditText(box->itemText(0));
    }
}

void frmTileSize::cmdReset_Click()
{
    const PaperEntry &paper = m_selection.selectedEntry();
    const MarginArray defaults = paper.defaultMargins;
    for (int i = 0; i < int(cmbMargins.size()); ++i)
        cmbMargins[i]->setEditText(sizeBoxText(defaults[i], m_selection.units()));
}

bool frmTileSize::ApplyPaperValues()
{
    const PaperInputResult result = ValidateAndStore();
    if (result.status != kPaperInputValid)
        reportInvalidValues(result.message);

    // The selected paper only ever holds values that passed every check, so after a
    // refused entry its last valid values are the ones applied.
    if (m_apply)
        m_apply(m_selection.getWhuValues(), m_selection.BuildPaperRegLine());
    if (m_setMarginLocked)
        m_setMarginLocked(chkLock->isChecked() ? 1 : 0);
    return true;
}

void frmTileSize::cmdOk_Click()
{
    ApplyPaperValues();
    accept();
}
