// Menus and menu items carrying their control names, so that tests and help
// texts find them by the name the window gives them.
#pragma once

#include <string_view>

class QAction;
class QMenu;
class QWidget;

namespace solvaris {

// A menu of a menu bar or a submenu of a menu (`parent`), whose menu and
// menu-bar action both carry the name. An access key shared with disabled
// items runs the one enabled item that carries it.
QMenu* AddMenu(QWidget* parent, std::string_view caption, std::string_view name);

// An item at the end of a menu or menu bar.
QAction* AddItem(QWidget* parent, std::string_view caption, std::string_view name);

}  // namespace solvaris
