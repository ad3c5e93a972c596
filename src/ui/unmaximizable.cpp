#include "unmaximizable.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tolvani {

namespace {

constexpr Qt::WindowStates kGrown = Qt::WindowMaximized | Qt::WindowFullScreen;

// Asks a grown window back to its normal state. On Wayland the request
// comes from Qt's own title bar and reaches the compositor before any
// event does; weston then insists that the next frame has the maximized
// size and ignores an unmaximize until it has. So there the fixed size is
// lifted as soon as the window asks to grow, the window shows one frame at
// the compositor's size, and then returns to its own.
class Unmaximizable final : public QObject
{
public:
    explicit Unmaximizable(QWidget *window)
        : QObject(window)
        , m_window(window)
        , m_onWayland(QGuiApplication::platformName() == u"wayland")
    {
        m_fallback.setSingleShot(true);
        m_fallback.setInterval(1000);
        connect(&m_fallback, &QTimer::timeout, this, &Unmaximizable::restoreFixedSize);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::WinIdChange:
            if (m_onWayland && m_window->windowHandle())
                connect(m_window->windowHandle(), &QWindow::windowStateChanged, this,
                        &Unmaximizable::growRequested, Qt::UniqueConnection);
            break;
        case QEvent::WindowStateChange:
            if (!(m_window->windowState() & kGrown))
                break;
            if (!m_fixedSize.isValid())
                m_window->setWindowState(m_window->windowState() & ~kGrown);
            else
                m_unmaximizeAfterPaint = true;
            break;
        case QEvent::Resize:
            // Back at its own size: the compositor has let go.
            if (m_fixedSize.isValid() && m_window->size() == m_fixedSize
                && !(m_window->windowState() & kGrown))
                restoreFixedSize();
            break;
        case QEvent::Paint:
            if (m_unmaximizeAfterPaint) {
                m_unmaximizeAfterPaint = false;
                // After this frame has reached the compositor.
                QTimer::singleShot(0, this, [this] {
                    m_window->setWindowState(m_window->windowState() & ~kGrown);
                    m_fallback.start();
                });
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void growRequested(Qt::WindowState state)
    {
        if (!(state & kGrown) || m_fixedSize.isValid())
            return;
        m_fixedSize = m_window->minimumSize();
        m_window->setMinimumSize(0, 0);
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // A compositor that refuses to grow the window sends nothing back.
        m_fallback.start();
    }

    void restoreFixedSize()
    {
        m_fallback.stop();
        if (!m_fixedSize.isValid())
            return;
        m_window->setFixedSize(m_fixedSize);
        m_fixedSize = QSize();
    }

    QWidget *m_window;
    const bool m_onWayland;
    QSize m_fixedSize; // valid while lifted
    bool m_unmaximizeAfterPaint = false;
    QTimer m_fallback;
};

} // namespace

void keepUnmaximized(QWidget *window)
{
    new Unmaximizable(window);
}

} // namespace tolvani
