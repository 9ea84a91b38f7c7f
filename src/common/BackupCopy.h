#pragma once

#include <QString>

// Copies a file the program is about to replace, because it could not use all of it, to
// a name beside it that was never used before: "NAME.bak1", "NAME.bak2", ... An earlier
// backup is never overwritten. False, copying nothing, when no backup could be made or
// the path is not a regular file (copying a FIFO or a device would block or never end).
bool backUpBeside(const QString &path);
