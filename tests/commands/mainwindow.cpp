#include "mainwindow.h"

#include "support/sampledictionary.h"
#include "ui/dicfrm.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace commands_test {
namespace {

// Grouped under "A" as the letter table wants; the second headword is in
// mixed case and has two words, so its display word differs from the file.
const QByteArray kDictionary = QByteArrayLiteral(
        "apple||n||seb||An apple a day.\r\n"
        "APPLE pie||n||seb ki mithai||Apple pie after dinner.\r\n"
        "apricot||n||khubani||Dried apricots keep.\r\n"
        "avocado||n||makhanphal||A ripe avocado.\r\n");

constexpr int kPatienceMs = 5000;

// Set while answerWindow waits for a window that the test expects.
bool g_answering = false;

template<typename T>
T *control(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    EXPECT_NE(found, nullptr) << "no control " << name.toStdString();
    return found;
}

} // namespace

void PrintTo(const WindowState &state, std::ostream *out)
{
    *out << "{row " << state.selectedRow << ", search \"" << state.searchText.toStdString()
         << "\", meaning \"" << state.meaning.toStdString() << "\", type \""
         << state.type.toStdString() << "\", example \"" << state.example.toStdString()
         << "\", caption \"" << state.copyCaption.toStdString() << "\"}";
}

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
    poll.setInterval(5);
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
    g_answering = true;
    act();
    g_answering = false;
    return answered;
}

MainWindowTest::MainWindowTest() = default;
MainWindowTest::~MainWindowTest() = default;

void MainWindowTest::SetUp()
{
    // A window that a step did not expect would block that step for good.
    m_strayGuard = std::make_unique<QTimer>();
    m_strayGuard->setInterval(kPatienceMs);
    QObject::connect(m_strayGuard.get(), &QTimer::timeout, [] {
        if (g_answering || (!QApplication::activePopupWidget() && !QApplication::activeModalWidget()))
            return;
        ADD_FAILURE() << "a window came up that the test did not expect";
        closeStrays();
    });
    m_strayGuard->start();

    ASSERT_TRUE(m_folder.isValid());
    const QString path = m_folder.filePath(u"Complete.dic"_s);
    tolvani::testdata::writeFile(path, kDictionary);
    m_window = std::make_unique<tolvani::DicFrm>(path);
    m_window->show();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));

    QWidget *window = m_window.get();
    List1 = control<QListView>(window, u"List1"_s);
    Text1 = control<QLineEdit>(window, u"Text1"_s);
    WMeaning = control<QPlainTextEdit>(window, u"WMeaning"_s);
    WType = control<QLineEdit>(window, u"WType"_s);
    WExample = control<QPlainTextEdit>(window, u"WExample"_s);
    Exit = control<QPushButton>(window, u"Command1"_s);
    About = control<QPushButton>(window, u"Command2"_s);
    Pronounce = control<QPushButton>(window, u"Command3"_s);
    Charactors = control<QPushButton>(window, u"Command4"_s);
    MFile = control<QMenu>(window, u"MFile"_s);
    MCopy = control<QAction>(window, u"MCopy"_s);
    ASSERT_FALSE(HasFailure());
    ASSERT_EQ(List1->model()->rowCount(), 4);
}

void MainWindowTest::TearDown()
{
    closeStrays();
    m_window.reset();
    m_strayGuard.reset();
}

int MainWindowTest::selectedRow() const
{
    const QModelIndex current = List1->currentIndex();
    return current.isValid() && List1->selectionModel()->isSelected(current) ? current.row() : -1;
}

WindowState MainWindowTest::state() const
{
    return {selectedRow(),           Text1->text(),      WMeaning->toPlainText(),
            WType->text(),           WExample->toPlainText(), MCopy->text()};
}

QPoint MainWindowTest::rowCentre(int row) const
{
    return List1->visualRect(List1->model()->index(row, 0)).center();
}

void MainWindowTest::selectRow(int row)
{
    QTest::mouseClick(List1->viewport(), Qt::LeftButton, {}, rowCentre(row));
    ASSERT_EQ(selectedRow(), row);
}

} // namespace commands_test
