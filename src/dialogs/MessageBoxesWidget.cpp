#include "dialogs/MessageBoxesWidget.h"

#include "dialogs/FileChooserWidget.h"
#include "dialogs/frmInputBox.h"
#include "dialogs/frmMsgboxYesNo.h"

#include <QMessageBox>
#include <QPrintDialog>

namespace {

QMessageBox::Icon messageBoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

void MessageBoxes::showMessage(const QString &text, const QString &title, MessageIcon icon)
{
    QMessageBox box(messageBoxIcon(icon), title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

int MessageBoxes::YesNoCancelBox(const QString &text, const QString &title)
{
    frmMsgboxYesNo box;
    box.setText(text, title);
    box.exec();
    return box.answerCode();
}

bool MessageBoxes::OkCancelBox(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok | QMessageBox::Cancel);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Ok;
}

InputBoxAnswer MessageBoxes::customInputBox(const QString &title, const QString &prompt,
                                              const QString &defaultText)
{
    InputBoxAnswer answer;
    frmInputBox box;
    box.setPrompt(title, prompt, defaultText);
    if (box.exec() == QDialog::Accepted) {
        answer.iInputBoxResult = QStringLiteral("1");
        answer.sInputBoxVal = box.enteredText();
    }
    return answer;
}

QString MessageBoxes::showFileDialog(const FileDialogRequest &request)
{
    return runFileChooser(request);
}

bool MessageBoxes::choosePrinter(QPrinter &printer, QWidget *owner)
{
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}
