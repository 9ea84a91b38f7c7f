#pragma once

#include "dialogs/MessageSeam.h"

#include <QString>

// How the save run reaches the person watching it. The save dialog implements this with
// the progress window, the completion window and the message seam; a headless caller
// implements it on the terminal. The run itself never touches a widget.
class SaveRunListener
{
public:
    using MessageIcon = ::MessageIcon;
    // What happens to the progress window when a run stops early: closed on the next
    // timer tick (its status set to 1) or unloaded at once.
    enum class ProgressClose { OnNextTick, Now };

    virtual ~SaveRunListener() = default;

    // The folder exists already: kAnswerYes, kAnswerNo or kAnswerCancel. Only Yes lets
    // the run go on.
    virtual int askYesNoCancel(const QString &text, const QString &title) = 0;
    virtual void showMessage(const QString &text, const QString &title, MessageIcon icon) = 0;

    // Progress mode with Cancel offered, showing the message.
    virtual void showProgress(const QString &message) = 0;
    // Fraction done, 0 to 1; reaching 1 closes the progress window. Lets pending
    // window events run, which is how a Cancel click reaches the run.
    virtual void setProgress(double fraction) = 0;
    // Read between tiles: the tile in hand is always finished first.
    virtual bool cancelRequested() = 0;
    virtual void closeProgress(ProgressClose how) = 0;

    // What a finished run wrote into its folder.
    enum class Saved { TileFiles, PdfPoster };
    // The run has written every tile, or the PDF poster, into this folder.
    virtual void showCompleted(const QString &folder, Saved saved) = 0;
};
