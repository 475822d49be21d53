#include "gui/controls/list_box.hpp"

#include <QKeyEvent>

namespace solvaris {

void ListBox::SetOnKeyMove(std::function<void()> onKeyMove) {
    onKeyMove_ = std::move(onKeyMove);
    setToolTip("Type to find a line; Enter or a click picks it.");
}

void ListBox::keyboardSearch(const QString& search) {
    QListWidget::keyboardSearch(search);
    foundUnpicked_ = true;
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && foundUnpicked_ && currentRow() >= 0 && onKeyMove_) {
        foundUnpicked_ = false;
        onKeyMove_();
        return;
    }
    const int before = currentRow();
    const bool foundBefore = foundUnpicked_;
    foundUnpicked_ = false;
    QListWidget::keyPressEvent(event);  // a typed letter searches, setting foundUnpicked_
    if (foundUnpicked_) {
        return;
    }
    if (currentRow() == before) {
        foundUnpicked_ = foundBefore;  // Shift, or an arrow at the end
        return;
    }
    if (currentRow() >= 0 && onKeyMove_) {
        onKeyMove_();
    }
}

}  // namespace solvaris
