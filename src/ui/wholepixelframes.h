#pragma once

#include <QProxyStyle>

namespace tolvani {

// The style of the boxes (text boxes and the word list) and their scroll
// bars at any scale: their edges on whole device pixels, as at 100 %.
//
// At a fractional scale (125 %, 150 %, 175 %) a widget's edges fall between
// device pixels. Qt clips the widget to its edges rounded to whole pixels
// but draws the style's lines, one logical pixel wide, about the exact
// edges, so a line along an edge can land just outside the clip and
// vanish. Here the application's style draws a box's frame as it does at
// 100 %, in device pixels, inside the rounded edges, and a scroll bar from
// the pixel where its clip begins; at whole scales both draw as ever.
class WholePixelFrames final : public QProxyStyle
{
    Q_OBJECT

public:
    explicit WholePixelFrames(QObject *parent);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
};

} // namespace tolvani
