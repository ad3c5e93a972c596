#pragma once

#include <QProxyStyle>

namespace tolvani {

// The style of the boxes (text boxes and the word list) at any scale: their
// frames on whole device pixels, as at 100 %.
//
// At a fractional scale (125 %, 150 %, 175 %) a box's edges fall between
// device pixels. Qt clips the box to its edges rounded to whole pixels but
// draws the style's frame, one logical pixel wide, about the exact edges,
// so a side of the frame can land just outside the clip and vanish. Here
// the application's style draws the frame as it does at 100 %, in device
// pixels, inside the rounded edges; at whole scales it draws as ever.
class WholePixelFrames final : public QProxyStyle
{
    Q_OBJECT

public:
    explicit WholePixelFrames(QObject *parent);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};

} // namespace tolvani
