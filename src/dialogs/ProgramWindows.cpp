#include "dialogs/ProgramWindows.h"

#include <QApplication>

ProgramWindows::ProgramWindows(QApplication &app) : m_realBoxes(m_boxes)
{
    app.installEventFilter(&m_titleRoom);
    app.installEventFilter(&m_accessKeys);
}
