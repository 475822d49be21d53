#include "gui/entry/natal_entry_form.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/common/workstation.hpp"
#include "gui/controls/named_button.hpp"
#include "gui/entry/entry_controls.hpp"
#include "gui/people/atlas_exchange_form.hpp"
#include "gui/people/time_zone_form.hpp"
#include "people/entry_keys.hpp"
#include "people/entry_rules.hpp"
#include "people/place_fields.hpp"

namespace solvaris {

NatalEntryForm::NatalEntryForm(Workstation& workstation, QWidget* parent)
    : QWidget(parent, Qt::Window), workstation_(workstation), entry_(workstation.natalEntry) {
    setObjectName("InputD");
    setWindowTitle("Natal Input Data");
    auto* grid = new QGridLayout(this);

    Bind(AddEntryField(*grid, "txtName", "Name", 0, 0, 0, 5), &NatalEntryWindow::txtName);
    Bind(AddEntryField(*grid, "txtMonth", "Birth Month", 1, 0, 2), &NatalEntryWindow::txtMonth);
    Bind(AddEntryField(*grid, "txtDay", "Birth Day", 1, 2, 2), &NatalEntryWindow::txtDay);
    Bind(AddEntryField(*grid, "txtYear", "Birth Year", 1, 4, 4), &NatalEntryWindow::txtYear);
    QLineEdit* txtBirthHour = Bind(AddEntryField(*grid, "txtBirthHour", "Birth Hour", 2, 0, 2),
                                   &NatalEntryWindow::txtBirthHour);
    Bind(AddEntryField(*grid, "txtBirthMinute", "Birth Minute", 2, 2, 4),
         &NatalEntryWindow::txtBirthMinute);
    const OptionPair meridiem =
        AddOptionPair(*grid, "Am/Pm", "optAM", "A.M.", "optPM", "P.M.", 2, 4);
    Bind(AddEntryField(*grid, "txtTZ", "Time Zone . . .", 3, 0, 4), &NatalEntryWindow::txtTZ);
    Bind(AddEntryField(*grid, "txtLongDeg", "Long Degrees", 4, 0, 3),
         &NatalEntryWindow::txtLongDeg);
    Bind(AddEntryField(*grid, "txtLongMin", "Long Minutes", 4, 2, 2),
         &NatalEntryWindow::txtLongMin);
    const OptionPair hemisphere =
        AddOptionPair(*grid, "Ea/We", "optEast", "East", "optWest", "West", 4, 4);
    Bind(AddEntryField(*grid, "txtLatDeg", "Lat Degrees", 5, 0, 2), &NatalEntryWindow::txtLatDeg);
    Bind(AddEntryField(*grid, "txtLatMin", "Lat Minutes", 5, 2, 2), &NatalEntryWindow::txtLatMin);
    const OptionPair latitude =
        AddOptionPair(*grid, "No/So", "optNorth", "North", "optSouth", "South", 5, 4);
    AddLink(*grid, "Label1", "TZ Help", 3, 2,
            [this](QLabel&) { ShowTimeZoneWindow(workstation_, PlaceFieldsOf(entry_)); });
    AddLink(*grid, "Label2", "ACS Atlas", 3, 4,
            [this](QLabel& link) { RunAtlasFor(workstation_, PlaceFieldsOf(entry_), link); });
    optAM_ = meridiem.first;
    optPM_ = meridiem.second;
    optEast_ = hemisphere.first;
    optWest_ = hemisphere.second;
    optNorth_ = latitude.first;
    optSouth_ = latitude.second;

    auto* buttons = new QHBoxLayout;
    grid->addLayout(buttons, 6, 0, 1, 6);
    QPushButton* cmdOK = AddButton(*buttons, "cmdOK", "OK");
    QPushButton* cmdSave = AddButton(*buttons, "cmdSave", "Save to disk");
    QPushButton* cmdNow = AddButton(*buttons, "cmdNow", "Now");
    QPushButton* cmdEphemeris = AddButton(*buttons, "cmdEphemeris", "Ephemeris");
    // Enter presses the button that has the focus; elsewhere in the window
    // it runs OK (keyPressEvent).
    for (QPushButton* button : {cmdOK, cmdSave, cmdNow, cmdEphemeris}) {
        button->setAutoDefault(true);
    }

    connect(txtBirthHour, &QLineEdit::textEdited, this, &NatalEntryForm::txtBirthHour_Change);
    connect(optPM_, &QRadioButton::toggled, this, [this](bool on) { entry_.optPM = on; });
    connect(optEast_, &QRadioButton::toggled, this, [this](bool on) { entry_.optEast = on; });
    connect(optSouth_, &QRadioButton::toggled, this, [this](bool on) { entry_.optSouth = on; });
    connect(optEast_, &QRadioButton::clicked, this, &NatalEntryForm::optEast_Click);
    connect(optWest_, &QRadioButton::clicked, this, &NatalEntryForm::optWest_Click);
    connect(cmdOK, &QPushButton::clicked, this, &NatalEntryForm::cmdOK_Click);
    connect(cmdSave, &QPushButton::clicked, this, &NatalEntryForm::cmdSave_Click);
    connect(cmdNow, &QPushButton::clicked, this, &NatalEntryForm::cmdNow_Click);
    connect(cmdEphemeris, &QPushButton::clicked, this, &NatalEntryForm::cmdEphemeris_Click);
    connect(&workstation_, &Workstation::entryChanged, this, &NatalEntryForm::ShowRecord);
    connect(&workstation_, &Workstation::entryWindowsHidden, this, &QWidget::hide);

    // The window opens on the present moment at the home place.
    FillNow(entry_, workstation_.session().options, workstation_.platform());
    ShowRecord();
}

QLineEdit* NatalEntryForm::Bind(QLineEdit* field, std::string NatalEntryWindow::*member) {
    fields_.push_back({field, member});
    connect(field, &QLineEdit::textEdited, this,
            [this, member](const QString& text) { entry_.*member = text.toStdString(); });
    return field;
}

void NatalEntryForm::ShowRecord() {
    for (const BoundField& bound : fields_) {
        const QString text = QString::fromStdString(entry_.*bound.member);
        if (bound.field->text() != text) {
            bound.field->setText(text);
        }
    }
    (entry_.optPM ? optPM_ : optAM_)->setChecked(true);
    (entry_.optEast ? optEast_ : optWest_)->setChecked(true);
    (entry_.optSouth ? optSouth_ : optNorth_)->setChecked(true);
}

void NatalEntryForm::txtBirthHour_Change() {
    OnHourChanged(entry_.txtBirthHour, entry_.optPM, workstation_.platform(), false);
    ShowRecord();
}

void NatalEntryForm::optEast_Click() {
    entry_.txtTZ = ZoneForEast(entry_.txtTZ);
    ShowRecord();
}

void NatalEntryForm::optWest_Click() {
    entry_.txtTZ = ZoneForWest(entry_.txtTZ);
    ShowRecord();
}

void NatalEntryForm::cmdOK_Click() { workstation_.ComputeNewChart(); }

void NatalEntryForm::keyPressEvent(QKeyEvent* event) {
    if (IsEnterKey(*event)) {
        cmdOK_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void NatalEntryForm::cmdSave_Click() { workstation_.SaveNatalPerson(); }

void NatalEntryForm::cmdNow_Click() {
    FillNow(entry_, workstation_.session().options, workstation_.platform());
    workstation_.AnnounceEntryChanged();
}

void NatalEntryForm::cmdEphemeris_Click() { workstation_.StartEphemeris(); }

void NatalEntryForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    PaintTwoToneBorders(*this);
}

}  // namespace solvaris
