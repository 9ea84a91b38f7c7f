#include "dialogs/frmMsgboxYesNo.h"

#include "dialogs/MessageBoxParts.h"
#include "dialogs/MessageSeam.h"
#include "resources/DialogStrings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmMsgboxYesNo::frmMsgboxYesNo(QWidget *parent)
    : QDialog(parent)
    , m_lblMsg(makeMessageLabel(QStringLiteral("lblMsg"), this))
    , m_cmdYes(makeDialogButton(QStringLiteral("cmdYes"), DialogStrings::kYes, this))
    , m_cmdNo(makeDialogButton(QStringLiteral("cmdNo"), DialogStrings::kNo, this))
    , m_cmdCancel(makeDialogButton(QStringLiteral("cmdCancel"), DialogStrings::kCancel, this))
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lblMsg);
    layout->addLayout(makeButtonRow({m_cmdYes, m_cmdNo, m_cmdCancel}));

    m_cmdYes->setDefault(true);
    connect(m_cmdYes, &QPushButton::clicked, this, [this] { answer(1); });
    connect(m_cmdNo, &QPushButton::clicked, this, [this] { answer(-1); });
    connect(m_cmdCancel, &QPushButton::clicked, this, [this] { answer(0); });
}

void frmMsgboxYesNo::setText(const QString &message, const QString &title)
{
    m_lblMsg->setText(message);
    setWindowTitle(title);
}

int frmMsgboxYesNo::answerCode() const
{
    switch (m_result) {
    case 1:
        return kAnswerYes;
    case -1:
        return kAnswerNo;
    default:
        return kAnswerCancel;
    }
}

void frmMsgboxYesNo::answer(int result)
{
    m_result = result;
    if (result == 0)
        reject();
    else
        accept();
}
