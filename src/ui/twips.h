#pragma once

#include <QRect>
#include <QSize>

namespace tolvani {

// The windows are laid out in twips, 1440 to the inch: 15 twips make one
// logical pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    constexpr QRect toPixels() const
    {
        return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel,
                     width / kTwipsPerPixel, height / kTwipsPerPixel);
    }
};

struct TwipsSize {
    int width;
    int height;

    constexpr QSize toPixels() const
    {
        return QSize(width / kTwipsPerPixel, height / kTwipsPerPixel);
    }
};

// Where a control sits in its container, and its place in the tab order.
struct Placement {
    TwipsRect rect;
    int tabIndex;
};

} // namespace tolvani
