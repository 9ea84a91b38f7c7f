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
    // The same for a PDF poster saved into the folder.
    void ShowPosterSavedMsg(const QString &folder);
    QString folderLinkTarget() const { return m_folder; }


private:
    // The controls, found by their object names from outside.
    QLabel *lblTitle = nullptr;
    QLabel *lblMsg = nullptr;
    QLabel *lnkFol = nullptr;
    QPushButton *cmdOk = nullptr;
    QLabel *imgCheck = nullptr;

    void openFolder();
    void showSaved(const QString &title, const QString &text, const QString &sFolderName);

    QString m_folder;
};
