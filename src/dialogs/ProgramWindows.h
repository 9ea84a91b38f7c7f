#pragma once

#include "dialogs/DialogTitleRoom.h"
#include "dialogs/KeyboardAccess.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/MessageSeam.h"

class QApplication;

// What every window of the program has while this lives: the real message boxes behind
// the message seam, dialogs as wide as their titles, and access keys. The program's main
// and the tests' main both start with it, so tests see the windows users see.
class ProgramWindows
{
public:
    explicit ProgramWindows(QApplication &app);

private:
    DialogTitleRoom m_titleRoom;
    AccessKeysOnShow m_accessKeys;
    MessageBoxes m_boxes;
    ScopedMessages m_realBoxes;
};
