#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The program's Yes / No / Cancel question box. One is made for each question, so every
// question starts from Cancel; closing it by the window frame or with Escape also
// answers Cancel. Enter answers Yes.
class frmMsgboxYesNo : public QDialog
{
    Q_OBJECT

public:
    explicit frmMsgboxYesNo(QWidget *parent = nullptr);

    void setText(const QString &message, const QString &title);

    // 1 Yes, -1 No, 0 Cancel.
    int questionResult() const { return m_result; }
    // The same answer as kAnswerYes, kAnswerNo or kAnswerCancel.
    int answerCode() const;

private:
    void answer(int result);

    QLabel *m_lblMsg;
    QPushButton *m_cmdYes;
    QPushButton *m_cmdNo;
    QPushButton *m_cmdCancel;
    int m_result = 0;
};
