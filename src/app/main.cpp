#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quiltera"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quiltera"));
    window.show();
    return app.exec();
}
