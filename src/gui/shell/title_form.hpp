// TITLE: the window shown while the program starts; its OK button closes
// it and start-up goes on.
#pragma once

#include <QDialog>

#include "gui/common/workstation.hpp"

namespace solvaris {

class TitleForm : public QDialog {
    Q_OBJECT
public:
    explicit TitleForm(Workstation& workstation, QWidget* parent = nullptr);

    void cmdOK_Click();
};

}  // namespace solvaris
