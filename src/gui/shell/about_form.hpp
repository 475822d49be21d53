// About: the program's name drawn over and over in yellow as a title, and
// its version; a click anywhere closes it.
#pragma once

#include <QDialog>

#include "gui/common/workstation.hpp"

namespace solvaris {

class AboutForm : public QDialog {
    Q_OBJECT
public:
    explicit AboutForm(Workstation& workstation, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace solvaris
