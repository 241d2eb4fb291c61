#include "window_placement.h"

#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace zephyrod::ui {

QPoint CentredOnScreen(QSize frame, QRect available) {
    // Centred, then pushed back inside on the right and bottom, and on the
    // left and top last, so that the top-left corner wins where it must.
    auto place = [](int start, int room, int size) {
        const int centred = start + (room - size) / 2;
        return std::max(std::min(centred, start + room - size), start);
    };
    return {place(available.left(), available.width(), frame.width()),
            place(available.top(), available.height(), frame.height())};
}

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
    window->move(CentredOnScreen(frame, window->screen()->availableGeometry()));
}

}  // namespace zephyrod::ui
