// Linked into copies of the programs that bench_startup launches, never
// into the program itself: the process ends as soon as the main window has
// been shown and painted.

#include "ui/dicfrmlayout.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// Only the main window counts, not a message box shown instead of it.
constexpr QSize kMainWindowSize = tolvani::dicfrm_layout::kClientArea.toPixels();

class FirstPaint final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || m_seen || !watched->isWidgetType())
            return false;
        const QWidget *window = static_cast<QWidget *>(watched)->window();
        if (window->size() != kMainWindowSize)
            return false;
        m_seen = true;
        // A paint event starts the window's repaint; a queued call runs after
        // the whole window has been painted and flushed. The round trip
        // waits until the display server has the picture.
        QTimer::singleShot(0, [] {
            QGuiApplication::sync();
            std::fflush(nullptr);
            std::_Exit(0);
        });
        return false;
    }

private:
    bool m_seen = false;
};

void installFirstPaint()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaint(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstPaint)
