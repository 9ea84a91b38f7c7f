#include "output/frmSimpleMsg.h"

#include "dialogs/KeyboardAccess.h"
#include "dialogs/MessageSeam.h"

#include "dialogs/ControlSetup.h"
#include "output/TileNaming.h"
#include "resources/SaveWindowStrings.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

// The resource file is compiled into a static library; registering it here keeps the
// linker from dropping it. It must be called outside any namespace.
static void initSaveWindowResources()
{
    Q_INIT_RESOURCE(savewindows);
}

namespace {

constexpr int kLinkBreakAfter = 35;
constexpr int kLinkForcedBreak = 55;

// The wrapped folder as rich text: every CR LF of the wrapped path becomes a line break
// inside one link.
QString linkHtml(const QString &wrappedPath)
{
    QStringList lines = wrappedPath.split(QStringLiteral("\r\n"));
    for (QString &line : lines)
        line = line.toHtmlEscaped();
    return QStringLiteral("<a href=\"folder\">%1</a>").arg(lines.join(QStringLiteral("<br>")));
}

} // namespace

frmSimpleMsg::frmSimpleMsg(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    initSaveWindowResources();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(SaveWindowStrings::kCompletionCaption);

    imgCheck = named(new QLabel(this), QStringLiteral("imgCheck"));
    imgCheck->setPixmap(QPixmap(QStringLiteral(":/savewindows/images/check.png")));
    imgCheck->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = named(new QLabel(SaveWindowStrings::kCompletionTitle, this), QStringLiteral("lblTitle"));
    setBoldFont(lblTitle, 1.25);

    lblMsg = named(new QLabel(this), QStringLiteral("lblMsg"));
    lblMsg->setWordWrap(true);

    lnkFol = named(new QLabel(this), QStringLiteral("lnkFol"));
    lnkFol->setTextFormat(Qt::RichText);
    lnkFol->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lnkFol->setOpenExternalLinks(false);
    connect(lnkFol, &QLabel::linkActivated, this, &frmSimpleMsg::openFolder);

    cmdOk = named(new QPushButton(SaveWindowStrings::kFinishedCaption, this), QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(*this, cmdOk);

    auto *text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblMsg);
    text->addWidget(lnkFol);
    text->addStretch();

    auto *body = new QHBoxLayout;
    body->addWidget(imgCheck);
    body->addLayout(text, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(body);
    outer->addLayout(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
}

void frmSimpleMsg::ShowSaveOkMsg(const QString &sFolderName)
{
    showSaved(SaveWindowStrings::kCompletionTitle, SaveWindowStrings::kCompletionText, sFolderName);
}

void frmSimpleMsg::ShowPosterSavedMsg(const QString &folder)
{
    showSaved(SaveWindowStrings::kPosterSavedTitle, SaveWindowStrings::kPosterSavedText, folder);
}

void frmSimpleMsg::showSaved(const QString &title, const QString &text, const QString &sFolderName)
{
    lblTitle->setText(title);
    lblMsg->setText(text);
    m_folder = sFolderName;
    lnkFol->setText(linkHtml(SplitPathLabel(sFolderName, kLinkBreakAfter, kLinkForcedBreak)));
    lnkFol->setToolTip(sFolderName);
    show();
    raise();
    activateWindow();
}

void frmSimpleMsg::openFolder()
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder)))
        messages().showMessage(SaveWindowStrings::noFolderOpenerText(m_folder), SaveWindowStrings::kNoFolderOpenerTitle,
                               MessageIcon::Information);
}
