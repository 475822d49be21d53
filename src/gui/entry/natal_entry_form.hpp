// InputD, "Natal Input Data": the birth the chart is computed for. Every
// edit goes into the workstation's natal entry at once; when someone else
// changes the entry the window shows it again.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "people/entry_fields.hpp"

class QLineEdit;
class QRadioButton;

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
    void txtBirthHour_Change();
    void optEast_Click();
    void optWest_Click();
    void cmdOK_Click();
    void cmdSave_Click();
    void cmdNow_Click();
    void cmdEphemeris_Click();

    struct BoundField {
        QLineEdit* field;
        std::string NatalEntryWindow::*member;
    };
    QLineEdit* Bind(QLineEdit* field, std::string NatalEntryWindow::*member);

    Workstation& workstation_;
    NatalEntryWindow& entry_;
    std::vector<BoundField> fields_;
    QRadioButton* optAM_ = nullptr;
    QRadioButton* optPM_ = nullptr;
    QRadioButton* optEast_ = nullptr;
    QRadioButton* optWest_ = nullptr;
    QRadioButton* optNorth_ = nullptr;
    QRadioButton* optSouth_ = nullptr;
};

}  // namespace solvaris
