#include "cli/TerminalListener.h"

#include "resources/CliStrings.h"
#include "resources/SaveWindowStrings.h"

#include <csignal>

namespace {

constexpr int kBarWidth = 30;

// Set by Ctrl+C while a run is going; read between tiles like the window's Cancel button.
std::atomic<bool> g_cancel{false};

extern "C" void requestCancel(int)
{
    g_cancel.store(true);
}

} // namespace

void printMessage(QTextStream &err, const QString &title, const QString &text)
{
    if (title.isEmpty())
        err << text << '\n';
    else
        err << title << ": " << text << '\n';
    err.flush();
}

const std::atomic<bool> &TerminalListener::cancelFlag()
{
    return g_cancel;
}

TerminalListener::TerminalListener(QTextStream &err, bool overwrite, bool showBar)
    : m_err(err), m_overwrite(overwrite), m_showBar(showBar)
{
    g_cancel.store(false);
    std::signal(SIGINT, requestCancel);
}

TerminalListener::~TerminalListener()
{
    std::signal(SIGINT, SIG_DFL);
    endBar();
}

int TerminalListener::askYesNoCancel(const QString &text, const QString &title)
{
    if (m_overwrite)
        return kAnswerYes;
    m_refused = true;
    printMessage(m_err, title, text);
    printMessage(m_err, QString(), CliStrings::kFolderExistsRefused);
    return kAnswerNo;
}

void TerminalListener::showMessage(const QString &text, const QString &title, MessageIcon)
{
    endBar();
    printMessage(m_err, title, text);
}

void TerminalListener::showProgress(const QString &message)
{
    m_barMessage = message;
    drawBar(0.0);
}

void TerminalListener::setProgress(double fraction)
{
    drawBar(fraction);
    if (fraction >= 1.0)
        endBar();
}

bool TerminalListener::cancelRequested()
{
    return g_cancel.load();
}

void TerminalListener::closeProgress(ProgressClose)
{
    endBar();
}

void TerminalListener::showCompleted(const QString &folder, Saved saved)
{
    endBar();
    if (!m_announceFolder)
        return;
    if (saved == Saved::PdfPoster)
        printMessage(m_err, SaveWindowStrings::kPosterSavedTitle, SaveWindowStrings::kPosterSavedText);
    else
        printMessage(m_err, SaveWindowStrings::kCompletionTitle, SaveWindowStrings::kCompletionText);
    printMessage(m_err, QString(), folder);
}

void TerminalListener::drawBar(double fraction)
{
    if (!m_showBar)
        return;
    const double done = fraction < 0.0 ? 0.0 : (fraction > 1.0 ? 1.0 : fraction);
    const int filled = int(done * kBarWidth);
    m_err << '\r' << m_barMessage << " [" << QString(filled, QLatin1Char('#'))
          << QString(kBarWidth - filled, QLatin1Char('-')) << "] " << int(done * 100.0) << '%';
    m_err.flush();
    m_barShown = true;
}

void TerminalListener::endBar()
{
    if (!m_barShown)
        return;
    m_err << '\n';
    m_err.flush();
    m_barShown = false;
}
