#include "dialogs/frmInputBox.h"

#include "dialogs/MessageBoxParts.h"
#include "resources/DialogStrings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmInputBox::frmInputBox(QWidget *parent)
    : QDialog(parent)
    , m_lblQuestion(makeMessageLabel(QStringLiteral("lblQuestion"), this))
    , m_lblMsg(makeMessageLabel(QStringLiteral("lblMsg"), this))
    , m_txtInval(new QLineEdit(this))
    , m_okButton(makeDialogButton(QStringLiteral("OKButton"), DialogStrings::kOk, this))
    , m_cancelButton(makeDialogButton(QStringLiteral("CancelButton"), DialogStrings::kCancel, this))
{
    m_txtInval->setObjectName(QStringLiteral("txtInval"));

    auto *layout = new QVBoxLayout(this);
    QFont questionFont = m_lblQuestion->font();
    questionFont.setBold(true);
    m_lblQuestion->setFont(questionFont);
    layout->addWidget(m_lblQuestion);
    layout->addWidget(m_lblMsg);
    layout->addWidget(m_txtInval);
    layout->addLayout(makeButtonRow({m_okButton, m_cancelButton}));

    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void frmInputBox::setPrompt(const QString &title, const QString &prompt, const QString &defaultText)
{
    setWindowTitle(title);
    m_lblQuestion->setText(title);
    m_lblMsg->setText(prompt);
    m_txtInval->setText(defaultText);
    m_txtInval->selectAll();
    m_txtInval->setFocus();
}

QString frmInputBox::enteredText() const
{
    return m_txtInval->text();
}
