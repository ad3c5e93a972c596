#include "unmaximizable.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tolvani {

namespace {

constexpr Qt::WindowStates kGrown = Qt::WindowMaximized | Qt::WindowFullScreen;

// Asks a grown window back to its normal state.
//
// On Wayland the compositor has the last word. Its maximize (a shortcut, a
// tiling rule, or Qt's own title bar asking for it) arrives as a configure
// that Qt acknowledges at once, at the window's fixed size; but a
// maximized surface must have exactly the configured size, so the next
// frame would end the connection, and the compositor ignores a request for
// the normal state until it has seen a frame in the state it asked for.
// Full screen, unlike maximized, admits a surface smaller than the screen.
// So the window stops drawing, asks for full screen instead, draws one
// frame there and then asks for its normal state: it never leaves its size.
class Unmaximizable final : public QObject
{
public:
    explicit Unmaximizable(QWidget *window)
        : QObject(window)
        , m_window(window)
        , m_onWayland(QGuiApplication::platformName() == u"wayland")
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window)
            widgetEvent(event);
        else if (event->type() == QEvent::WindowStateChange && event->spontaneous())
            configured(m_window->windowHandle()->windowStates());
        return false;
    }

private:
    void widgetEvent(QEvent *event)
    {
        switch (event->type()) {
        case QEvent::WinIdChange:
            // The platform window's own reports reach the QWindow only.
            if (m_onWayland && m_window->windowHandle())
                m_window->windowHandle()->installEventFilter(this);
            break;
        case QEvent::WindowStateChange:
            if (!m_onWayland && (m_window->windowState() & kGrown))
                m_window->setWindowState(m_window->windowState() & ~kGrown);
            break;
        case QEvent::Paint:
            if (m_normalAfterFrame) {
                m_normalAfterFrame = false;
                // After this frame has reached the compositor.
                QTimer::singleShot(0, this, [this] {
                    m_askedForNormal = true;
                    m_window->setWindowState(m_window->windowState() & ~kGrown);
                });
            }
            break;
        default:
            break;
        }
    }

    // The state of a configure from the Wayland compositor, which Qt has
    // just acknowledged.
    void configured(Qt::WindowStates states)
    {
        if (states & Qt::WindowMaximized) {
            m_window->setUpdatesEnabled(false);
            QTimer::singleShot(0, this, [this] { m_window->setWindowState(Qt::WindowFullScreen); });
        } else if (states & Qt::WindowFullScreen) {
            m_window->setUpdatesEnabled(true);
            // A compositor that keeps the window full screen after it asked
            // for the normal state has it there, at its own size.
            m_normalAfterFrame = !m_askedForNormal;
            m_window->update();
        } else {
            if (m_askedForNormal)
                redrawAll();
            m_askedForNormal = false;
            m_window->setUpdatesEnabled(true);
        }
    }

    // Back from full screen, the window has a new buffer, larger by the
    // title bar and borders, that Qt fills only where it thinks something
    // changed; everything else would show what the buffer held before.
    void redrawAll()
    {
        m_window->update();
        const auto children = m_window->findChildren<QWidget *>();
        for (QWidget *child : children)
            child->update();
    }

    QWidget *m_window;
    const bool m_onWayland;
    bool m_normalAfterFrame = false;
    bool m_askedForNormal = false;
};

} // namespace

void keepUnmaximized(QWidget *window)
{
    new Unmaximizable(window);
}

} // namespace tolvani
