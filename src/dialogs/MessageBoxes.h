#pragma once

#include "dialogs/MessageSeam.h"

// The real boxes: QMessageBox for plain messages, frmMsgboxYesNo, frmInputBox and the
// program's own QFileDialog. Each box is modal and lives only for its call. The program
// installs them with a ScopedMessages when it starts.
class MessageBoxes : public Messages
{
public:
    void showMessage(const QString &text, const QString &title, MessageIcon icon) override;
    int YesNoCancelBox(const QString &text, const QString &title) override;
    bool OkCancelBox(const QString &text, const QString &title) override;
    InputBoxAnswer customInputBox(const QString &title, const QString &prompt,
                                  const QString &defaultText) override;
    QString showFileDialog(const FileDialogRequest &request) override;
    bool choosePrinter(QPrinter &printer, QWidget *owner, const QString &pageGuide) override;
};
