#pragma once

#include <QWidget>

class QTextBrowser;

// The help window: the HTML manual in a browser pane. Links inside the manual are
// followed in place; links to the web open in the desktop's browser.
class frmHelp : public QWidget
{
    Q_OBJECT

public:
    explicit frmHelp(QWidget *owner = nullptr);

    // Shows the window with the manual at the given path.
    void showFile(const QString &path);

    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};
