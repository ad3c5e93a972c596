// The main window drawn at the scales that desktops offer (QT_SCALE_FACTOR):
// at 125 % to 175 % as at 100 % and 200 %, every box keeps its whole border
// and the word list shows only whole rows.

#include "support/windowharness.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QListView>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <cmath>

using namespace tolvani::windowtest;
using namespace Qt::StringLiterals;

namespace {

class ScaledWindow : public ::testing::TestWithParam<double>
{
protected:
    ScaledWindow()
        : m_window(tolvani::testdata::makeSampleDictionary(500))
    {
        m_window.showActive();
    }

    // The window as the screen shows it at `scale`, one pixel a device pixel.
    QImage drawnAt(qreal scale)
    {
        QImage image(std::ceil(m_window->width() * scale), std::ceil(m_window->height() * scale),
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        m_window->render(&image);
        image.setDevicePixelRatio(1);
        return image;
    }

    // The device pixels a control covers: Qt rounds each edge to the nearest.
    QRect devicePixels(const QWidget *control, qreal scale)
    {
        const QRectF logical(control->mapTo(m_window.get(), QPoint()), control->size());
        return QRect(
                QPoint(qRound(logical.left() * scale), qRound(logical.top() * scale)),
                QPoint(qRound(logical.right() * scale) - 1, qRound(logical.bottom() * scale) - 1));
    }

    TestWindow m_window;
};

// Whether, within `depth` pixels of the edge of `area` that `inward` points
// away from, a line runs whole in `colour` (ends left out: rounded corners).
bool hasWholeLine(const QImage &image, QRect area, QPoint inward, int depth, QRgb colour)
{
    const QPoint along(inward.y() != 0, inward.x() != 0);
    const QPoint start = inward.x() < 0 ? area.topRight()
            : inward.y() < 0            ? area.bottomLeft()
                                        : area.topLeft();
    const int length = along.x() ? area.width() : area.height();
    for (int line = 0; line < depth; ++line) {
        bool whole = true;
        for (int i = depth * 3; i < length - depth * 3 && whole; ++i) {
            const QPoint at = start + inward * line + along * i;
            whole = image.pixel(at) == colour;
        }
        if (whole)
            return true;
    }
    return false;
}

TEST_P(ScaledWindow, boxesKeepWholeBorders_theListShowsWholeRows)
{
    const qreal scale = GetParam();
    const QImage plain = drawnAt(1);
    const QImage image = drawnAt(scale);

    for (const char *name : {"List1", "WMeaning", "WExample", "Text1", "WType"}) {
        const QWidget *box = m_window.control(QString::fromLatin1(name));
        // The border's colour at 100 %, halfway along the top edge.
        const QRect unscaled = devicePixels(box, 1);
        const QRgb border = plain.pixel(unscaled.center().x(), unscaled.top());
        for (const QPoint inward : {QPoint(0, 1), QPoint(0, -1), QPoint(1, 0), QPoint(-1, 0)}) {
            EXPECT_TRUE(
                    hasWholeLine(image, devicePixels(box, scale), inward, std::ceil(scale), border))
                    << name << ", side facing " << -inward.x() << ", " << -inward.y();
        }
    }

    // Halfway down a scroll bar, its edge towards the text it scrolls.
    for (const char *name : {"List1", "WMeaning", "WExample"}) {
        const QWidget *bar = m_window.control<QAbstractScrollArea>(QString::fromLatin1(name))
                                     ->verticalScrollBar();
        const QRect unscaled = devicePixels(bar, 1);
        const QRgb edge = plain.pixel(unscaled.left(), unscaled.center().y());
        const QRect scaled = devicePixels(bar, scale);
        // Over the groove's shading the line's colour varies a little.
        const QRect edgeBand(scaled.left(), scaled.center().y(), std::ceil(scale), 1);
        EXPECT_GT(pixelsNear(image, edgeBand, QColor(edge), 12), 0) << name << "'s scroll bar";
    }

    // Below the last whole row, the list is blank down to its border.
    const auto *list = m_window.control<QListView>(u"List1"_s);
    const int rowHeight = list->visualRect(list->model()->index(0, 0)).height();
    const int wholeRowsEnd = list->viewport()->height() / rowHeight * rowHeight;
    const QRect viewport = devicePixels(list->viewport(), scale);
    const int blankFrom = std::ceil(
            (list->viewport()->mapTo(m_window.get(), QPoint()).y() + wholeRowsEnd) * scale);
    const QRgb base = list->viewport()->palette().color(QPalette::Base).rgb();
    int marked = 0;
    for (int y = blankFrom; y <= viewport.bottom(); ++y) {
        for (int x = viewport.left(); x <= viewport.right(); ++x)
            marked += image.pixel(x, y) != base;
    }
    EXPECT_EQ(marked, 0) << "pixels of a row cut off by the list's edge";
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledWindow, ::testing::Values(1.0, 1.25, 1.5, 1.75, 2.0),
                         [](const auto &info) {
                             return "Percent" + std::to_string(qRound(info.param * 100));
                         });

} // namespace
