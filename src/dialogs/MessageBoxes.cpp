#include "dialogs/MessageBoxes.h"

#include "dialogs/FileChooser.h"
#include "dialogs/frmInputBox.h"
#include "dialogs/frmMsgboxYesNo.h"

#include "resources/PosterStrings.h"

#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QScrollArea>

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

bool MessageBoxes::choosePrinter(QPrinter &printer, QWidget *owner, const QString &pageGuide)
{
    QPrintDialog dialog(&printer, owner);
    // The dialog shows each extra tab under the tab widget's window title.
    auto *guide = new QScrollArea;
    guide->setObjectName(QStringLiteral("pageGuide"));
    guide->setWindowTitle(PosterStrings::kPageGuideTab);
    auto *text = new QLabel(pageGuide);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setMargin(8);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    guide->setWidgetResizable(true);
    guide->setWidget(text);
    dialog.setOptionTabs({guide});
    return dialog.exec() == QDialog::Accepted;
}
