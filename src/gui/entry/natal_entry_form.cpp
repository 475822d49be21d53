#include "gui/entry/natal_entry_form.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "gui/common/workstation.hpp"
#include "gui/controls/named_button.hpp"
#include "gui/entry/entry_controls.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

namespace {

constexpr EntryControlNames kNatalControls{
    {"txtMonth", "Birth Month"},
    {"txtDay", "Birth Day"},
    {"txtYear", "Birth Year"},
    {"txtBirthHour", "Birth Hour"},
    {"txtBirthMinute", "Birth Minute"},
    "optAM",
    "optPM",
    {"txtTZ", "Time Zone . . ."},
    {"txtLongDeg", "Long Degrees"},
    {"txtLongMin", "Long Minutes"},
    "optEast",
    "optWest",
    {"txtLatDeg", "Lat Degrees"},
    {"txtLatMin", "Lat Minutes"},
    "optNorth",
    "optSouth",
    false,
};

}  // namespace

NatalEntryForm::NatalEntryForm(Workstation& workstation, QWidget* parent)
    : QWidget(parent, Qt::Window), workstation_(workstation), entry_(workstation.natalEntry) {
    setObjectName("InputD");
    setWindowTitle("Natal Input Data");
    auto* grid = new QGridLayout(this);
    txtName_ = AddEntryField(*grid, "txtName", "Name", 0, 0, 0, 5);
    connect(txtName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { entry_.txtName = text.toStdString(); });
    grid_.emplace(workstation, entry_.fields, kNatalControls, *grid, 1, *this);

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

    connect(cmdOK, &QPushButton::clicked, this, &NatalEntryForm::cmdOK_Click);
    connect(cmdSave, &QPushButton::clicked, this, &NatalEntryForm::cmdSave_Click);
    connect(cmdNow, &QPushButton::clicked, this, &NatalEntryForm::cmdNow_Click);
    connect(cmdEphemeris, &QPushButton::clicked, this, &NatalEntryForm::cmdEphemeris_Click);
    connect(&workstation_, &Workstation::entryChanged, this, &NatalEntryForm::ShowRecord);
    connect(&workstation_, &Workstation::entryWindowsHidden, this, &QWidget::hide);

    // The window opens on the present moment at the home place.
    FillNatalNow(entry_, workstation_.session().options, workstation_.platform());
    ShowRecord();
}

void NatalEntryForm::ShowRecord() {
    const QString name = QString::fromStdString(entry_.txtName);
    if (txtName_->text() != name) {
        txtName_->setText(name);
    }
    grid_->ShowRecord();
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
    FillNatalNow(entry_, workstation_.session().options, workstation_.platform());
    workstation_.AnnounceEntryChanged();
}

void NatalEntryForm::cmdEphemeris_Click() { workstation_.StartEphemeris(); }

void NatalEntryForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    PaintTwoToneBorders(*this);
}

}  // namespace solvaris
