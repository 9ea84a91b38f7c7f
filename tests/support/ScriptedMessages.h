#pragma once

#include "dialogs/MessageSeam.h"

#include <QList>
#include <QQueue>
#include <QString>

// One box that a window asked the seam to show.
struct ShownDialog
{
    enum class Kind { Message, Question, OkCancel, Input, File };

    Kind kind = Kind::Message;
    // The message, the question or the input box's prompt.
    QString text;
    QString title;
    // Plain messages only.
    MessageIcon icon = MessageIcon::Information;
    // Input boxes only.
    QString defaultText;
    // File choosers only.
    FileDialogRequest fileRequest;
};

// A stand-in for the real boxes, installed for as long as it lives. It records every box
// a window asks for and answers from queues that the test fills beforehand; an empty
// queue answers as if the person had cancelled (question: Cancel, input: cancelled,
// file chooser: no path).
class ScriptedMessages : public Messages
{
public:
    ScriptedMessages();

    void queueQuestionAnswer(int answerCode);
    // The standing answer to every OK / Cancel box (Cancel until set).
    void setOkCancelAnswer(bool ok) { m_okCancelAnswer = ok; }
    void queueInputOk(const QString &text);
    void queueInputCancel();
    // An empty path answers as a cancelled chooser.
    void queueFilePath(const QString &path);

    const QList<ShownDialog> &shown() const { return m_shown; }
    QList<ShownDialog> shownOfKind(ShownDialog::Kind kind) const;
    // The last box shown; fails the current test when there was none.
    ShownDialog last() const;
    void clearShown() { m_shown.clear(); }

    void showMessage(const QString &text, const QString &title, MessageIcon icon) override;
    int YesNoCancelBox(const QString &text, const QString &title) override;
    bool OkCancelBox(const QString &text, const QString &title) override;
    InputBoxAnswer customInputBox(const QString &title, const QString &prompt,
                                  const QString &defaultText) override;
    QString showFileDialog(const FileDialogRequest &request) override;
    // Chooses the queued printer (an empty name cancels), with the copies and the page
    // range (from and to, 0 for all pages) the person set; records a File box.
    bool choosePrinter(QPrinter &printer, QWidget *owner, const QString &pageGuide) override;
    struct PrinterChoice
    {
        QString name;
        int copies = 1;
        int fromPage = 0;
        int toPage = 0;
        int pagesPerSheet = 1;
        bool twoSided = false;
    };
    void queuePrinter(const QString &name) { m_printers.enqueue({name}); }
    void queuePrinter(const PrinterChoice &choice) { m_printers.enqueue(choice); }

private:
    // Appends a box of the kind to what was shown; the caller adds what else it carries.
    ShownDialog &record(ShownDialog::Kind kind, const QString &text, const QString &title);

    QList<ShownDialog> m_shown;
    QQueue<int> m_questionAnswers;
    bool m_okCancelAnswer = false;
    QQueue<InputBoxAnswer> m_inputAnswers;
    QQueue<QString> m_filePaths;
    QQueue<PrinterChoice> m_printers;
    ScopedMessages m_installation;
};
