// A line drawn on a window, like a form's line control: a rule or a border
// that takes no input.
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace zephyrod::ui {

// A horizontal or vertical line between two points of its parent, both ends
// included. A line wider than one pixel grows downwards (horizontal) or to the
// right (vertical) from its points, so that two lines a pixel apart lie side
// by side without covering each other.
class LineShape : public QWidget {
    Q_OBJECT
  public:
    LineShape(QWidget* parent, QPoint from, QPoint to, const QColor& color, int width);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor color_;
};

}  // namespace zephyrod::ui
