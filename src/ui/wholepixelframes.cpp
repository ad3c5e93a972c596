#include "wholepixelframes.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFrame>

#include <cmath>

namespace tolvani {

WholePixelFrames::WholePixelFrames(QObject *parent)
    // A fresh copy of the application's style: a proxy owns its base.
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(parent);
}

namespace {

// Far below what shows, a nudge that keeps rounding errors from moving a
// line onto the pixel before the one it is meant for.
constexpr qreal kNudge = 1.0 / 4096;

// The device pixels that `logical` covers under `toDevice`, each edge
// rounded to the nearest pixel as Qt rounds a widget's clip.
QRect devicePixels(const QTransform &toDevice, const QRect &logical)
{
    const QPointF topLeft = toDevice.map(QPointF(logical.topLeft()));
    const QPointF bottomRight = toDevice.map(QRectF(logical).bottomRight());
    return QRect(QPoint(qRound(topLeft.x()), qRound(topLeft.y())),
                 QPoint(qRound(bottomRight.x()) - 1, qRound(bottomRight.y()) - 1));
}

} // namespace

void WholePixelFrames::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    const QTransform toDevice = painter->deviceTransform();
    const qreal scale = toDevice.m11();
    const bool boxFrame =
            element == PE_Frame || element == PE_PanelLineEdit || element == PE_FrameLineEdit;
    if (!boxFrame || !frame || toDevice.type() > QTransform::TxScale || toDevice.m22() != scale
        || scale == std::floor(scale)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }

    // A scroll area's contents (its viewport and scroll bars) cover its
    // inside, rounded to device pixels their own way: the frame, as thick
    // as at 100 %, goes right around them, so nothing is left between.
    const auto *box = qobject_cast<const QFrame *>(widget);
    const int width = element == PE_Frame && box ? box->frameWidth() : 0;
    const QRect pixels = devicePixels(toDevice, frame->rect.adjusted(width, width, -width, -width))
                                 .adjusted(-width, -width, width, width);
    QStyleOptionFrame snapped(*frame);
    snapped.rect = QRect(QPoint(0, 0), pixels.size());

    painter->save();
    // One unit is one device pixel, from the frame's top-left corner.
    painter->resetTransform();
    const QTransform beneath = painter->deviceTransform();
    painter->setWorldTransform(QTransform(1 / scale, 0, 0, 1 / scale,
                                          (pixels.x() + kNudge - beneath.dx()) / scale,
                                          (pixels.y() + kNudge - beneath.dy()) / scale));
    QProxyStyle::drawPrimitive(element, &snapped, painter, widget);
    painter->restore();
}

void WholePixelFrames::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                          QPainter *painter, const QWidget *widget) const
{
    const QTransform toDevice = painter->deviceTransform();
    const qreal scale = toDevice.m11();
    if (control != CC_ScrollBar || toDevice.type() > QTransform::TxScale
        || scale == std::floor(scale)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Moved by less than half a pixel, so that its line along the text it
    // scrolls starts on the pixel where its clip begins.
    const QPointF origin = toDevice.map(QPointF(option->rect.topLeft()));
    painter->save();
    painter->translate((qRound(origin.x()) - origin.x() + kNudge) / scale,
                       (qRound(origin.y()) - origin.y() + kNudge) / scale);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    painter->restore();
}

} // namespace tolvani
