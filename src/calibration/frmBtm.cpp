#include "calibration/frmBtm.h"

#include "calibration/CalibrationTexts.h"
#include "calibration/ProfileStore.h"
#include "dialogs/modDialog.h"
#include "dialogs/ControlSetup.h"
#include "layout/TileSizeRules.h"
#include "resources/CalibrationStrings.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

using namespace CalibrationStrings;

namespace {

const QString kTestPrintPicture = QStringLiteral(":/quiltera/images/test-target.png");
constexpr int kTextColumnWidth = 380;

QLabel *wrappingLabel(QWidget *parent, const char *name)
{
    auto *label = named(new QLabel(parent), name);
    label->setWordWrap(true);
    label->setMinimumWidth(kTextColumnWidth);
    return label;
}

QLabel *headingLabel(QWidget *parent, const char *name)
{
    auto *label = named(new QLabel(parent), name);
    setBoldFont(label);
    return label;
}

// The hourglass for as long as it lives.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

frmBtm::frmBtm(EdgeCalibrationRequest request, QWidget *owner)
    : QDialog(owner)
    , m_request(std::move(request))
{
    setObjectName(QStringLiteral("frmBtm"));
    createControls();
    setTexts();
    fillDropDowns();
    connectEvents();

    bSkipProcess = true;
    initControls();
    bSkipProcess = false;
}

void frmBtm::showEdgeCalibration(QWidget *owner, const EdgeCalibrationRequest &request)
{
    frmBtm dialog(request, owner);
    dialog.SetStep1DescUnits();
    dialog.selectProfile(dialog.m_mainActiveRow);
    dialog.exec();
}

int frmBtm::fillMainDialog(QComboBox &list, const QStringList &names)
{
    const int row = followSelectionByName(names, list.currentText(), list.currentIndex());
    {
        const QSignalBlocker quiet(list);
        list.clear();
        list.addItems(names);
        list.setCurrentIndex(-1);
    }
    // The one selection made with signals on tells the main window once that its
    // profiles changed, even when the active row kept its position.
    list.setCurrentIndex(row);
    return list.currentIndex();
}

void frmBtm::selectProfile(int row)
{
    bSkipProcess = true;
    if (row < 0 || row >= lstConfigurations->count())
        row = 0;
    lstConfigurations->setCurrentRow(row);
    bSkipProcess = false;
    UpdateComboboxes();
}

// ---------------------------------------------------------------------------------------
// Controls

void frmBtm::createControls()
{
    cmdOk = named(new QPushButton(this), "cmdOk");

    auto *columns = new QHBoxLayout;
    columns->addLayout(createProfileColumn());
    columns->addSpacing(12);
    columns->addLayout(createStepsColumn(), 1);

    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(cmdOk);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(closeRow);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

QLayout *frmBtm::createProfileColumn()
{
    lblTitle = headingLabel(this, "lblTitle");
    lstConfigurations = named(new QListWidget(this), "lstConfigurations");
    lstConfigurations->setMinimumWidth(200);
    cmdNew = named(new QPushButton(this), "cmdNew");
    cmdRename = named(new QPushButton(this), "cmdRename");
    cmdDel = named(new QPushButton(this), "cmdDel");

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdNew);
    buttons->addWidget(cmdRename);
    buttons->addWidget(cmdDel);

    auto *column = new QVBoxLayout;
    column->addWidget(lblTitle);
    column->addWidget(lstConfigurations, 1);
    column->addLayout(buttons);
    return column;
}

QLayout *frmBtm::createStepsColumn()
{
    lblStep1Title = headingLabel(this, "lblStep1Title");
    lblStep1Desc = wrappingLabel(this, "lblStep1Desc");
    cmdGenerateTest = named(new QPushButton(this), "cmdGenerateTest");
    lblStep2Title = headingLabel(this, "lblStep2Title");
    lblInstruction = wrappingLabel(this, "lblInstruction");

    auto *generateRow = new QHBoxLayout;
    generateRow->addWidget(cmdGenerateTest);
    generateRow->addStretch(1);

    auto *cutoffRow = new QHBoxLayout;
    cutoffRow->addWidget(createCutoffFrame(), 1);
    cutoffRow->addWidget(createTestPrintPicture());

    auto *column = new QVBoxLayout;
    column->addWidget(lblStep1Title);
    column->addWidget(lblStep1Desc);
    column->addLayout(generateRow);
    column->addSpacing(10);
    column->addWidget(lblStep2Title);
    column->addWidget(lblInstruction);
    column->addLayout(cutoffRow);
    column->addStretch(1);
    return column;
}

QGroupBox *frmBtm::createCutoffFrame()
{
    fraCutoffInInches = named(new QGroupBox(this), "fraCutoffInInches");
    lblTopEdge = named(new QLabel(fraCutoffInInches), "lblTopEdge");
    lblRightEdge = named(new QLabel(fraCutoffInInches), "lblRightEdge");
    lblBottomEdge = named(new QLabel(fraCutoffInInches), "lblBottomEdge");
    lblLeftEdge = named(new QLabel(fraCutoffInInches), "lblLeftEdge");
    cmbTopEdge = named(new QComboBox(fraCutoffInInches), "cmbTopEdge");
    cmbRightEdge = named(new QComboBox(fraCutoffInInches), "cmbRightEdge");
    cmbBottomEdge = named(new QComboBox(fraCutoffInInches), "cmbBottomEdge");
    cmbLeftEdge = named(new QComboBox(fraCutoffInInches), "cmbLeftEdge");
    lblTopEdgeDesc = named(new QLabel(fraCutoffInInches), "lblTopEdgeDesc");
    lblRightEdgeDesc = named(new QLabel(fraCutoffInInches), "lblRightEdgeDesc");
    lblBottomEdgeDesc = named(new QLabel(fraCutoffInInches), "lblBottomEdgeDesc");
    lblLeftEdgeDesc = named(new QLabel(fraCutoffInInches), "lblLeftEdgeDesc");

    const std::array<QLabel *, 4> titles{lblTopEdge, lblRightEdge, lblBottomEdge, lblLeftEdge};
    const std::array<QComboBox *, 4> lists = edgeLists();
    const std::array<QLabel *, 4> descriptions = edgeDescriptions();
    auto *grid = new QGridLayout(fraCutoffInInches);
    for (int edge = 0; edge < 4; ++edge) {
        grid->addWidget(titles[edge], edge * 2, 0);
        grid->addWidget(lists[edge], edge * 2, 1);
        // The description sits under its list so long texts never widen the dialog.
        grid->addWidget(descriptions[edge], edge * 2 + 1, 1);
    }
    grid->setColumnStretch(1, 1);
    return fraCutoffInInches;
}

QWidget *frmBtm::createTestPrintPicture()
{
    auto *panel = named(new QWidget(this), "picTestPrintPanel");
    picTestPrint = named(new QLabel(panel), "picTestPrint");
    picTestPrint->setPixmap(QPixmap(kTestPrintPicture));
    lblPicTestPrint = headingLabel(panel, "lblPicTestPrint");
    lblPicTopLeft = named(new QLabel(panel), "lblPicTopLeft");
    lblPicCutoff = named(new QLabel(panel), "lblPicCutoff");
    lblPicCutoff->setWordWrap(true);
    lblPicTopEdge = named(new QLabel(panel), "lblPicTopEdge");
    lblPicRightEdge = named(new QLabel(panel), "lblPicRightEdge");
    lblPicBottomEdge = named(new QLabel(panel), "lblPicBottomEdge");
    lblPicLeftEdge = named(new QLabel(panel), "lblPicLeftEdge");

    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(lblPicTestPrint, 0, 0, 1, 3, Qt::AlignHCenter);
    grid->addWidget(lblPicCutoff, 1, 0, 1, 3);
    grid->addWidget(lblPicTopLeft, 2, 0, Qt::AlignRight | Qt::AlignBottom);
    grid->addWidget(lblPicTopEdge, 2, 1, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(lblPicLeftEdge, 3, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(picTestPrint, 3, 1, Qt::AlignCenter);
    grid->addWidget(lblPicRightEdge, 3, 2, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(lblPicBottomEdge, 4, 1, Qt::AlignHCenter | Qt::AlignTop);
    return panel;
}

void frmBtm::setTexts()
{
    setWindowTitle(kFormCaption);
    lblTitle->setText(kTitle);
    lstConfigurations->setToolTip(kProfilesTip);

    const auto caption = [](QPushButton *button, const QString &text, const QString &tip) {
        button->setText(text);
        button->setToolTip(tip);
    };
    caption(cmdNew, kNewCaption, kNewTip);
    caption(cmdRename, kRenameCaption, kRenameTip);
    caption(cmdDel, kDelCaption, kDelTip);
    caption(cmdOk, kCloseCaption, kCloseTip);
    caption(cmdGenerateTest, kGenerateTestCaption, kGenerateTestTip);

    cmbTopEdge->setToolTip(kTopEdgeTip);
    cmbRightEdge->setToolTip(kRightEdgeTip);
    cmbBottomEdge->setToolTip(kBottomEdgeTip);
    cmbLeftEdge->setToolTip(kLeftEdgeTip);

    fraCutoffInInches->setTitle(kCutoffFrame);
    fraCutoffInInches->setToolTip(kCutoffFrameTip);
    lblTopEdge->setText(kTopEdgeTitle);
    lblRightEdge->setText(kRightEdgeTitle);
    lblBottomEdge->setText(kBottomEdgeTitle);
    lblLeftEdge->setText(kLeftEdgeTitle);
    for (QLabel *description : edgeDescriptions())
        description->setText(kInitialEdgeDesc);

    lblStep1Title->setText(kStep1Title);
    lblStep1Desc->setText(kStep1Desc);
    lblStep2Title->setText(kStep2Title);
    lblInstruction->setText(kInstruction);

    lblPicTestPrint->setText(kPictureTestPrint);
    lblPicTopLeft->setText(kPictureTopLeft);
    lblPicCutoff->setText(kPictureCutoff);
    lblPicTopEdge->setText(kPictureTopEdge);
    lblPicRightEdge->setText(kPictureRightEdge);
    lblPicBottomEdge->setText(kPictureBottomEdge);
    lblPicLeftEdge->setText(kPictureLeftEdge);
}

void frmBtm::connectEvents()
{
    connect(lstConfigurations, &QListWidget::currentRowChanged, this, [this] {
        if (!bSkipProcess)
            UpdateComboboxes();
    });
    for (QComboBox *list : edgeLists())
        connect(list, &QComboBox::currentIndexChanged, this, &frmBtm::ProcessFormChange);
    connect(cmdNew, &QPushButton::clicked, this, &frmBtm::cmdNew_Click);
    connect(cmdRename, &QPushButton::clicked, this, &frmBtm::cmdRename_Click);
    connect(cmdDel, &QPushButton::clicked, this, &frmBtm::cmdDel_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmBtm::cmdOk_Click);
    connect(cmdGenerateTest, &QPushButton::clicked, this, &frmBtm::cmdGenerateTest_Click);
}

std::array<QComboBox *, 4> frmBtm::edgeLists() const
{
    return {cmbTopEdge, cmbRightEdge, cmbBottomEdge, cmbLeftEdge};
}

std::array<QLabel *, 4> frmBtm::edgeDescriptions() const
{
    return {lblTopEdgeDesc, lblRightEdgeDesc, lblBottomEdgeDesc, lblLeftEdgeDesc};
}

int frmBtm::selectedRow() const
{
    const int row = lstConfigurations->currentRow();
    if (m_request.store == nullptr || row < 0 || row >= m_request.store->profiles().size())
        return -1;
    return row;
}

// ---------------------------------------------------------------------------------------
// Profiles and edge lists

void frmBtm::initControls()
{
    if (m_request.store == nullptr)
        return;
    m_request.store->initControls();
    FillProfileList(0);
}

void frmBtm::fillDropDowns()
{
    const QStringList items = edgeListItems();
    for (QComboBox *list : edgeLists()) {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(items);
    }
}

void frmBtm::UpdateComboboxes()
{
    if (bSkipProcess)
        return;
    const int row = selectedRow();
    if (row < 0)
        return;
    bSkipProcess = true;
    const std::array<int, 4> &indexes = m_request.store->profiles().at(row).trimIndex;
    const std::array<QComboBox *, 4> lists = edgeLists();
    for (std::size_t edge = 0; edge < lists.size(); ++edge)
        lists[edge]->setCurrentIndex(indexes[edge]);
    DescribeEdges();
    bSkipProcess = false;
}

void frmBtm::ProcessFormChange()
{
    if (bSkipProcess)
        return;
    const int row = selectedRow();
    if (row < 0)
        return;
    const std::array<QComboBox *, 4> lists = edgeLists();
    for (std::size_t edge = 0; edge < lists.size(); ++edge)
        m_request.store->setTrimIndex(row, int(edge), lists[edge]->currentIndex());
    DescribeEdges();
    m_request.store->WriteBorderPrefs();
}

void frmBtm::FillProfileList(int row)
{
    if (m_request.store == nullptr)
        return;
    {
        const QSignalBlocker quiet(lstConfigurations);
        lstConfigurations->clear();
        lstConfigurations->addItems(m_request.store->profileNames());
        lstConfigurations->setCurrentRow(row);
    }
    UpdateComboboxes();
    DescribeEdges();
    m_request.store->WriteBorderPrefs();
    refillMainProfileList();
}

void frmBtm::DescribeEdges()
{
    std::array<int, 4> indexes{};
    const std::array<QComboBox *, 4> lists = edgeLists();
    for (std::size_t edge = 0; edge < lists.size(); ++edge)
        indexes[edge] = std::max(0, lists[edge]->currentIndex());
    const std::array<QString, 4> texts = trimDescriptions(indexes, m_request.layout.units);
    const std::array<QLabel *, 4> labels = edgeDescriptions();
    for (std::size_t edge = 0; edge < labels.size(); ++edge)
        labels[edge]->setText(texts[edge]);
}

void frmBtm::SetStep1DescUnits()
{
    lblStep1Desc->setText(step1Description(lblStep1Desc->text(), m_request.layout.units));
}

void frmBtm::refillMainProfileList()
{
    if (m_request.refillMainProfileList)
        m_mainActiveRow = m_request.refillMainProfileList();
}

bool frmBtm::customInputBox(const QString &title, const QString &prompt, const QString &defaultVal)
{
    m_inputAnswer = messages().customInputBox(title, prompt, defaultVal);
    return m_inputAnswer.isConfirmed();
}

void frmBtm::cmdNew_Click()
{
    if (m_request.store == nullptr
        || !customInputBox(kNewProfileTitle + QStringLiteral(":"), kProfileNamePrompt, QString()))
        return;
    if (!m_request.store->addProfile(m_inputAnswer.sInputBoxVal)) {
        messages().showMessage(kProfileLimitMessage, kProfileLimitTitle, MessageIcon::Critical);
        return;
    }
    FillProfileList(int(m_request.store->profiles().size()) - 1);
}

void frmBtm::cmdRename_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString oldName = m_request.store->profiles().at(row).name;
    if (!customInputBox(kRenameProfileTitle + QStringLiteral(":"), kProfileNamePrompt, oldName))
        return;
    if (m_inputAnswer.sInputBoxVal == oldName)
        return;
    m_request.store->renameProfile(row, m_inputAnswer.sInputBoxVal);
    FillProfileList(0);
}

void frmBtm::cmdDel_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    if (m_request.store->profiles().size() <= 1) {
        messages().showMessage(kLastProfileMessage, kLastProfileTitle, MessageIcon::Critical);
        return;
    }
    const QString question = deleteProfileQuestion(m_request.store->profiles().at(row).name);
    if (messages().YesNoCancelBox(question, kDeleteTitle) != kAnswerYes)
        return;
    m_request.store->deleteProfile(row);
    FillProfileList(0);
}

void frmBtm::cmdOk_Click()
{
    accept();
}

// ---------------------------------------------------------------------------------------
// Test target

void frmBtm::cmdGenerateTest_Click()
{
    const LayoutState &layout = m_request.layout;
    double widthInches = 0.0;
    double heightInches = 0.0;
    if (!CheckTileSizesNoTrim(layout, widthInches, heightInches)) {
        messages().showMessage(invalidPrintSizeMessage(m_request.printInfoCaption), kInvalidSizeTitle,
                               MessageIcon::Critical);
        return;
    }
    if (!messages().OkCancelBox(testTargetAnnouncement(heightInches, widthInches, layout.units), kTestTargetTitle))
        return;

    {
        const WaitCursor busy;
        m_testTarget.CreateEdgeTestImage(heightInches, widthInches);
    }
    if (m_testTarget.hasError()) {
        messages().showMessage(kTestTargetTitle + QStringLiteral(" - ") + m_testTarget.errorText(), kErrorTitle,
                               MessageIcon::Critical);
        return;
    }

    const QString path = SaveTestTargetDialog(kSuggestedFileName);
    if (path.isEmpty()) {
        messages().showMessage(kCreationCanceled, kCanceledTitle, MessageIcon::Critical);
        return;
    }
    const int fileType = testTargetFileType(path);
    if (fileType == 0) {
        messages().showMessage(kInvalidFileName, kInvalidFileTypeTitle, MessageIcon::Critical);
        return;
    }
    // The chooser takes an existing file without asking; a photo picked by mistake must
    // not be replaced silently.
    if (QFileInfo::exists(path) && messages().YesNoCancelBox(replaceFileQuestion(path), kTestTargetTitle) != kAnswerYes)
        return;

    if (ImagingResult saved = m_testTarget.save(path, fileType); !saved) {
        messages().showMessage(kSaveError + QStringLiteral(" - ") + saved.errorText(), kErrorTitle,
                               MessageIcon::Critical);
        return;
    }
    messages().showMessage(testTargetSavedMessage(path), kSavedTitle, MessageIcon::Information);
}
