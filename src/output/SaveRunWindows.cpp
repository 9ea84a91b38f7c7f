#include "output/SaveRunWindows.h"

#include "dialogs/MessageSeam.h"
#include "output/frmMsg.h"
#include "output/frmSimpleMsg.h"

#include <QApplication>

SaveRunWindows::SaveRunWindows(QWidget *owner) : m_owner(owner) {}

SaveRunWindows::~SaveRunWindows() = default;

int SaveRunWindows::askYesNoCancel(const QString &text, const QString &title)
{
    return messages().YesNoCancelBox(text, title);
}

void SaveRunWindows::showMessage(const QString &text, const QString &title, MessageIcon icon)
{
    messages().showMessage(text, title, icon);
}

void SaveRunWindows::showProgress(const QString &message)
{
    m_progress = std::make_unique<frmMsg>(m_owner);
    m_progress->bAllowCancel = true;
    m_progress->SetMode(frmMsg::kModeProgress);
    m_progress->ShowProgressBar(message);
}

void SaveRunWindows::setProgress(double fraction)
{
    if (m_progress)
        m_progress->SetProgressVal(fraction);
}

bool SaveRunWindows::cancelRequested()
{
    if (!m_progress)
        return false;
    // A click on Cancel made while the last tile was written is delivered here at the latest.
    QApplication::processEvents();
    return m_progress->bCancel;
}

void SaveRunWindows::closeProgress(ProgressClose how)
{
    if (!m_progress)
        return;
    if (how == ProgressClose::Now)
        m_progress->unload();
    else
        m_progress->curStatus = frmMsg::kStatusClose;
}

void SaveRunWindows::showCompleted(const QString &folder, Saved saved)
{
    if (m_progress)
        m_progress->unload();
    auto *completion = new frmSimpleMsg(m_owner);
    if (saved == Saved::PdfPoster)
        completion->ShowPosterSavedMsg(folder);
    else
        completion->ShowSaveOkMsg(folder);
}
