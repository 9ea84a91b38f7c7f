#pragma once

#include "output/SaveRunListener.h"

#include <QTextStream>

#include <atomic>

// The save run on a terminal: messages and a progress bar on standard error, Cancel from
// Ctrl+C. The folder-exists question is answered from --overwrite instead of being asked.
class TerminalListener final : public SaveRunListener
{
public:
    // A poster made only to be printed is not announced as saved in a folder.
    void announceFolder(bool announce) { m_announceFolder = announce; }
    // `showBar` draws the progress bar (only wanted when standard error is a terminal).
    TerminalListener(QTextStream &err, bool overwrite, bool showBar);
    ~TerminalListener() override;

    // Turns true on Ctrl+C; calls that wait (to the print service) watch it too.
    static const std::atomic<bool> &cancelFlag();

    TerminalListener(const TerminalListener &) = delete;
    TerminalListener &operator=(const TerminalListener &) = delete;

    int askYesNoCancel(const QString &text, const QString &title) override;
    void showMessage(const QString &text, const QString &title, MessageIcon icon) override;
    void showProgress(const QString &message) override;
    void setProgress(double fraction) override;
    bool cancelRequested() override;
    void closeProgress(ProgressClose how) override;
    void showCompleted(const QString &folder, Saved saved) override;

    // True once the run stopped because the existing folder was not to be written into.
    bool refusedExistingFolder() const { return m_refused; }

private:
    void drawBar(double fraction);
    void endBar();

    QTextStream &m_err;
    const bool m_overwrite;
    bool m_announceFolder = true;
    const bool m_showBar;
    bool m_barShown = false;
    bool m_refused = false;
    QString m_barMessage;
};

// Prints "title: text", or the text alone when there is no title.
void printMessage(QTextStream &err, const QString &title, const QString &text);
