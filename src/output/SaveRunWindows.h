#pragma once

#include "output/SaveRunListener.h"

#include <QPointer>

#include <memory>

class QWidget;
class frmMsg;

// A save run as the person at the screen sees it: questions and messages through the
// message seam, progress in the progress window, the end in the completion window.
// Lives for one run; the progress window goes with it.
class SaveRunWindows : public SaveRunListener
{
public:
    // The completion window outlives the run, so it belongs to the given window (the
    // main window), not to the save dialog that is closed after the run.
    explicit SaveRunWindows(QWidget *owner);
    ~SaveRunWindows() override;

    int askYesNoCancel(const QString &text, const QString &title) override;
    void showMessage(const QString &text, const QString &title, MessageIcon icon) override;
    void showProgress(const QString &message) override;
    void setProgress(double fraction) override;
    bool cancelRequested() override;
    void closeProgress(ProgressClose how) override;
    void showCompleted(const QString &folder, Saved saved) override;

    frmMsg *progressWindow() const { return m_progress.get(); }

private:
    QPointer<QWidget> m_owner;
    std::unique_ptr<frmMsg> m_progress;
};
