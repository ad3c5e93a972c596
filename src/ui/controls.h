#pragma once

#include "ui/twips.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QString>

#include <initializer_list>
#include <optional>

class QLabel;
class QWidget;

namespace tolvani {

// A font as the layouts name it: face, size in points, weight. The faces
// are the Windows ones; font substitutes stand in for them elsewhere.
QFont layoutFont(const QString &face, qreal pointSize, bool bold = false);
QFont defaultControlFont(); // "MS Sans Serif" 8.25 pt

// The title-bar controls of a window that the user cannot resize: title,
// system menu and close, never maximize. CustomizeWindowHint makes the hints
// binding; without it Qt's own title bar (on Wayland) offers every button.
inline constexpr Qt::WindowFlags kFixedSizeWindowHints =
    Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A frame that paints a fixed colour of its own beneath its children. The
// colour stays out of the palette: every palette a widget is given counts
// as a new one, and the style caches what it draws for a button under its
// palette, so the button of a window made afresh for every showing would
// leave a new image in that cache each time. Inside this frame, the
// widgets keep the application's palette and the cached images with it.
// Assistive technology reads it as a panel of its children, less those
// drawn only for their look (see accessibility.h).
class FilledFrame final : public QFrame
{
    Q_OBJECT

public:
    FilledFrame(const QColor &fill, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
};

enum class LabelSizing {
    FitText,  // takes the size of its caption, from the designed top-left
    FixedBox, // keeps the designed box and wraps at word boundaries
};

// A label with no background of its own. On a container that paints no
// fixed background (filled from its palette, or a FilledFrame), a
// `textColour` with too little contrast against the palette's background
// is replaced by the palette's text colour.
QLabel *addLabel(QWidget *container, const QString &objectName, const QString &text,
                 const Placement &placement, LabelSizing sizing,
                 std::optional<QFont> font = std::nullopt,
                 std::optional<QColor> textColour = std::nullopt);

void place(QWidget *control, const QString &objectName, const Placement &placement);
void setTextColour(QWidget *widget, const QColor &colour);

// Stacks siblings so that the first listed is drawn over all the others.
void stackFrontToBack(std::initializer_list<QWidget *> frontToBack);

} // namespace tolvani
