#pragma once

#include <QString>

#include <initializer_list>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// The common look of the program's own small boxes: a wrapping message above a row of
// buttons on the right.

// A label that wraps long messages at a readable width instead of widening the box.
QLabel *makeMessageLabel(const QString &objectName, QWidget *parent);
QPushButton *makeDialogButton(const QString &objectName, const QString &caption, QWidget *parent);
QHBoxLayout *makeButtonRow(std::initializer_list<QPushButton *> buttons);
