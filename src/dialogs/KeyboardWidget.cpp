#include "dialogs/KeyboardWidget.h"

#include "common/AccessKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {

// Sets the texts of the given items to their captions with access keys.
template <typename Item>
void markCaptions(const QList<Item *> &items)
{
    QStringList captions;
    for (const Item *item : items)
        captions << item->text();
    const QStringList marked = withAccessKeys(captions);
    for (qsizetype i = 0; i < items.size(); ++i)
        items[i]->setText(marked[i]);
}

} // namespace

void giveAccessKeys(QWidget &window)
{
    // The menu bar's titles and the window's buttons share the Alt keys; each menu has its own.
    QList<QAction *> titles;
    for (QMenuBar *bar : window.findChildren<QMenuBar *>()) {
        for (QAction *title : bar->actions()) {
            titles << title;
            if (!title->menu())
                continue;
            QList<QAction *> items;
            for (QAction *item : title->menu()->actions()) {
                if (!item->isSeparator())
                    items << item;
            }
            markCaptions(items);
        }
    }
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (button->window() == &window && !button->text().isEmpty())
            buttons << button;
    }
    // One list for both kinds, so that no button takes a menu's key.
    QStringList captions;
    for (const QAction *title : titles)
        captions << title->text();
    for (const QAbstractButton *button : buttons)
        captions << button->text();
    const QStringList marked = withAccessKeys(captions);
    for (qsizetype i = 0; i < titles.size(); ++i)
        titles[i]->setText(marked[i]);
    for (qsizetype i = 0; i < buttons.size(); ++i)
        buttons[i]->setText(marked[titles.size() + i]);
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
