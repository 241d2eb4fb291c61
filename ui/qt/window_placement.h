// Where a window opens on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace zephyrod::ui {

// Centres `window` (title bar and borders included) on its screen's available
// area, keeping it inside; one larger than the area keeps its top-left corner,
// and so its title bar, on the screen. A window that the window system has
// not framed yet is given room for a title bar and borders.
void CentreOnScreen(QWidget* window);

}  // namespace zephyrod::ui
