#include "controls.h"

#include "ui/contrast.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <iterator>

namespace tolvani {

QFont layoutFont(const QString &face, qreal pointSize, bool bold)
{
    QFont font(face);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont defaultControlFont()
{
    return layoutFont(QStringLiteral("MS Sans Serif"), 8.25);
}

void place(QWidget *control, const QString &objectName, const Placement &placement)
{
    control->setObjectName(objectName);
    control->setGeometry(placement.rect.toPixels());
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

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

// A fixed caption colour stands where its container paints a fixed
// background of its own; on the desktop's background, whose colour the
// palette decides, a colour too close to it gives way to the palette's text
// colour.
QColor readableOn(const QWidget *container, const QColor &textColour)
{
    if (container->autoFillBackground())
        return textColour;
    const QPalette &palette = container->palette();
    if (contrastRatio(textColour, palette.color(container->backgroundRole())) >= kReadableContrast)
        return textColour;
    return palette.color(QPalette::WindowText);
}

} // namespace

QLabel *addLabel(QWidget *container, const QString &objectName, const QString &text,
                 const Placement &placement, LabelSizing sizing,
                 std::optional<QFont> font, std::optional<QColor> textColour)
{
    auto *label = new QLabel(text, container);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::NoFocus);
    if (font)
        label->setFont(*font);
    if (textColour)
        setTextColour(label, readableOn(container, *textColour));
    place(label, objectName, placement);
    if (sizing == LabelSizing::FitText) {
        label->adjustSize();
    } else {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    return label;
}

void keepUnmaximized(QWidget *window)
{
    new Unmaximizable(window);
}

void stackFrontToBack(std::initializer_list<QWidget *> frontToBack)
{
    // raise() puts a widget on top of its siblings, so raise from the back.
    for (auto it = std::rbegin(frontToBack); it != std::rend(frontToBack); ++it)
        (*it)->raise();
}

} // namespace tolvani
