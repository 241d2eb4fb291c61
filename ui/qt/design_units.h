// Window designs are laid out in twips (1/1440 inch); on screen a twip is a
// fifteenth of a device-independent pixel, and Qt scales pixels on high-DPI
// screens.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zephyrod::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

inline QSize TwipsSize(int width, int height) {
    return QSize(Px(width), Px(height));
}

inline QPoint TwipsPoint(int x, int y) {
    return QPoint(Px(x), Px(y));
}

}  // namespace zephyrod::ui
