#include "gui/controls/named_menu.hpp"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "gui/controls/qt_text.hpp"

namespace solvaris {

QMenu* AddMenu(QWidget* parent, std::string_view caption, std::string_view name) {
    auto* menu = new QMenu(QtText(caption), parent);
    menu->setObjectName(QtText(name));
    menu->menuAction()->setObjectName(QtText(name));
    if (auto* bar = qobject_cast<QMenuBar*>(parent)) {
        bar->addMenu(menu);
    } else {
        qobject_cast<QMenu*>(parent)->addMenu(menu);
    }
    return menu;
}

QAction* AddItem(QWidget* parent, std::string_view caption, std::string_view name) {
    auto* action = new QAction(QtText(caption), parent);
    action->setObjectName(QtText(name));
    parent->addAction(action);
    return action;
}

}  // namespace solvaris
