#include "gui/entry/diurnal_entry_form.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "gui/common/workstation.hpp"
#include "gui/entry/entry_controls.hpp"
#include "gui/people/atlas_exchange_form.hpp"
#include "gui/people/time_zone_form.hpp"
#include "people/entry_keys.hpp"
#include "people/entry_rules.hpp"
#include "people/place_fields.hpp"

namespace solvaris {

namespace {

QCheckBox* AddCheckBox(QGridLayout& grid, const char* name, const char* caption, int row,
                       int column) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    grid.addWidget(box, row, column, 1, 2);
    return box;
}

}  // namespace

DiurnalEntryForm::DiurnalEntryForm(Workstation& workstation, QWidget* parent)
    : QWidget(parent, Qt::Window), workstation_(workstation), entry_(workstation.diurnalEntry) {
    setObjectName("InputD1");
    setWindowTitle("Diurnal Input Data");
    auto* grid = new QGridLayout(this);
    using W = DiurnalEntryWindow;

    Bind(AddEntryField(*grid, "txtDiurnalMonth", "Diurnal Month", 0, 0, 2), &W::txtDiurnalMonth);
    Bind(AddEntryField(*grid, "txtDiurnalDay", "Diurnal Day", 0, 2, 2), &W::txtDiurnalDay);
    Bind(AddEntryField(*grid, "txtDiurnalYear", "Diurnal Year", 0, 4, 4), &W::txtDiurnalYear);
    QLineEdit* hour =
        Bind(AddEntryField(*grid, "txtDiurnalHour", "Diurnal Hour", 1, 0, 2), &W::txtDiurnalHour);
    Bind(AddEntryField(*grid, "txtDiurnalMinute", "Diurnal Min.", 1, 2, 4), &W::txtDiurnalMinute);
    const OptionPair meridiem =
        AddOptionPair(*grid, "Am/Pm", "optDiurnalAM", "A.M.", "optDiurnalPM", "P.M.", 1, 4);
    Bind(AddEntryField(*grid, "txtDiurnalTZ", "D. Time Zone . . .", 2, 0, 4), &W::txtDiurnalTZ);
    Bind(AddEntryField(*grid, "txtDiurnalLongDeg", "D. Long Deg.", 3, 0, 3), &W::txtDiurnalLongDeg);
    Bind(AddEntryField(*grid, "txtDiurnalLongMin", "D. Long Min.", 3, 2, 2), &W::txtDiurnalLongMin);
    const OptionPair hemisphere =
        AddOptionPair(*grid, "Ea/We", "optDiurnalEast", "East", "optDiurnalWest", "West", 3, 4);
    Bind(AddEntryField(*grid, "txtDiurnalLatDeg", "D. Lat Deg.", 4, 0, 2), &W::txtDiurnalLatDeg);
    Bind(AddEntryField(*grid, "txtDiurnalLatMin", "D. Lat Min.", 4, 2, 2), &W::txtDiurnalLatMin);
    const OptionPair latitude =
        AddOptionPair(*grid, "No/So", "optDiurnalNorth", "North", "optDiurnalSouth", "South", 4, 4);
    chk2ndPerson_ = AddCheckBox(*grid, "chk2ndPerson", "2nd Person", 5, 0);
    chkNatOrNow_ = AddCheckBox(*grid, "chkNatOrNow", "Use natal data", 5, 2);
    AddLink(*grid, "Label1", "TZ Help", 2, 2,
            [this](QLabel&) { ShowTimeZoneWindow(workstation_, PlaceFieldsOf(entry_)); });
    AddLink(*grid, "Label2", "ACS Atlas", 2, 4,
            [this](QLabel& link) { RunAtlasFor(workstation_, PlaceFieldsOf(entry_), link); });
    optDiurnalAM_ = meridiem.first;
    optDiurnalPM_ = meridiem.second;
    optDiurnalEast_ = hemisphere.first;
    optDiurnalWest_ = hemisphere.second;
    optDiurnalNorth_ = latitude.first;
    optDiurnalSouth_ = latitude.second;

    connect(hour, &QLineEdit::textEdited, this, &DiurnalEntryForm::txtDiurnalHour_Change);
    connect(optDiurnalPM_, &QRadioButton::toggled, this,
            [this](bool on) { entry_.optDiurnalPM = on; });
    connect(optDiurnalEast_, &QRadioButton::toggled, this,
            [this](bool on) { entry_.optDiurnalEast = on; });
    connect(optDiurnalSouth_, &QRadioButton::toggled, this,
            [this](bool on) { entry_.optDiurnalSouth = on; });
    connect(optDiurnalEast_, &QRadioButton::clicked, this, &DiurnalEntryForm::optDiurnalEast_Click);
    connect(optDiurnalWest_, &QRadioButton::clicked, this, &DiurnalEntryForm::optDiurnalWest_Click);
    connect(chk2ndPerson_, &QCheckBox::clicked, this, &DiurnalEntryForm::chk2ndPerson_Click);
    connect(chkNatOrNow_, &QCheckBox::clicked, this, &DiurnalEntryForm::chkNatOrNow_Click);
    connect(&workstation_, &Workstation::entryChanged, this, &DiurnalEntryForm::ShowRecord);
    connect(&workstation_, &Workstation::secondPersonChanged, this, &DiurnalEntryForm::ShowRecord);
    connect(&workstation_, &Workstation::entryWindowsHidden, this, &QWidget::hide);

    // The window opens on the present moment at the home place.
    FillNow(entry_, workstation_.session().options, workstation_.platform());
    ShowRecord();
}

QLineEdit* DiurnalEntryForm::Bind(QLineEdit* field, std::string DiurnalEntryWindow::*member) {
    fields_.push_back({field, member});
    connect(field, &QLineEdit::textEdited, this,
            [this, member](const QString& text) { entry_.*member = text.toStdString(); });
    return field;
}

void DiurnalEntryForm::ShowRecord() {
    for (const BoundField& bound : fields_) {
        const QString text = QString::fromStdString(entry_.*bound.member);
        if (bound.field->text() != text) {
            bound.field->setText(text);
        }
    }
    (entry_.optDiurnalPM ? optDiurnalPM_ : optDiurnalAM_)->setChecked(true);
    (entry_.optDiurnalEast ? optDiurnalEast_ : optDiurnalWest_)->setChecked(true);
    (entry_.optDiurnalSouth ? optDiurnalSouth_ : optDiurnalNorth_)->setChecked(true);
    chk2ndPerson_->setChecked(entry_.chk2ndPerson);
    chk2ndPerson_->setText(QString::fromStdString(entry_.chk2ndPersonCaption));
    chkNatOrNow_->setChecked(entry_.chkNatOrNow);
}

void DiurnalEntryForm::txtDiurnalHour_Change() {
    OnHourChanged(entry_.txtDiurnalHour, entry_.optDiurnalPM, workstation_.platform(), true);
    ShowRecord();
}

void DiurnalEntryForm::optDiurnalEast_Click() {
    entry_.txtDiurnalTZ = ZoneForEast(entry_.txtDiurnalTZ);
    ShowRecord();
}

void DiurnalEntryForm::optDiurnalWest_Click() {
    entry_.txtDiurnalTZ = ZoneForWest(entry_.txtDiurnalTZ);
    ShowRecord();
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
