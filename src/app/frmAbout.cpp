#include "app/frmAbout.h"

#include "app/AppInfo.h"
#include "app/SupportFiles.h"
#include "dialogs/MessageSeam.h"
#include "dialogs/ControlSetup.h"
#include "resources/AppStrings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

frmAbout::frmAbout(QWidget *owner)
    : QDialog(owner)
    , picIcon(new QLabel(this))
    , lblTitle(new QLabel(this))
    , lblVersion(new QLabel(this))
    , lblCopyright(new QLabel(this))
    , lblDescription(new QLabel(this))
    , lblWeb(new QLabel(this))
    , vbwHyperlink1(new QLabel(this))
    , cmdOK(new QPushButton(this))
    , cmdSysInfo(new QPushButton(this))
    , m_startProgram([](const QString &program) { return QProcess::startDetached(program, {}); })
{
    setObjectName(QStringLiteral("frmAbout"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    vbwHyperlink1->setObjectName(QStringLiteral("vbwHyperlink1"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    picIcon->setPixmap(QPixmap(QStringLiteral(":/quiltera/images/quiltera_icon.png")));
    setBoldFont(lblTitle, 1.5);
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumWidth(360);
    vbwHyperlink1->setOpenExternalLinks(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1, 1, 2);
    grid->addWidget(lblVersion, 1, 1, 1, 2);
    grid->addWidget(lblCopyright, 2, 1, 1, 2);
    grid->addWidget(lblDescription, 3, 1, 1, 2);
    grid->addWidget(lblWeb, 4, 1);
    grid->addWidget(vbwHyperlink1, 4, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    grid->addLayout(buttons, 5, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    cmdOK->setDefault(true);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
    InitAboutText();
}

void frmAbout::InitAboutText()
{
    setWindowTitle(AppStrings::kAboutCaption);
    vbwHyperlink1->setToolTip(QString());
    cmdSysInfo->setText(AppStrings::kSysInfoCaption + AppStrings::kEllipsis);
    lblDescription->setText(AppStrings::kAboutDescription);
    cmdOK->setText(AppStrings::kOk);
    lblWeb->setText(AppStrings::kWeb);
    vbwHyperlink1->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(AppStrings::kWebAddress));

    setWindowTitle(BuildAppCaption());
    lblVersion->setText(AppStrings::kVersion + QLatin1Char(' ') + GetAppVersionString());
    lblTitle->setText(BuildAppCaption());
    lblCopyright->setText(GetAppCopyrightString());
}

void frmAbout::StartSysInfo()
{
    const QString program = findSystemInfoProgram(systemInfoProgramNames(), m_searchPaths);
    if (program.isEmpty() || !m_startProgram(program))
        messages().showMessage(AppStrings::kSysInfoUnavailable, AppStrings::kAppTitle, MessageIcon::Information);
}
