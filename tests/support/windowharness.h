#pragma once

// The main window for widget tests: opened on a dictionary of the test's
// own, its controls found by the names they have in the window, as a
// user's tools would find them, and one way to answer the modal windows
// and popup menus that it opens.

#include "support/sampledictionary.h"
#include "ui/dicfrm.h"

#include <QByteArrayList>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>

class QAction;
class QColor;
class QImage;
class QLineEdit;
class QListView;
class QMenu;
class QPlainTextEdit;
class QPoint;
class QPushButton;
class QRect;
class QWidget;

// Readable texts and geometry in failure messages.
void PrintTo(const QString &text, std::ostream *out);
void PrintTo(const QPoint &point, std::ostream *out);
void PrintTo(const QRect &rect, std::ostream *out);

namespace tolvani::windowtest {

using WindowFinder = QWidget *(*)();
QWidget *modalWindow(); // the active modal window, if any
QWidget *popupMenu();   // the open popup, if any

// Closes every modal window and popup that is open.
void closeStrays();

// Runs `act` and, from inside the nested event loop that it starts, hands
// the first visible window that `find` returns to `answer`, which must close
// it. A window that is left open fails the test and is closed, and a
// watchdog closes anything still open after a few seconds, so no broken
// window can hang the suite. Returns whether a window came up.
bool answerWindow(WindowFinder find, const std::function<void(QWidget *)> &answer,
                  const std::function<void()> &act);

// How many pixels of `area` in `image` are within `tolerance` of `colour`
// in each channel, for tests that look at what is drawn: antialiased text
// seldom matches its colour exactly.
int pixelsNear(const QImage &image, const QRect &area, const QColor &colour, int tolerance = 24);

// The main window over a dictionary of `lines` (bytes as in the file, each
// ended by CR LF) or over a made-up one, written to a folder of its own.
// While it lives, a modal window or popup that no answerWindow expects
// fails the test and is closed, so a press by mistake cannot hang it.
class TestWindow
{
public:
    explicit TestWindow(const QByteArrayList &lines);
    explicit TestWindow(const testdata::SampleDictionary &sample);
    ~TestWindow();

    DicFrm *get() const { return m_window.get(); }
    DicFrm *operator->() const { return m_window.get(); }

    // A control by its name; a missing one ends the test with that name.
    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        auto *found = m_window->findChild<T *>(name);
        if (!found)
            throw std::runtime_error("no control named " + name.toStdString());
        return found;
    }

    QAction *action(const QString &name) const { return control<QAction>(name); }

    // Shown and active, so that focus and key presses behave as for a user.
    void showActive();

private:
    void open(const QByteArray &fileText);

    QTemporaryDir m_folder;
    std::unique_ptr<DicFrm> m_window;
    QTimer m_strayGuard;
};

// What the commands and windows must leave alone.
struct WindowState {
    int selectedRow;
    QString searchText;
    QString meaning;
    QString type;
    QString example;
    QString copyCaption;
    friend bool operator==(const WindowState &, const WindowState &) = default;
};
void PrintTo(const WindowState &state, std::ostream *out);

// A test on the shown and active window, with its controls at hand under
// their own names.
class WindowTest : public ::testing::Test
{
protected:
    explicit WindowTest(const QByteArrayList &lines);
    explicit WindowTest(const testdata::SampleDictionary &sample);

    void SetUp() override;

    WindowState state() const;
    int selectedRow() const;         // -1 when nothing is selected
    QPoint rowCentre(int row) const; // in List1's viewport
    void selectRow(int row);         // by a left click, as a user would

    TestWindow m_window;
    QListView *List1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPlainTextEdit *WMeaning = nullptr;
    QLineEdit *WType = nullptr;
    QPlainTextEdit *WExample = nullptr;
    QPushButton *Command1 = nullptr; // "Exit"
    QPushButton *Command2 = nullptr; // "About"
    QPushButton *Command3 = nullptr; // "Pronounce"
    QPushButton *Command4 = nullptr; // "Charactors"
    QMenu *MFile = nullptr;
    QAction *MCopy = nullptr;
};

} // namespace tolvani::windowtest
