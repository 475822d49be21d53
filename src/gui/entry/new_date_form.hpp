// NewDate, "New Transit Date": the data window's More > New Date. It opens
// on the date of the diurnal day number; OK takes the typed date as the
// new diurnal day and shows the transit interpretations from it.
#pragma once

#include <QDialog>

#include "reports/new_date.hpp"

namespace solvaris {

class Workstation;

class NewDateForm : public QDialog {
    Q_OBJECT
public:
    // Show it modally with exec(); OK closes it after the report is shown.
    explicit NewDateForm(Workstation& workstation, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void cmdOK_Click();

    Workstation& workstation_;
    NewDateWindow entry_;
};

}  // namespace solvaris
