#pragma once

#include "paper/PaperSelection.h"

#include <QString>

// The paper a stored paper record stands for: the record parsed into a fresh paper
// selection, or the built-in photo paper when the record is empty or rejected.
PaperValues storedPaperValues(const QString &paperRegLine);
