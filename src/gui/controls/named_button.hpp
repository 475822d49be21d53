// A push button carrying its control name, so that tests and help texts
// find it by the name the window gives it.
#pragma once

class QBoxLayout;
class QPushButton;

namespace solvaris {

QPushButton* AddButton(QBoxLayout& row, const char* name, const char* caption);

}  // namespace solvaris
