#pragma once

#include "paper/PaperSelection.h"
#include "paper/PaperValidation.h"
#include "common/Units.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// Receives the applied paper: its sizes, unit and name, and the record to store.
using PaperApplyFunction = std::function<void(const PaperValues &values, const QString &regLine)>;
// Receives the state of the equal-margins box (0 or 1) when a paper is applied.
using MarginLockFunction = std::function<void(int marginLocked)>;

// The paper and margins dialog. The user picks the unit, a paper of that unit's catalogue
// or a custom size, and the four margins; the dialog shows the sheet and tile sizes and
// hands an accepted paper to its callbacks. Each paper keeps its last valid values while
// the dialog is open; typing is checked as it happens and only reported in a message
// when the user moves to another paper or applies.
class frmTileSize : public QDialog
{
    Q_OBJECT

public:
    // What the main window's paper menu entry and edit-paper button call: a fresh dialog,
    // modal over the parent, showing the stored record with the stored lock state.
    // Apply and OK call both functions (the main window then refreshes its tile values);
    // Cancel and closing the window apply nothing more. True when closed with OK.
    static bool OpenPaperDialog(QWidget *parent, const QString &paperRegLine, int marginLocked,
                                PaperApplyFunction apply, MarginLockFunction setMarginLocked);

    explicit frmTileSize(PaperApplyFunction apply, MarginLockFunction setMarginLocked,
                         QWidget *parent = nullptr);

    // Prepares an opening: the built-in papers, the lock state (1 ticks the box), then the
    // stored record; a record that cannot be used leaves the built-in 4 x 6 photo paper.
    void loadStoredPaper(const QString &paperRegLine, int marginLocked);

    // Built-in catalogues, unit inches, first paper of each unit, margin lists refilled.
    // The other controls are left as they are.
    void initPaperSizes();
    // Reads a record (see PaperSelection) and shows the paper it selects, or the built-in
    // paper when the record is refused.
    bool setPrefFromRegLine(const QString &sRegLine);
    // Shows the selected paper of the current unit in every control.
    void ShowSelectedPaper();
    // Checks the values shown and, when they pass, stores them into the selected paper.
    PaperInputResult ValidateAndStore();
    // Fills the result labels for a check status, from the selected paper as stored.
    void ShowResults(int status);
    // With the lock on, copies margin box `index` into the opposite box.
    void SyncLockedMargin(int index);
    void ChangeUnits(Units units);
    // Hands the selected paper to the callbacks. Values that fail the checks are reported
    // first and the paper's last valid values are applied instead.
    bool ApplyPaperValues();
    void FillMarginComboBoxes();

    const PaperSelection &selection() const { return m_selection; }
    // True while the dialog fills its own controls; every handler then returns at once.
    bool skippingEvents() const { return bSkipEvents; }

    std::array<QLabel *, 2> lblUnits{};
    std::array<QComboBox *, 4> cmbMargins{}; // top, right, bottom, left

private:
    // The controls, found by their object names from outside.
    QRadioButton *opbInches = nullptr;
    QRadioButton *opbMm = nullptr;
    QListWidget *lstPaperSize = nullptr;
    QLineEdit *txtWidth = nullptr;
    QLineEdit *txtHeight = nullptr;
    QLabel *lblMarginUnits = nullptr;
    QCheckBox *chkLock = nullptr;
    QCheckBox *chkBorderless = nullptr;
    QPushButton *cmdBorderless = nullptr;
    QPushButton *cmdReset = nullptr;
    QLabel *lblSizeWithBorders = nullptr;
    QLabel *lblSizeWithoutBorders = nullptr;
    QPushButton *cmdApply = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

    void buildControls();
    void setCaptions();
    void connectEvents();
    QWidget *makeUnitsStep();
    QWidget *makePaperStep();
    QWidget *makeMarginsStep();
    QWidget *makeResultsStep();

    PaperInputTexts shownTexts() const;
    void setUnitButtons(Units units);
    void reportInvalidValues(const QString &message);

    void sizeBox_Change();
    void cmbMargins_Change(int index);
    void validateShownValues();
    void chkLock_Click(bool checked);
    void lstPaperSize_Click(int row);
    void cmdBorderless_Click();
    void cmdReset_Click();
    void cmdOk_Click();

    PaperSelection m_selection;
    PaperApplyFunction m_apply;
    MarginLockFunction m_setMarginLocked;
    bool bSkipEvents = false;
};
