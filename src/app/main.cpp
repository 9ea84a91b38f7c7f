#include "app/frmMain.h"
#include "dialogs/MessageBoxesWidget.h"
#include "dialogs/MessageSeam.h"
#include "imaging/ImageObjectFactory.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    MessageBoxes boxes;
    const ScopedMessages realBoxes(boxes);
    setImagingFatalErrorHandler([](const QString &title, const QString &text) {
        messages().showMessage(text, title, MessageIcon::Critical);
        std::exit(EXIT_FAILURE);
    });
    frmMain window;
    window.show();
    return app.exec();
}
