#include "testwindow.h"

#include "store/dictionary.h"
#include "support/sampledictionary.h"

#include <QApplication>
#include <QTest>

namespace tolvani::windowtest {

TestWindow::TestWindow(const QByteArrayList &lines)
{
    QByteArray text;
    for (const QByteArray &line : lines)
        text += line + "\r\n";
    const QString path = dictionaryPathIn(m_folder.path());
    testdata::writeFile(path, text);
    m_window = std::make_unique<DicFrm>(path);
}

void TestWindow::showActive()
{
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        throw std::runtime_error("the main window never became active");
}

ModalCloser::ModalCloser()
{
    m_timer.setInterval(20);
    QObject::connect(&m_timer, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    m_timer.start();
}

} // namespace tolvani::windowtest
