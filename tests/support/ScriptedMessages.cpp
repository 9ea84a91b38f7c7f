#include "support/ScriptedMessages.h"

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

void ScriptedMessages::showMessage(const QString &text, const QString &title, MessageIcon icon)
{
    ShownDialog shown;
    shown.kind = ShownDialog::Kind::Message;
    shown.text = text;
    shown.title = title;
    shown.icon = icon;
    m_shown << shown;
}

int ScriptedMessages::YesNoCancelBox(const QString &text, const QString &title)
{
    ShownDialog shown;
    shown.kind = ShownDialog::Kind::Question;
    shown.text = text;
    shown.title = title;
    m_shown << shown;
    return m_questionAnswers.isEmpty() ? kAnswerCancel : m_questionAnswers.dequeue();
}

bool ScriptedMessages::OkCancelBox(const QString &text, const QString &title)
{
    ShownDialog shown;
    shown.kind = ShownDialog::Kind::OkCancel;
    shown.text = text;
    shown.title = title;
    m_shown << shown;
    return m_okCancelAnswer;
}

InputBoxAnswer ScriptedMessages::customInputBox(const QString &title, const QString &prompt,
                                                const QString &defaultText)
{
    ShownDialog shown;
    shown.kind = ShownDialog::Kind::Input;
    shown.text = prompt;
    shown.title = title;
    shown.defaultText = defaultText;
    m_shown << shown;
    return m_inputAnswers.isEmpty() ? InputBoxAnswer{} : m_inputAnswers.dequeue();
}

QString ScriptedMessages::showFileDialog(const FileDialogRequest &request)
{
    ShownDialog shown;
    shown.kind = ShownDialog::Kind::File;
    shown.text = request.suggestedName;
    shown.title = request.title;
    shown.fileRequest = request;
    m_shown << shown;
    return m_filePaths.isEmpty() ? QString() : m_filePaths.dequeue();
}
