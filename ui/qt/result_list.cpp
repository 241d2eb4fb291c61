#include "result_list.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include "qt_text.h"
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
    // The selected line, or the one the focus frame is on (Tab into a list
    // without a selection frames its first line).
    if (const QListWidgetItem* current = currentItem(); current != nullptr) {
        QGuiApplication::clipboard()->setText(current->text());
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
    // Shift+F10 opens the context menu, as the Menu key does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QListWidgetItem* current = currentItem();
        const QPoint at = current != nullptr ? visualItemRect(current).center() : QPoint(0, 0);
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, at, viewport()->mapToGlobal(at));
        contextMenuEvent(&menuEvent);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ResultList::contextMenuEvent(QContextMenuEvent* event) {
    // A right click selects the line under the pointer first, so that Copy
    // copies the line the user pointed at; the Menu key keeps the selection.
    if (event->reason() == QContextMenuEvent::Mouse) {
        if (QListWidgetItem* pointed = itemAt(viewport()->mapFromGlobal(event->globalPos()));
            pointed != nullptr) {
            setCurrentItem(pointed);
        }
    }
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("copyMenu"));
    QAction* copy =
        menu.addAction(ToQString(design::kCopyCaption), this, &ResultList::copySelected);
    copy->setEnabled(currentItem() != nullptr);
    QAction* all = menu.addAction(ToQString(design::kCopyAllCaption), this, &ResultList::copyAll);
    all->setEnabled(count() > 0);
    menu.exec(event->globalPos());
}

}  // namespace zephyrod::ui
