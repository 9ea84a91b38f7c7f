#pragma once

#include "calibration/EdgeTestTarget.h"
#include "dialogs/MessageSeam.h"
#include "layout/LayoutState.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class ProfileStore;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// What the main window hands the edge calibration dialog when it opens it.
struct EdgeCalibrationRequest
{
    // The main window's profile table; the dialog edits it and writes its file.
    ProfileStore *store = nullptr;
    // The poster layout: its tile print size and unit size the test target.
    LayoutState layout;
    // Caption of the main window's print size frame, named by the invalid size message.
    QString printInfoCaption;
    // Refills the main window's profile list from the store, keeping its choice by name
    // (frmBtm::fillMainDialog does exactly that), and returns the row it now selects.
    std::function<int()> refillMainProfileList;
};

// The modal "Edge Calibration" dialog: picks a profile, records for each edge how many
// test stripes survived printing, creates, renames and deletes profiles, and builds the
// printable test target. Every change is written to the profile file at once; there is
// nothing to cancel. The profile chosen here is independent of the main window's active one.
class frmBtm : public QDialog
{
    Q_OBJECT

public:
    // Loads the dialog: captions, edge lists, and the profile table read (and rewritten)
    // from its file, with the main window's list refilled.
    explicit frmBtm(EdgeCalibrationRequest request, QWidget *owner = nullptr);

    // The main window's way in: loads the dialog over owner, selects the main window's
    // active profile, shows it modally and returns once it is closed.
    static void showEdgeCalibration(QWidget *owner, const EdgeCalibrationRequest &request);

    // Refills a profile list with names, selecting the last row named like the text it
    // showed, else its previous row while that exists, else row 0. The list's
    // currentIndexChanged is emitted exactly once, for that selection. Returns the row.
    static int fillMainDialog(QComboBox &list, const QStringList &names);

    // Selects a row of the dialog's profile list, as the opening does for the main
    // window's active profile, and shows its edges.
    void selectProfile(int row);

    // While set, the list and edge-list handlers do nothing.
    bool bSkipProcess = false;

    void fillDropDowns();
    void UpdateComboboxes();
    void ProcessFormChange();
    void FillProfileList(int row = 0);
    void DescribeEdges();
    void SetStep1DescUnits();
    // Shows the input box; true when a non-empty text came back with OK.
    bool customInputBox(const QString &title, const QString &prompt, const QString &defaultVal);
    const InputBoxAnswer &inputBoxAnswer() const { return m_inputAnswer; }

    void cmdNew_Click();
    void cmdRename_Click();
    void cmdDel_Click();
    void cmdOk_Click();
    void cmdGenerateTest_Click();

private:
    void createControls();
    QLayout *createProfileColumn();
    QLayout *createStepsColumn();
    QGroupBox *createCutoffFrame();
    QWidget *createTestPrintPicture();
    void setTexts();
    void connectEvents();
    void initControls();

    std::array<QComboBox *, 4> edgeLists() const;
    std::array<QLabel *, 4> edgeDescriptions() const;
    int selectedRow() const;
    void refillMainProfileList();

    EdgeCalibrationRequest m_request;
    EdgeTestTarget m_testTarget;
    InputBoxAnswer m_inputAnswer;
    // The main window's active profile as its list last reported it.
    int m_mainActiveRow = 0;

    QLabel *lblTitle = nullptr;
    QListWidget *lstConfigurations = nullptr;
    QPushButton *cmdNew = nullptr;
    QPushButton *cmdRename = nullptr;
    QPushButton *cmdDel = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdGenerateTest = nullptr;
    QLabel *lblStep1Title = nullptr;
    QLabel *lblStep1Desc = nullptr;
    QLabel *lblStep2Title = nullptr;
    QLabel *lblInstruction = nullptr;
    QGroupBox *fraCutoffInInches = nullptr;
    QLabel *lblTopEdge = nullptr;
    QLabel *lblRightEdge = nullptr;
    QLabel *lblBottomEdge = nullptr;
    QLabel *lblLeftEdge = nullptr;
    QComboBox *cmbTopEdge = nullptr;
    QComboBox *cmbRightEdge = nullptr;
    QComboBox *cmbBottomEdge = nullptr;
    QComboBox *cmbLeftEdge = nullptr;
    QLabel *lblTopEdgeDesc = nullptr;
    QLabel *lblRightEdgeDesc = nullptr;
    QLabel *lblBottomEdgeDesc = nullptr;
    QLabel *lblLeftEdgeDesc = nullptr;
    QLabel *picTestPrint = nullptr;
    QLabel *lblPicTestPrint = nullptr;
    QLabel *lblPicTopLeft = nullptr;
    QLabel *lblPicCutoff = nullptr;
    QLabel *lblPicTopEdge = nullptr;
    QLabel *lblPicRightEdge = nullptr;
    QLabel *lblPicBottomEdge = nullptr;
    QLabel *lblPicLeftEdge = nullptr;
};
