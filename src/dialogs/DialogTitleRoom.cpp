#include "dialogs/DialogTitleRoom.h"

#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

// The window icon and the minimise, maximise and close buttons of a typical title bar.
constexpr int kTitleBarFurniture = 170;

const char *const kWidenedProperty = "quilteraTitleRoom";

void widen(QDialog &dialog, int width)
{
    // A message box sets its own fixed size from its layout each time it is shown, so
    // it is widened through the layout: one invisible row as wide as the title needs.
    auto *box = qobject_cast<QMessageBox *>(&dialog);
    auto *grid = box ? qobject_cast<QGridLayout *>(box->layout()) : nullptr;
    if (!grid) {
        dialog.setMinimumWidth(qMax(dialog.minimumWidth(), width));
        return;
    }
    if (dialog.property(kWidenedProperty).toInt() >= width)
        return;
    dialog.setProperty(kWidenedProperty, width);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

} // namespace

int DialogTitleRoom::widthForTitle(const QWidget &dialog)
{
    // Title bars usually set their text in bold.
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    return QFontMetrics(titleFont).horizontalAdvance(dialog.windowTitle()) + kTitleBarFurniture;
}

bool DialogTitleRoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (dialog && dialog->isWindow() && !dialog->windowTitle().isEmpty())
            widen(*dialog, widthForTitle(*dialog));
    }
    return QObject::eventFilter(watched, event);
}
