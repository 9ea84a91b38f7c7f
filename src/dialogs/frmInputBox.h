#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The program's one-line input box. Enter presses OK; Escape, Cancel and closing by the
// window frame all reject it.
class frmInputBox : public QDialog
{
    Q_OBJECT

public:
    explicit frmInputBox(QWidget *parent = nullptr);

    void setPrompt(const QString &title, const QString &prompt, const QString &defaultText);
    QString enteredText() const;

private:
    // The question also stands in the box: a window manager may cut a long title short.
    QLabel *m_lblQuestion;
    QLabel *m_lblMsg;
    QLineEdit *m_txtInval;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};
