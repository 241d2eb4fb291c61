#include "result_list.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include "named_control.h"
#include "ui_texts.h"

namespace zephyrod::ui {

QStringList ResultList::lines() const {
    QStringList all;
    for (int i = 0; i < count(); ++i) {
        all << item(i)->text();
    }
    return all;
}

void ResultList::setLines(const QStringList& lines) {
    clear();
    addItems(lines);
}

void ResultList::copySelected() const {
    if (const QListWidgetItem* selected = currentItem();
        selected != nullptr && selected->isSelected()) {
        QGuiApplication::clipboard()->setText(selected->text());
    }
}

void ResultList::copyAll() const {
    if (count() > 0) {
        QGuiApplication::clipboard()->setText(lines().join(QLatin1Char('\n')));
    }
}

void ResultList::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        copySelected();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ResultList::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("copyMenu"));
    QAction* copy =
        menu.addAction(ToQString(design::kCopyCaption), this, &ResultList::copySelected);
    copy->setEnabled(currentItem() != nullptr && currentItem()->isSelected());
    QAction* all = menu.addAction(ToQString(design::kCopyAllCaption), this, &ResultList::copyAll);
    all->setEnabled(count() > 0);
    menu.exec(event->globalPos());
}

}  // namespace zephyrod::ui
