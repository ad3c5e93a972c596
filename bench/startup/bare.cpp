// The floor for start-up and memory: a Qt program that only creates the
// application object and shows an empty window of the main window's
// client size.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(511, 326);
    window.show();
    return application.exec();
}
