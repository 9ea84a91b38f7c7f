#include "dialogs/MessageSeam.h"

#include "common/NumberFormat.h"

#include <QtDebug>

namespace {

Messages *installedMessages = nullptr;

// Where no window is: a message goes to the log and every question is answered as if
// the user had cancelled it, so nothing is done that nobody agreed to.
class UnattendedMessages final : public Messages
{
public:
    void showMessage(const QString &text, const QString &title, MessageIcon) override
    {
        qWarning().noquote() << title + QStringLiteral(": ") + text;
    }
    int YesNoCancelBox(const QString &, const QString &) override { return kAnswerCancel; }
    bool OkCancelBox(const QString &, const QString &) override { return false; }
    InputBoxAnswer customInputBox(const QString &, const QString &, const QString &) override { return {}; }
    QString showFileDialog(const FileDialogRequest &) override { return QString(); }
    bool choosePrinter(QPrinter &, QWidget *, const QString &) override { return false; }
};

} // namespace

bool InputBoxAnswer::isConfirmed() const
{
    return !sInputBoxVal.isEmpty() && parseDecimalText(iInputBoxResult).value_or(0) >= 1;
}

Messages &messages()
{
    static UnattendedMessages unattended;
    return installedMessages ? *installedMessages : unattended;
}

ScopedMessages::ScopedMessages(Messages &replacement)
    : m_previous(installedMessages)
{
    installedMessages = &replacement;
}

ScopedMessages::~ScopedMessages()
{
    installedMessages = m_previous;
}
