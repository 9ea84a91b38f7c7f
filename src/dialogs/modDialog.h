#pragma once

#include "dialogs/MessageSeam.h"
#include "resources/DialogStrings.h"

#include <QString>

// The file chooser helpers. Each goes through messages(), so tests can answer them.

// Runs the chooser: an empty initial folder means the current folder and no owner means
// the active window. Returns the chosen full path, or an empty text on cancel.
QString ShowFileDialog(FileDialogRequest request = {});

// Appends one description/pattern pair, each followed by a NUL.
QString AddFilterItem(const QString &filter, const QString &description,
                      const QString &pattern = QStringLiteral("*.*"));

// The text up to its first NUL, or the whole text when it has none.
QString StripAtNull(const QString &text);

// Asks where to save the edge calibration test target, with the bitmap, TIFF and JPEG
// pairs and JPEG preselected. An empty folder means the home folder. A typed name without
// an extension gets the selected filter's (".bmp", ".tif" or ".jpg"); one with an extension
// keeps it, and an existing file is taken without asking: the caller checks the extension
// and owns the file. Returns the path or an empty text.
QString SaveTestTargetDialog(const QString &suggestedName = DialogStrings::kDefaultTestTargetName,
                             const QString &initialFolder = QString());
