#include "errorhandling.h"

#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

namespace tolvani {

void failWith(const Error &error)
{
    const QString report = error.report();
    std::fprintf(stderr, "%s\n", qPrintable(report));
    std::fflush(stderr);
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Tolvani"), report, QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    std::exit(kFailureExitStatus);
}

Error outOfMemory()
{
    return Error{Error::OutOfMemory, QStringLiteral("Out of memory")};
}

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc &) {
        failWith(outOfMemory());
    } catch (const std::exception &exception) {
        failWith(Error{0, QString::fromLocal8Bit(exception.what())});
    } catch (...) {
        failWith(Error{0, QStringLiteral("An unknown error ended the program")});
    }
}

} // namespace tolvani
