#include "window_placement.h"

#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

#include "placement.h"

namespace zephyrod::ui {

void CentreOnScreen(QWidget* window) {
    QSize frame = window->frameGeometry().size();
    if (!window->isVisible() && frame == window->size()) {
        // Not framed yet: room for a title bar two lines of text high and a
        // border round the window, as window managers draw them.
        const int border = window->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
        const int title = std::max(window->style()->pixelMetric(QStyle::PM_TitleBarHeight),
                                   2 * window->fontMetrics().height());
        frame += QSize(2 * border, title + 2 * border);
    }
    const QRect available = window->screen()->availableGeometry();
    const design::ScreenRect area{available.x(), available.y(), available.width(),
                                  available.height()};
    const design::ScreenPoint place =
        design::CentredPlacement(frame.width(), frame.height(), area, area);
    window->move(place.x, place.y);
}

}  // namespace zephyrod::ui
