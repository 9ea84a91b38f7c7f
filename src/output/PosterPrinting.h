#pragma once

#include "output/CupsPrinting.h"

#include <QPrintEngine>
#include <QString>

#include <atomic>
#include <functional>

class LoadedPicture;
class PreferenceStore;
class QPrinter;
class QWidget;
struct LayoutState;

// File > "Print...": the system print dialog with the poster's paper chosen, a warning
// when the printer cannot print as close to an edge as the margins ask, then the PDF
// poster made with its progress window and Cancel between sheets, and sent to the chosen
// printer at 100 percent (or written where Qt's "print to file" asks).
namespace PosterPrinting {

// The print engine property under which Qt's print dialog leaves the CUPS options it
// chose (names and values in turn), among them "number-up" for its pages per sheet.
inline constexpr auto kCupsOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Checks the layout as "Save Poster Tile Images" does, with the same messages. The
// assembly aids are those the save dialog stored in prefs. The whole picture must be in,
// unless it is too large to hold: then the sheets are cut band by band from its file. An
// unturned JPEG's sheets carry its coded data as it is.
void printFromMainWindow(QWidget *owner, const LayoutState &layout, const LoadedPicture &picture, bool unturnedJpeg,
                         const QString &imageFileName, const PreferenceStore &prefs);

// Runs a call to the print service off the window's thread, behind a busy window with
// Cancel that shows when the call takes more than a moment: a scheduler slow to answer
// never freezes the window, and Cancel sets the flag the call watches.
PrintJobResult askPrintService(QWidget *owner, const QString &text,
                               const std::function<PrintJobResult(const std::atomic<bool> *cancel)> &call);

// The edges where the printer's least margin is wider than the poster's, with by how much,
// in the paper's unit ("top edge by 0.12 inches"); empty when the printer can print them.
QStringList edgesThePrinterClips(const QPrinter &printer, const LayoutState &layout);

} // namespace PosterPrinting
