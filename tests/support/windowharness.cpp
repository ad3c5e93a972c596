#include "windowharness.h"

#include "store/dictionary.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <cstdlib>

using namespace Qt::StringLiterals;

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QPoint &point, std::ostream *out)
{
    *out << '(' << point.x() << ", " << point.y() << ')';
}

void PrintTo(const QRect &rect, std::ostream *out)
{
    *out << rect.width() << " x " << rect.height() << " at (" << rect.x() << ", " << rect.y() << ')';
}

namespace tolvani::windowtest {
namespace {

constexpr int kPatienceMs = 5000;
constexpr int kPollMs = 5;

// How many answerWindow calls are waiting for a window that they expect.
int g_answering = 0;

} // namespace

QWidget *modalWindow()
{
    return QApplication::activeModalWidget();
}

QWidget *popupMenu()
{
    return QApplication::activePopupWidget();
}

void closeStrays()
{
    // Bounded: a window that refuses to close must not spin the test.
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            popup->close();
        } else if (QWidget *modal = QApplication::activeModalWidget()) {
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->done(QDialog::Rejected);
            else
                modal->close();
        } else {
            return;
        }
    }
}

bool answerWindow(WindowFinder find, const std::function<void(QWidget *)> &answer,
                  const std::function<void()> &act)
{
    bool answered = false;
    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *window = find();
        if (answered || !window || !window->isVisible())
            return;
        answered = true;
        poll.stop();
        const QPointer<QWidget> answering = window;
        answer(window);
        if (answering && answering->isVisible()) {
            ADD_FAILURE() << "the window " << answering->objectName().toStdString()
                          << " stayed open after it was answered";
            closeStrays();
        }
    });
    QTimer watchdog;
    watchdog.setInterval(kPatienceMs);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        ADD_FAILURE() << "a window was still open after " << kPatienceMs << " ms";
        closeStrays();
    });
    poll.start();
    watchdog.start();
    ++g_answering;
    act();
    --g_answering;
    return answered;
}

int pixelsNear(const QImage &image, const QRect &area, const QColor &colour, int tolerance)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += std::abs(pixel.red() - colour.red()) <= tolerance
                    && std::abs(pixel.green() - colour.green()) <= tolerance
                    && std::abs(pixel.blue() - colour.blue()) <= tolerance;
        }
    }
    return count;
}

TestWindow::TestWindow(const QByteArrayList &lines)
{
    QByteArray text;
    for (const QByteArray &line : lines)
        text += line + "\r\n";
    open(text);
}

TestWindow::TestWindow(const testdata::SampleDictionary &sample)
{
    open(sample.fileText);
}

TestWindow::~TestWindow()
{
    closeStrays();
}

void TestWindow::open(const QByteArray &fileText)
{
    const QString path = dictionaryPathIn(m_folder.path());
    testdata::writeFile(path, fileText);
    m_window = std::make_unique<DicFrm>(path);

    // Not while answerWindow waits: the window it waits for is expected.
    m_strayGuard.setInterval(kPatienceMs);
    QObject::connect(&m_strayGuard, &QTimer::timeout, [] {
        if (g_answering > 0 || (!popupMenu() && !modalWindow()))
            return;
        ADD_FAILURE() << "a window came up that the test did not expect";
        closeStrays();
    });
    m_strayGuard.start();
}

void TestWindow::showActive()
{
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        throw std::runtime_error("the main window never became active");
}

void PrintTo(const WindowState &state, std::ostream *out)
{
    *out << "{row " << state.selectedRow << ", search \"" << state.searchText.toStdString()
         << "\", meaning \"" << state.meaning.toStdString() << "\", type \""
         << state.type.toStdString() << "\", example \"" << state.example.toStdString()
         << "\", caption \"" << state.copyCaption.toStdString() << "\"}";
}

WindowTest::WindowTest(const QByteArrayList &lines)
    : m_window(lines)
{
}

WindowTest::WindowTest(const testdata::SampleDictionary &sample)
    : m_window(sample)
{
}

void WindowTest::SetUp()
{
    m_window.showActive();
    List1 = m_window.control<QListView>(u"List1"_s);
    Text1 = m_window.control<QLineEdit>(u"Text1"_s);
    WMeaning = m_window.control<QPlainTextEdit>(u"WMeaning"_s);
    WType = m_window.control<QLineEdit>(u"WType"_s);
    WExample = m_window.control<QPlainTextEdit>(u"WExample"_s);
    Command1 = m_window.control<QPushButton>(u"Command1"_s);
    Command2 = m_window.control<QPushButton>(u"Command2"_s);
    Command3 = m_window.control<QPushButton>(u"Command3"_s);
    Command4 = m_window.control<QPushButton>(u"Command4"_s);
    MFile = m_window.control<QMenu>(u"MFile"_s);
    MCopy = m_window.action(u"MCopy"_s);
}

int WindowTest::selectedRow() const
{
    const QModelIndex current = List1->currentIndex();
    return current.isValid() && List1->selectionModel()->isSelected(current) ? current.row() : -1;
}

WindowState WindowTest::state() const
{
    return {selectedRow(), Text1->text(),          WMeaning->toPlainText(),
            WType->text(), WExample->toPlainText(), MCopy->text()};
}

QPoint WindowTest::rowCentre(int row) const
{
    return List1->visualRect(List1->model()->index(row, 0)).center();
}

void WindowTest::selectRow(int row)
{
    QTest::mouseClick(List1->viewport(), Qt::LeftButton, {}, rowCentre(row));
    ASSERT_EQ(selectedRow(), row);
}

} // namespace tolvani::windowtest
