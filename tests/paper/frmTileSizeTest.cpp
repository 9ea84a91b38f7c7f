#include "support/ModalDriver.h"
#include "paper/frmTileSize.h"
#include "support/ScriptedMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

const QString kLetterRecord = QStringLiteral("|0|Letter 8.5\" x 11\"|8.5|11|.5|.5|.5|.5|.5|.5|.5|.5|");
const QString kA4Record = QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|");
const QString kInchCustomRecord = QStringLiteral("|0|Custom (inches)|4|6|.5|.5|.5|.5|.5|.5|.5|.5|");
const QString kMmCustomRecord = QStringLiteral("|1|Custom (mm)|148|210|12|12|12|12|12|12|12|12|");
const QString kInvalidValuesTitle = QStringLiteral("Invalid Values Entered");

constexpr int kLetterRow = 3;
constexpr int kLegalRow = 4;

struct AppliedPaper
{
    PaperValues values;
    QString record;
};

class frmTileSizeTest : public ::testing::Test
{
protected:
    void open(const QString &record, int marginLocked = 0)
    {
        dialog = std::make_unique<frmTileSize>(
            [this](const PaperValues &values, const QString &record) { applied = AppliedPaper{values, record}; },
            [this](int locked) { appliedLock = locked; });
        dialog->loadStoredPaper(record, marginLocked);
    }

    void typeMargin(int edge, const QString &text) { dialog->cmbMargins[edge]->setEditText(text); }
    QString margin(int edge) const { return dialog->cmbMargins[edge]->currentText(); }
    QString sheetResult() const { return control<QLabel>(dialog, "lblSizeWithBorders")->text(); }
    QString tileResult() const { return control<QLabel>(dialog, "lblSizeWithoutBorders")->text(); }
    const PaperEntry &stored() const { return dialog->selection().selectedEntry(); }

    // The one message shown since the last check, with the dialog's title and icon.
    QString onlyMessage()
    {
        EXPECT_EQ(shown.shown().size(), 1);
        if (shown.shown().isEmpty())
            return QString();
        const ShownDialog box = shown.last();
        EXPECT_EQ(box.title, kInvalidValuesTitle);
        EXPECT_EQ(box.icon, MessageIcon::Critical);
        shown.clearShown();
        return box.text;
    }

    ScriptedMessages shown;
    std::unique_ptr<frmTileSize> dialog;
    std::optional<AppliedPaper> applied;
    std::optional<int> appliedLock;
};

} // namespace

TEST_F(frmTileSizeTest, ShowsTheStoredPaperInEveryControl)
{
    open(kA4Record);
    EXPECT_EQ(dialog->windowTitle(), "Determine Tile Print Size");
    EXPECT_TRUE(control<QRadioButton>(dialog, "opbMm")->isChecked());
    EXPECT_EQ(control<QListWidget>(dialog, "lstPaperSize")->count(), 8);
    EXPECT_EQ(control<QListWidget>(dialog, "lstPaperSize")->currentItem()->text(), "A4 - 210 x 297");
    EXPECT_EQ(control<QLineEdit>(dialog, "txtWidth")->text(), "210.0");
    EXPECT_EQ(control<QLineEdit>(dialog, "txtHeight")->text(), "297.0");
    EXPECT_FALSE(control<QLineEdit>(dialog, "txtWidth")->isEnabled());
    EXPECT_EQ(dialog->lblUnits[0]->text(), "mm");
    EXPECT_EQ(control<QLabel>(dialog, "lblMarginUnits")->text(), "(Margin sizes in MILLIMETERS)");
    for (int edge = 0; edge < 4; ++edge)
        EXPECT_EQ(margin(edge), "12.0");
    // The millimetre lists are in place when the dialog opens on a millimetre paper.
    EXPECT_EQ(dialog->cmbMargins[0]->count(), 102);
    EXPECT_EQ(dialog->cmbMargins[0]->itemText(101), "50.5");
    EXPECT_EQ(sheetResult(), "210.0 x 297.0 mm");
    EXPECT_EQ(tileResult(), "186.0 x 273.0 mm");

    open(kInchCustomRecord);
    EXPECT_TRUE(control<QRadioButton>(dialog, "opbInches")->isChecked());
    EXPECT_TRUE(control<QLineEdit>(dialog, "txtWidth")->isEnabled());
    EXPECT_EQ(dialog->cmbMargins[0]->count(), 201);
    EXPECT_EQ(margin(0), "0.50");
    EXPECT_EQ(tileResult(), "3.00 x 5.00 Inches");
    EXPECT_FALSE(dialog->skippingEvents());
}

TEST_F(frmTileSizeTest, UnusableRecordOpensOnTheBorderlessPhotoPaper)
{
    for (const QString &record : {QString(), QStringLiteral("|0|A4 - 210 x 297|210|297|0|0|0|0|0|0|0|0|"),
                                  QStringLiteral("garbage")}) {
        SCOPED_TRACE(record.toStdString());
        open(record);
        EXPECT_TRUE(control<QRadioButton>(dialog, "opbInches")->isChecked());
        EXPECT_EQ(control<QListWidget>(dialog, "lstPaperSize")->currentRow(), 0);
        EXPECT_EQ(sheetResult(), "6.00 x 4.00 Inches");
        EXPECT_EQ(tileResult(), "6.00 x 4.00 Inches");
    }
    EXPECT_TRUE(shown.shown().isEmpty());
}

TEST_F(frmTileSizeTest, InvalidTypingShowsOnlyInTheResultLabels)
{
    open(kLetterRecord);
    typeMargin(kLeftEdge, "4.25");
    EXPECT_EQ(tileResult(), "3.75 x 10.00 Inches");
    typeMargin(kRightEdge, "4.25");
    EXPECT_EQ(sheetResult(), "8.50 x 11.00 Inches");
    EXPECT_EQ(tileResult(), "Invalid margin size selected");
    EXPECT_TRUE(shown.shown().isEmpty());

    // Applying reports the refusal, then hands over the last values that passed.
    control<QPushButton>(dialog, "cmdApply")->click();
    EXPECT_EQ(onlyMessage(), "Invalid Left / Right Margins.  Together they are larger than the paper width.");
    ASSERT_TRUE(applied);
    EXPECT_DOUBLE_EQ(applied->values.tileWidth, 3.75);
    EXPECT_EQ(applied->record, "|0|Letter 8.5\" x 11\"|8.5|11|.5|.5|.5|.5|.5|.5|.5|4.25|");
    EXPECT_EQ(dialog->result(), 0); // Apply leaves the dialog open
}

TEST_F(frmTileSizeTest, EachBadMarginIsRefusedWithItsMessage)
{
    struct Case
    {
        int edge;
        QString text;
        QString message;
    };
    const Case cases[] = {
        {kTopEdge, "abc", "You entered invalid values for print margins."},
        {kLeftEdge, "", "You entered invalid values for print margins."},
        {kRightEdge, "-0.1", "Invalid margin value - can't be less than zero"},
        {kBottomEdge, "10.5", "Invalid Top / Bottom Margins.  Together they are larger than the paper height."},
        {kLeftEdge, "8", "Invalid Left / Right Margins.  Together they are larger than the paper width."},
        {kLeftEdge, "7.5", "Paper/Margins too small"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        open(kLetterRecord);
        typeMargin(c.edge, c.text);
        EXPECT_EQ(tileResult(), "Invalid margin size selected");
        EXPECT_EQ(stored().margins, (MarginArray{.5, .5, .5, .5}));
        EXPECT_TRUE(shown.shown().isEmpty());

        // Moving to another paper reports the values and keeps the paper being left.
        control<QListWidget>(dialog, "lstPaperSize")->setCurrentRow(kLegalRow);
        EXPECT_EQ(onlyMessage(), c.message);
        EXPECT_EQ(control<QListWidget>(dialog, "lstPaperSize")->currentRow(), kLetterRow);
        EXPECT_EQ(dialog->selection().selectedRow(Units::Inches), kLetterRow);
        EXPECT_EQ(margin(c.edge), c.text);
    }
}

TEST_F(frmTileSizeTest, CustomPaperSizeLimits)
{
    struct Case
    {
        QString record;
        QString width;
        QString height;
        QString message;
    };
    const Case cases[] = {
        {kInchCustomRecord, "0.5", "6", "Invalid paper size - size too small.  Minimum size is .75."},
        {kMmCustomRecord, "19", "210", "Invalid paper size - size too small.  Minimum size is 20."},
        {kInchCustomRecord, "60", "10", "Paper size too large"},
        {kMmCustomRecord, "1271", "210", "Paper size too large"},
        {kInchCustomRecord, "abc", "6", "Invalid Paper Width or Height"},
        {kInchCustomRecord, "4", "", "Invalid Paper Width or Height"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE((c.width + " x " + c.height).toStdString());
        open(c.record);
        const PaperEntry before = stored();
        control<QLineEdit>(dialog, "txtWidth")->setText(c.width);
        control<QLineEdit>(dialog, "txtHeight")->setText(c.height);
        EXPECT_EQ(sheetResult(), "Invalid paper size entered");
        EXPECT_EQ(tileResult(), "-");
        EXPECT_TRUE(shown.shown().isEmpty());

        // OK reports the size, applies the last valid custom size and closes.
        control<QPushButton>(dialog, "cmdOk")->click();
        EXPECT_EQ(onlyMessage(), c.message);
        ASSERT_TRUE(applied);
        EXPECT_EQ(applied->values.paperWidth, before.width);
        EXPECT_EQ(applied->values.paperHeight, before.height);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    }

    // The limits themselves are accepted.
    open(kMmCustomRecord);
    typeMargin(kLeftEdge, "0");
    typeMargin(kRightEdge, "0");
    control<QLineEdit>(dialog, "txtWidth")->setText("1270");
    EXPECT_EQ(sheetResult(), "1270.0 x 210.0 mm");
    control<QLineEdit>(dialog, "txtWidth")->setText("20");
    EXPECT_EQ(tileResult(), "20.0 x 186.0 mm");
}

TEST_F(frmTileSizeTest, LockKeepsOppositeMarginsEqual)
{
    open(kLetterRecord, 1);
    EXPECT_TRUE(control<QCheckBox>(dialog, "chkLock")->isChecked());
    typeMargin(kLeftEdge, "0.3");
    EXPECT_EQ(margin(kRightEdge), "0.3");
    typeMargin(kBottomEdge, "1");
    EXPECT_EQ(margin(kTopEdge), "1");
    EXPECT_EQ(stored().margins, (MarginArray{1, .3, 1, .3}));

    // Ticking the box makes bottom follow top and right follow left.
    open(kLetterRecord, 0);
    typeMargin(kTopEdge, "0.75");
    typeMargin(kLeftEdge, "0.25");
    EXPECT_EQ(margin(kRightEdge), "0.50");
    control<QCheckBox>(dialog, "chkLock")->setChecked(true);
    EXPECT_EQ(margin(kBottomEdge), "0.75");
    EXPECT_EQ(margin(kRightEdge), "0.25");
    EXPECT_EQ(stored().margins, (MarginArray{.75, .25, .75, .25}));

    control<QPushButton>(dialog, "cmdApply")->click();
    EXPECT_EQ(appliedLock, 1);
}

TEST_F(frmTileSizeTest, BorderlessAndResetReplaceEveryMargin)
{
    open(kLetterRecord);
    typeMargin(kTopEdge, "abc");
    control<QPushButton>(dialog, "cmdBorderless")->click();
    for (int edge = 0; edge < 4; ++edge)
        EXPECT_EQ(margin(edge), "0.00");
    EXPECT_EQ(tileResult(), "8.50 x 11.00 Inches");
    EXPECT_EQ(tileResult(), sheetResult());

    open(QString()); // the 4 x 6 photo paper
    typeMargin(kTopEdge, "0.25");
    typeMargin(kLeftEdge, "0.5");
    control<QPushButton>(dialog, "cmdReset")->click();
    for (int edge = 0; edge < 4; ++edge)
        EXPECT_EQ(margin(edge), "0.00");
    EXPECT_EQ(stored().margins, (MarginArray{0, 0, 0, 0}));

    open(kA4Record);
    control<QPushButton>(dialog, "cmdBorderless")->click();
    EXPECT_EQ(tileResult(), "210.0 x 297.0 mm");
    control<QPushButton>(dialog, "cmdReset")->click();
    for (int edge = 0; edge < 4; ++edge)
        EXPECT_EQ(margin(edge), "12.0");
    EXPECT_EQ(tileResult(), "186.0 x 273.0 mm");
}

TEST_F(frmTileSizeTest, EachPaperKeepsItsEditsWhileOpen)
{
    open(kLetterRecord);
    typeMargin(kTopEdge, "1");
    control<QListWidget>(dialog, "lstPaperSize")->setCurrentRow(kLegalRow);
    EXPECT_EQ(margin(kTopEdge), "0.50");
    EXPECT_EQ(tileResult(), "7.50 x 13.00 Inches");

    control<QRadioButton>(dialog, "opbMm")->click();
    EXPECT_EQ(control<QListWidget>(dialog, "lstPaperSize")->currentItem()->text(), "A8 - 53 x 74");
    control<QListWidget>(dialog, "lstPaperSize")->setCurrentRow(7);
    control<QLineEdit>(dialog, "txtWidth")->setText("300");
    control<QRadioButton>(dialog, "opbInches")->click();
    EXPECT_EQ(control<QListWidget>(dialog, "lstPaperSize")->currentRow(), kLegalRow);

    control<QListWidget>(dialog, "lstPaperSize")->setCurrentRow(kLetterRow);
    EXPECT_EQ(margin(kTopEdge), "1.00");
    control<QRadioButton>(dialog, "opbMm")->click();
    EXPECT_EQ(control<QLineEdit>(dialog, "txtWidth")->text(), "300.0");
    EXPECT_TRUE(shown.shown().isEmpty());
}

TEST_F(frmTileSizeTest, UnitSwitchDropsInvalidTypingSilently)
{
    open(kLetterRecord);
    typeMargin(kTopEdge, "abc");
    control<QRadioButton>(dialog, "opbMm")->click();
    EXPECT_TRUE(shown.shown().isEmpty());
    EXPECT_EQ(dialog->selection().units(), Units::Millimetres);
    EXPECT_EQ(sheetResult(), "74.0 x 53.0 mm");
    EXPECT_EQ(dialog->cmbMargins[0]->count(), 102);

    control<QRadioButton>(dialog, "opbInches")->click();
    EXPECT_EQ(control<QListWidget>(dialog, "lstPaperSize")->currentRow(), kLetterRow);
    EXPECT_EQ(margin(kTopEdge), "0.50");
    EXPECT_EQ(tileResult(), "7.50 x 10.00 Inches");
}

// Refilling the margin lists for the other unit selects zero in every box; that must not
// be taken for the user's choice of margins for the paper shown.
TEST_F(frmTileSizeTest, UnitSwitchKeepsTheMarginsOfThePaperShown)
{
    open(kA4Record);
    control<QRadioButton>(dialog, "opbInches")->click();
    control<QRadioButton>(dialog, "opbMm")->click();
    for (int edge = 0; edge < 4; ++edge)
        EXPECT_EQ(margin(edge), "12.0");
    EXPECT_EQ(stored().margins, (MarginArray{12, 12, 12, 12}));
}

TEST_F(frmTileSizeTest, ApplyHandsOverTheSelectedPaper)
{
    open(kA4Record, 1);
    control<QPushButton>(dialog, "cmdApply")->click();
    EXPECT_TRUE(shown.shown().isEmpty());
    ASSERT_TRUE(applied);
    EXPECT_EQ(applied->values.units, Units::Millimetres);
    EXPECT_EQ(applied->values.paperName, "A4 - 210 x 297");
    EXPECT_EQ(applied->values.tileWidth, 186);
    EXPECT_EQ(applied->values.tileHeight, 273);
    EXPECT_EQ(applied->values.paperWidth, 210);
    EXPECT_EQ(applied->values.paperHeight, 297);
    EXPECT_EQ(applied->record, kA4Record);
    EXPECT_EQ(appliedLock, 1);

    control<QListWidget>(dialog, "lstPaperSize")->setCurrentRow(7);
    control<QLineEdit>(dialog, "txtWidth")->setText("100.5");
    control<QPushButton>(dialog, "cmdApply")->click();
    EXPECT_EQ(applied->record, "|1|Custom (mm)|100.5|210|12|12|12|12|12|12|12|12|");
    EXPECT_EQ(applied->values.tileWidth, 76.5);
}

TEST_F(frmTileSizeTest, OpenedFromTheMainWindowAppliesOnlyOnOkOrApply)
{
    int applyCalls = 0;
    std::optional<int> lock;
    auto apply = [&](const PaperValues &, const QString &) { ++applyCalls; };
    auto setLock = [&](int value) { lock = value; };

    whenModalShown<frmTileSize>([](frmTileSize *window) {
        window->cmbMargins[kTopEdge]->setEditText("20");
        control<QPushButton>(window, "cmdCancel")->click();
    });
    EXPECT_FALSE(frmTileSize::OpenPaperDialog(nullptr, kA4Record, 0, apply, setLock));
    EXPECT_EQ(applyCalls, 0);
    EXPECT_FALSE(lock);

    QString recordOnOk;
    auto keepRecord = [&](const PaperValues &, const QString &record) {
        ++applyCalls;
        recordOnOk = record;
    };
    whenModalShown<frmTileSize>([](frmTileSize *window) {
        EXPECT_TRUE(control<QCheckBox>(window, "chkLock")->isChecked());
        window->cmbMargins[kTopEdge]->setEditText("20");
        control<QPushButton>(window, "cmdOk")->click();
    });
    EXPECT_TRUE(frmTileSize::OpenPaperDialog(nullptr, kA4Record, 1, keepRecord, setLock));
    EXPECT_EQ(applyCalls, 1);
    EXPECT_EQ(recordOnOk, "|1|A4 - 210 x 297|210|297|12|12|12|12|20|12|20|12|");
    EXPECT_EQ(lock, 1);
}
