// InputD1, "Diurnal Input Data": the transit moment and the place where the
// person now lives, or in second-person mode a second person's birth. Every
// edit goes into the workstation's diurnal entry at once.
#pragma once

#include <QWidget>
#include <optional>

#include "gui/entry/entry_fields_grid.hpp"
#include "people/entry_fields.hpp"

class QCheckBox;

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
    void chk2ndPerson_Click(bool checked);
    void chkNatOrNow_Click(bool checked);

    Workstation& workstation_;
    DiurnalEntryWindow& entry_;
    std::optional<EntryFieldsGrid> grid_;
    QCheckBox* chk2ndPerson_ = nullptr;
    QCheckBox* chkNatOrNow_ = nullptr;
};

}  // namespace solvaris
