#include "app/frmMain.h"
#include "common/NativeFiles.h"
#include "common/Translations.h"
#include "dialogs/ProgramWindows.h"
#include "dialogs/MessageSeam.h"
#include "imaging/ImageObjectFactory.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Before any window is built, so that every caption reads in the user's language.
    const Translations language;
    const ProgramWindows windows(app);
    setImagingFatalErrorHandler([](const QString &title, const QString &text) {
        messages().showMessage(text, title, MessageIcon::Critical);
        std::exit(EXIT_FAILURE);
    });
    frmMain window;
    window.show();
    // "quiltera PHOTO.jpg" opens the picture as if it had been picked. The name is taken
    // as given: Qt's own list of arguments would spoil one that is not UTF-8.
    if (argc > 1)
        window.openPicture(decodeNativePath(QByteArray(argv[argc - 1])));
    return app.exec();
}
