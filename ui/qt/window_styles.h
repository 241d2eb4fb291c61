// Small adjustments of the platform's style for the main window.
#pragma once

#include <QProxyStyle>

namespace zephyrod::ui {

// Lets the menu bar's spacer item (kSpacerProperty) take the room the other
// items leave, so that they stay on the bar instead of an overflow menu.
class MenuBarStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};

// Draws list lines with a one-pixel margin instead of the style's wider one,
// so that a full sweep row fits the sweep list's width.
class CompactListStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};

}  // namespace zephyrod::ui
