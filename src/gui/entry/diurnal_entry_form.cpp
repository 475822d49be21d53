#include "gui/entry/diurnal_entry_form.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>

#include "gui/common/workstation.hpp"
#include "gui/entry/entry_controls.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

namespace {

QCheckBox* AddCheckBox(QGridLayout& grid, const char* name, const char* caption, int row,
                       int column) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    grid.addWidget(box, row, column, 1, 2);
    return box;
}

constexpr EntryControlNames kDiurnalControls{
    {"txtDiurnalMonth", "Diurnal Month"},
    {"txtDiurnalDay", "Diurnal Day"},
    {"txtDiurnalYear", "Diurnal Year"},
    {"txtDiurnalHour", "Diurnal Hour"},
    {"txtDiurnalMinute", "Diurnal Min."},
    "optDiurnalAM",
    "optDiurnalPM",
    {"txtDiurnalTZ", "D. Time Zone . . ."},
    {"txtDiurnalLongDeg", "D. Long Deg."},
    {"txtDiurnalLongMin", "D. Long Min."},
    "optDiurnalEast",
    "optDiurnalWest",
    {"txtDiurnalLatDeg", "D. Lat Deg."},
    {"txtDiurnalLatMin", "D. Lat Min."},
    "optDiurnalNorth",
    "optDiurnalSouth",
    true,
};

}  // namespace

DiurnalEntryForm::DiurnalEntryForm(Workstation& workstation, QWidget* parent)
    : QWidget(parent, Qt::Window), workstation_(workstation), entry_(workstation.diurnalEntry) {
    setObjectName("InputD1");
    setWindowTitle("Diurnal Input Data");
    auto* grid = new QGridLayout(this);
    grid_.emplace(workstation, entry_.fields, kDiurnalControls, *grid, 0, *this);
    chk2ndPerson_ = AddCheckBox(*grid, "chk2ndPerson", "2nd Person", 5, 0);
    chkNatOrNow_ = AddCheckBox(*grid, "chkNatOrNow", "Use natal data", 5, 2);

    connect(chk2ndPerson_, &QCheckBox::clicked, this, &DiurnalEntryForm::chk2ndPerson_Click);
    connect(chkNatOrNow_, &QCheckBox::clicked, this, &DiurnalEntryForm::chkNatOrNow_Click);
    connect(&workstation_, &Workstation::entryChanged, this, &DiurnalEntryForm::ShowRecord);
    connect(&workstation_, &Workstation::secondPersonChanged, this, &DiurnalEntryForm::ShowRecord);
    connect(&workstation_, &Workstation::entryWindowsHidden, this, &QWidget::hide);

    // The window opens on the present moment at the home place.
    FillNow(entry_.fields, workstation_.session().options, workstation_.platform());
    ShowRecord();
}

void DiurnalEntryForm::ShowRecord() {
    grid_->ShowRecord();
    chk2ndPerson_->setChecked(entry_.chk2ndPerson);
    chk2ndPerson_->setText(QString::fromStdString(entry_.chk2ndPersonCaption));
    chkNatOrNow_->setChecked(entry_.chkNatOrNow);
}

void DiurnalEntryForm::chk2ndPerson_Click(bool checked) { workstation_.SetSecondPerson(checked); }

void DiurnalEntryForm::chkNatOrNow_Click(bool checked) {
    entry_.chkNatOrNow = checked;
    AfterNatalPick(workstation_.natalEntry, entry_, workstation_.session().options,
                   workstation_.platform());
    ShowRecord();
}

void DiurnalEntryForm::keyPressEvent(QKeyEvent* event) {
    if (IsEnterKey(*event)) {
        workstation_.ComputeNewChart();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DiurnalEntryForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    PaintTwoToneBorders(*this);
}

}  // namespace solvaris
