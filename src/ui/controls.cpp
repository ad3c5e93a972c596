#include "controls.h"

#include "platform/fonts.h"
#include "ui/contrast.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>

#include <iterator>

namespace tolvani {

QFont layoutFont(const QString &face, qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies(familiesFor(face));
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

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

FilledFrame::FilledFrame(const QColor &fill, QWidget *parent)
    : QFrame(parent)
    , m_fill(fill)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FilledFrame::paintEvent(QPaintEvent *event)
{
    QPainter(this).fillRect(rect(), m_fill);
    QFrame::paintEvent(event);
}

namespace {

// A fixed caption colour stands where its container paints a fixed
// background of its own; on the desktop's background, whose colour the
// palette decides, a colour too close to it gives way to the palette's text
// colour.
QColor readableOn(const QWidget *container, const QColor &textColour)
{
    if (container->autoFillBackground() || qobject_cast<const FilledFrame *>(container))
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

void stackFrontToBack(std::initializer_list<QWidget *> frontToBack)
{
    // raise() puts a widget on top of its siblings, so raise from the back.
    for (auto it = std::rbegin(frontToBack); it != std::rend(frontToBack); ++it)
        (*it)->raise();
}

} // namespace tolvani
