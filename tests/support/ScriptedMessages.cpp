#include "support/ScriptedMessages.h"

#include "output/PosterPrinting.h"

#include <QPrinter>

#include <gtest/gtest.h>

ScriptedMessages::ScriptedMessages()
    : m_installation(*this)
{
}

void ScriptedMessages::queueQuestionAnswer(int answerCode)
{
    m_questionAnswers.enqueue(answerCode);
}

void ScriptedMessages::queueInputOk(const QString &text)
{
    m_inputAnswers.enqueue(InputBoxAnswer{QStringLiteral("1"), text});
}

void ScriptedMessages::queueInputCancel()
{
    m_inputAnswers.enqueue(InputBoxAnswer{});
}

void ScriptedMessages::queueFilePath(const QString &path)
{
    m_filePaths.enqueue(path);
}

QList<ShownDialog> ScriptedMessages::shownOfKind(ShownDialog::Kind kind) const
{
    QList<ShownDialog> result;
    for (const ShownDialog &dialog : m_shown) {
        if (dialog.kind == kind)
            result << dialog;
    }
    return result;
}

ShownDialog ScriptedMessages::last() const
{
    if (m_shown.isEmpty()) {
        ADD_FAILURE() << "no message, question, input or file box was shown";
        return {};
    }
    return m_shown.last();
}

ShownDialog &ScriptedMessages::record(ShownDialog::Kind kind, const QString &text, const QString &title)
{
    ShownDialog shown;
    shown.kind = kind;
    shown.text = text;
    shown.title = title;
    m_shown << shown;
    return m_shown.last();
}

void ScriptedMessages::showMessage(const QString &text, const QString &title, MessageIcon icon)
{
    record(ShownDialog::Kind::Message, text, title).icon = icon;
}

int ScriptedMessages::YesNoCancelBox(const QString &text, const QString &title)
{
    record(ShownDialog::Kind::Question, text, title);
    return m_questionAnswers.isEmpty() ? kAnswerCancel : m_questionAnswers.dequeue();
}

bool ScriptedMessages::OkCancelBox(const QString &text, const QString &title)
{
    record(ShownDialog::Kind::OkCancel, text, title);
    return m_okCancelAnswer;
}

InputBoxAnswer ScriptedMessages::customInputBox(const QString &title, const QString &prompt,
                                                const QString &defaultText)
{
    record(ShownDialog::Kind::Input, prompt, title).defaultText = defaultText;
    return m_inputAnswers.isEmpty() ? InputBoxAnswer{} : m_inputAnswers.dequeue();
}

QString ScriptedMessages::showFileDialog(const FileDialogRequest &request)
{
    record(ShownDialog::Kind::File, request.suggestedName, request.title).fileRequest = request;
    return m_filePaths.isEmpty() ? QString() : m_filePaths.dequeue();
}

bool ScriptedMessages::choosePrinter(QPrinter &printer, QWidget *, const QString &pageGuide)
{
    record(ShownDialog::Kind::File, pageGuide, QStringLiteral("Print"));
    const PrinterChoice choice = m_printers.isEmpty() ? PrinterChoice{} : m_printers.dequeue();
    if (choice.name.isEmpty())
        return false;
    printer.setPrinterName(choice.name);
    printer.setCopyCount(choice.copies);
    if (choice.fromPage > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(choice.fromPage, choice.toPage);
    }
    // As the dialog's "Pages per sheet" and "Duplex Printing" leave them.
    printer.printEngine()->setProperty(
        PosterPrinting::kCupsOptionsProperty,
        QStringList{QStringLiteral("number-up"), QString::number(choice.pagesPerSheet), QStringLiteral("sides"),
                    choice.twoSided ? QStringLiteral("two-sided-long-edge") : QStringLiteral("one-sided")});
    return true;
}
