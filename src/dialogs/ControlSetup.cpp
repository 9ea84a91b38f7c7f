#include "dialogs/ControlSetup.h"

#include <QFont>
#include <QWidget>

void setBoldFont(QWidget *widget, qreal enlargement)
{
    QFont font = widget->font();
    font.setBold(true);
    // A font sized in pixels has no point size to enlarge.
    if (enlargement != 1.0 && font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * enlargement);
    widget->setFont(font);
}
