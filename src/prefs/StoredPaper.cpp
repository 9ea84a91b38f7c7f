#include "prefs/StoredPaper.h"

PaperValues storedPaperValues(const QString &paperRegLine)
{
    PaperSelection selection;
    selection.initPaperSizes();
    selection.setPrefFromRegLine(paperRegLine);
    return selection.getWhuValues();
}
