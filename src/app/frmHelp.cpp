#include "app/frmHelp.h"

#include "dialogs/KeyboardAccess.h"
#include "resources/AppStrings.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

frmHelp::frmHelp(QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(AppStrings::kHelpWindowTitle);
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenExternalLinks(true);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(m_browser);
    resize(760, 640);
    closeOnEscape(*this);
}

void frmHelp::showFile(const QString &path)
{
    m_browser->setSource(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
}
