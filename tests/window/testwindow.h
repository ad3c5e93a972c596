#pragma once

#include "ui/dicfrm.h"

#include <QAction>
#include <QByteArrayList>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <stdexcept>

namespace tolvani::windowtest {

// The main window over a dictionary of `lines` (bytes as in the file, each
// ended by CR LF), written to a folder of its own.
class TestWindow
{
public:
    explicit TestWindow(const QByteArrayList &lines);

    DicFrm &window() { return *m_window; }

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
    QTemporaryDir m_folder;
    std::unique_ptr<DicFrm> m_window;
};

// Closes any modal window that opens while it lives, so that a button
// pressed by mistake fails its test instead of hanging it.
class ModalCloser
{
public:
    ModalCloser();

private:
    QTimer m_timer;
};

} // namespace tolvani::windowtest
