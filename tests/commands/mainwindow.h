#pragma once

// The main window on a four-word dictionary, its controls found by name as
// a user's tools would find them, and a way to answer the modal windows and
// popup menus that its commands open.

#include "ui/dicfrm.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

class QAction;
class QLineEdit;
class QListView;
class QMenu;
class QPlainTextEdit;
class QPoint;
class QPushButton;
class QTimer;
class QWidget;

// Readable QStrings in failure messages.
void PrintTo(const QString &text, std::ostream *out);

namespace commands_test {

// List positions of the test dictionary's display words.
inline constexpr int kApple = 0;
inline constexpr int kApplePie = 1;
inline constexpr int kApricot = 2;
inline constexpr int kAvocado = 3;

// What the commands must leave alone.
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

class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    void SetUp() override;
    void TearDown() override;

    WindowState state() const;
    int selectedRow() const;
    QPoint rowCentre(int row) const; // in List1's viewport
    void selectRow(int row);         // by a left click, as a user would

    QTemporaryDir m_folder;
    std::unique_ptr<QTimer> m_strayGuard;
    std::unique_ptr<tolvani::DicFrm> m_window;
    QListView *List1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPlainTextEdit *WMeaning = nullptr;
    QLineEdit *WType = nullptr;
    QPlainTextEdit *WExample = nullptr;
    QPushButton *Exit = nullptr;
    QPushButton *About = nullptr;
    QPushButton *Pronounce = nullptr;
    QPushButton *Charactors = nullptr;
    QMenu *MFile = nullptr;
    QAction *MCopy = nullptr;
};

} // namespace commands_test
