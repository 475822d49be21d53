// InputD1, "Diurnal Input Data": the transit moment and the place where the
// person now lives, or in second-person mode a second person's birth. Every
// edit goes into the workstation's diurnal entry at once.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "people/entry_fields.hpp"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace solvaris {

class Workstation;

class DiurnalEntryForm : public QWidget {
    Q_OBJECT
public:
    explicit DiurnalEntryForm(Workstation& workstation, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter: the chart computed from both entries, as InputD's OK does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowRecord();
    void txtDiurnalHour_Change();
    void optDiurnalEast_Click();
    void optDiurnalWest_Click();
    void chk2ndPerson_Click(bool checked);
    void chkNatOrNow_Click(bool checked);

    struct BoundField {
        QLineEdit* field;
        std::string DiurnalEntryWindow::*member;
    };
    QLineEdit* Bind(QLineEdit* field, std::string DiurnalEntryWindow::*member);

    Workstation& workstation_;
    DiurnalEntryWindow& entry_;
    std::vector<BoundField> fields_;
    QRadioButton* optDiurnalAM_ = nullptr;
    QRadioButton* optDiurnalPM_ = nullptr;
    QRadioButton* optDiurnalEast_ = nullptr;
    QRadioButton* optDiurnalWest_ = nullptr;
    QRadioButton* optDiurnalNorth_ = nullptr;
    QRadioButton* optDiurnalSouth_ = nullptr;
    QCheckBox* chk2ndPerson_ = nullptr;
    QCheckBox* chkNatOrNow_ = nullptr;
};

}  // namespace solvaris
