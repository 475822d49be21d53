#include "gui/controls/named_button.hpp"

#include <QBoxLayout>
#include <QPushButton>

namespace solvaris {

QPushButton* AddButton(QBoxLayout& row, const char* name, const char* caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    row.addWidget(button);
    return button;
}

}  // namespace solvaris
