// InputD, "Natal Input Data": the birth the chart is computed for. Every
// edit goes into the workstation's natal entry at once; when someone else
// changes the entry the window shows it again.
#pragma once

#include <QWidget>
#include <optional>

#include "gui/entry/entry_fields_grid.hpp"
#include "people/entry_fields.hpp"

class QLineEdit;

namespace solvaris {

class Workstation;

class NatalEntryForm : public QWidget {
    Q_OBJECT
public:
    explicit NatalEntryForm(Workstation& workstation, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter in a field or on an option button: OK.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowRecord();
    void cmdOK_Click();
    void cmdSave_Click();
    void cmdNow_Click();
    void cmdEphemeris_Click();

    Workstation& workstation_;
    NatalEntryWindow& entry_;
    QLineEdit* txtName_ = nullptr;
    std::optional<EntryFieldsGrid> grid_;
};

}  // namespace solvaris
