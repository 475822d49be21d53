#include "gui/controls/list_box.hpp"

namespace solvaris {

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0 && onKeyMove_) {
        onKeyMove_();
    }
}

}  // namespace solvaris
