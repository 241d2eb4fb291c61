#include "line_shape.h"

#include <QPainter>

namespace zephyrod::ui {

LineShape::LineShape(QWidget* parent, QPoint from, QPoint to, const QColor& color, int width)
    : QWidget(parent), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    QRect box = QRect(from, to).normalized();
    if (from.y() == to.y()) {
        box.setHeight(width);
    } else {
        box.setWidth(width);
    }
    setGeometry(box);
}

void LineShape::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), color_);
}

}  // namespace zephyrod::ui
