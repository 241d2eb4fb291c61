// Where a window opens on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace zephyrod::ui {

// The top-left corner of a window's frame (title bar and borders included)
// that centres the whole window on the screen's available area and keeps it
// inside. A window larger than the area keeps its top-left corner, and so its
// title bar, on the screen.
QPoint CentredOnScreen(QSize frame, QRect available);

// Moves `window` to that place on its screen. A window that the window system
// has not framed yet is given room for a title bar and borders.
void CentreOnScreen(QWidget* window);

}  // namespace zephyrod::ui
