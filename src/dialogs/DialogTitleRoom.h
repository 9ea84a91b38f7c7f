#pragma once

#include <QObject>

class QWidget;

// Makes every dialog of the program, its own and Qt's standard boxes alike, at least as
// wide as its title needs in a window manager's title bar, so no title is cut short.
class DialogTitleRoom : public QObject
{
public:
    using QObject::QObject;

    // The width a title bar needs for this title beside its icon and window buttons.
    static int widthForTitle(const QWidget &dialog);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
