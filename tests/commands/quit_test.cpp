// How the program ends: "Exit" and closing the main window end the event
// loop with status 0; Enter and Escape press nothing.

#include "mainwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;
using namespace tolvani::windowtest;

namespace {

constexpr int kNotEnded = 99;

class Quitting : public MainWindowTest
{
protected:
    // Runs the application's event loop as main() does, with `step` as its
    // first event. A loop that nothing ends is ended after a few seconds
    // with kNotEnded.
    int runProgram(const std::function<void()> &step)
    {
        QTimer::singleShot(0, m_window.get(), step);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] {
            closeStrays();
            QCoreApplication::exit(kNotEnded);
        });
        guard.start(5000);
        int status = kNotEnded;
        const bool asked = answerWindow(modalWindow, [](QWidget *window) {
            ADD_FAILURE() << "ending the program opened " << window->objectName().toStdString();
            closeStrays();
        }, [&] { status = QApplication::exec(); });
        EXPECT_FALSE(asked);
        return status;
    }
};

TEST_F(Quitting, exit_endsTheProgramWithStatusZero)
{
    bool quitting = false;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, m_window.get(), [&] { quitting = true; });

    EXPECT_EQ(runProgram([this] { QTest::mouseClick(Command1, Qt::LeftButton); }), 0);
    EXPECT_TRUE(quitting);
}

TEST_F(Quitting, closingTheMainWindow_endsTheProgramWithStatusZero)
{
    EXPECT_EQ(runProgram([this] { m_window->close(); }), 0);
    EXPECT_FALSE(m_window->isVisible());
}

TEST_F(Quitting, enterAndEscapeInTheMainWindow_pressNoButton)
{
    QTest::keyClicks(Text1, u"av"_s);
    const WindowState before = state();
    std::vector<std::pair<QPushButton *, std::unique_ptr<QSignalSpy>>> presses;
    for (QPushButton *button : {Command1, Command2, Command3, Command4})
        presses.emplace_back(button, std::make_unique<QSignalSpy>(button, &QPushButton::clicked));

    const bool opened = answerWindow(modalWindow, [](QWidget *window) {
        ADD_FAILURE() << "a key opened " << window->objectName().toStdString();
        closeStrays();
    }, [&] {
        for (QWidget *control : std::initializer_list<QWidget *>{Text1, List1, WMeaning, WType, WExample}) {
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Return);
            QTest::keyClick(control, Qt::Key_Enter, Qt::KeypadModifier);
            QTest::keyClick(control, Qt::Key_Escape);
        }
    });

    EXPECT_FALSE(opened);
    for (const auto &[button, spy] : presses)
        EXPECT_EQ(spy->count(), 0) << "pressed " << button->text().toStdString();
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(state(), before);
}

} // namespace
