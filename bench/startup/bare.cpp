// A bare Qt program that only creates the application object and shows an
// empty window of the main window's client size: a reference, since it
// never starts the font system. Built with TOLVANI_TEXT_FLOOR it also shows
// one line of text: the floor, the least any window with text pays.

#include "ui/dicfrmlayout.h"

#include <QApplication>
#include <QWidget>
#ifdef TOLVANI_TEXT_FLOOR
#include <QLabel>
#endif

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(tolvani::dicfrm_layout::kClientArea.toPixels());
#ifdef TOLVANI_TEXT_FLOOR
    auto *label = new QLabel(QStringLiteral("English Words"), &window);
    label->move(8, 8);
#endif
    window.show();
    return application.exec();
}
