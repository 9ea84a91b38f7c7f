#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// The about box: title, version, ownership notice, description, a link to the product's
// web site and a button that starts the desktop's system information program.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *owner = nullptr);

    // How a found program is started; by default as a detached process.
    void setProgramStarter(std::function<bool(const QString &)> starter) { m_startProgram = std::move(starter); }
    // Where system information programs are looked for; empty means PATH.
    void setSearchPaths(const QStringList &paths) { m_searchPaths = paths; }

    void StartSysInfo();

private:
    void InitAboutText();

    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblCopyright;
    QLabel *lblDescription;
    QLabel *lblWeb;
    QLabel *vbwHyperlink1;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;
    std::function<bool(const QString &)> m_startProgram;
    QStringList m_searchPaths;
};
