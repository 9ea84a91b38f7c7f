#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

// What makes the program's windows usable without a mouse.

// Gives the menus and the buttons, check boxes and option buttons of one window access
// keys: unique among the menu bar and the window's own buttons, and within each menu.
void giveAccessKeys(QWidget &window);

// Escape presses closer, the window's own way out, while it is shown and enabled; without
// one, Escape closes the window.
void closeOnEscape(QWidget &window, QAbstractButton *closer = nullptr);

// Gives every window access keys as it is shown, the program's own and Qt's boxes alike,
// so captions set up to that moment all get one.
class AccessKeysOnShow : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
