#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

// The completion window of a save run: tells that the tiles were saved and shows the
// destination folder as a link that opens it in the file browser.
class frmSimpleMsg : public QWidget
{
    Q_OBJECT
public:
    explicit frmSimpleMsg(QWidget *parent = nullptr);

    void ShowSaveOkMsg(const QString &sFolderName);
    QString folderLinkTarget() const { return m_folder; }


private:
    // The controls, found by their object names from outside.
    QLabel *lblTitle = nullptr;
    QLabel *lblMsg = nullptr;
    QLabel *lnkFol = nullptr;
    QPushButton *cmdOk = nullptr;
    QLabel *imgCheck = nullptr;

    void openFolder();

    QString m_folder;
};
