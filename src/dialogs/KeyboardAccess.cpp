#include "dialogs/KeyboardAccess.h"

#include "common/AccessKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <functional>
#include <vector>

namespace {

// Captions that share one set of access keys, and where each goes back to.
class CaptionSet
{
public:
    template <typename Item>
    void add(Item *item)
    {
        m_captions << item->text();
        m_setters.push_back([item](const QString &text) { item->setText(text); });
    }

    void giveKeys() const
    {
        const QStringList marked = withAccessKeys(m_captions);
        for (std::size_t i = 0; i < m_setters.size(); ++i)
            m_setters[i](marked[qsizetype(i)]);
    }

private:
    QStringList m_captions;
    std::vector<std::function<void(const QString &)>> m_setters;
};

} // namespace

void giveAccessKeys(QWidget &window)
{
    // The menu bar's titles and the window's buttons share the Alt keys; each menu has its own.
    CaptionSet windowKeys;
    for (QMenuBar *bar : window.findChildren<QMenuBar *>()) {
        for (QAction *title : bar->actions()) {
            windowKeys.add(title);
            if (!title->menu())
                continue;
            CaptionSet menuKeys;
            for (QAction *item : title->menu()->actions()) {
                if (!item->isSeparator())
                    menuKeys.add(item);
            }
            menuKeys.giveKeys();
        }
    }
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (button->window() == &window && !button->text().isEmpty())
            windowKeys.add(button);
    }
    windowKeys.giveKeys();
}

void closeOnEscape(QWidget &window, QAbstractButton *closer)
{
    auto *escape = new QShortcut(QKeySequence::Cancel, &window);
    QObject::connect(escape, &QShortcut::activated, &window, [&window, closer] {
        // A window whose way out is hidden or disabled at the moment stays open.
        if (!closer)
            window.close();
        else if (closer->isVisible() && closer->isEnabled())
            closer->click();
    });
}

bool AccessKeysOnShow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog))
            giveAccessKeys(*widget);
    }
    return QObject::eventFilter(watched, event);
}
