#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

// Set-up steps every window repeats while it builds its controls.

// Gives the widget its object name (by which tests and screenshots find it) and tool tip.
template <typename Widget>
Widget *named(Widget *widget, const QString &objectName, const QString &toolTip = QString())
{
    widget->setObjectName(objectName);
    widget->setToolTip(toolTip);
    return widget;
}

// Shows the widget's text in bold, its font enlarged by the factor (1 keeps the size).
void setBoldFont(QWidget *widget, qreal enlargement = 1.0);
