#pragma once

#include "dialogs/MessageSeam.h"

#include <QStringList>

// The file chooser behind the seam: the program's own (non-native) QFileDialog, so it
// looks the same everywhere and tests can drive it.

// Turns NUL-separated description/pattern pairs into the chooser's name filters,
// e.g. "Bitmap (*.bmp)" NUL "*.bmp" NUL -> "Bitmap (*.bmp)". Patterns separated by ';'
// are all offered; "*.*" means every file. The list ends at an empty description or
// at a description without a pattern.
QStringList fileDialogNameFilters(const QString &filterText);

// Shows the chooser modally. Returns the chosen full path, or an empty text on cancel.
QString runFileChooser(const FileDialogRequest &request);
