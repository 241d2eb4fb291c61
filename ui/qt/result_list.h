// A list of result lines that the user can copy from: Ctrl+C copies the
// selected line, the context menu offers "Copy" and "Copy All".
#pragma once

#include <QListWidget>
#include <QStringList>

namespace zephyrod::ui {

class ResultList : public QListWidget {
    Q_OBJECT
  public:
    using QListWidget::QListWidget;

    // Every line, in order.
    QStringList lines() const;
    // Replaces every line.
    void setLines(const QStringList& lines);

    void copySelected() const;
    void copyAll() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace zephyrod::ui
