#include "gui/entry/entry_fields_grid.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "gui/common/workstation.hpp"
#include "gui/entry/entry_controls.hpp"
#include "gui/people/atlas_exchange_form.hpp"
#include "gui/people/time_zone_form.hpp"
#include "people/entry_keys.hpp"

namespace solvaris {

EntryFieldsGrid::EntryFieldsGrid(Workstation& workstation, EntryFields& fields,
                                 const EntryControlNames& n, QGridLayout& grid, int firstRow,
                                 QWidget& window)
    : workstation_(workstation), fields_(fields), diurnal_(n.diurnal) {
    const auto add = [&](const EntryControlNames::Field& f, int row, int column, int widthChars,
                         std::string EntryFields::*member) {
        QLineEdit* field =
            AddEntryField(grid, f.name, f.caption, firstRow + row, column, widthChars);
        Bind(field, member);
        return field;
    };
    add(n.month, 0, 0, 2, &EntryFields::month);
    add(n.day, 0, 2, 2, &EntryFields::day);
    add(n.year, 0, 4, 4, &EntryFields::year);
    QLineEdit* hour = add(n.hour, 1, 0, 2, &EntryFields::hour);
    add(n.minute, 1, 2, 4, &EntryFields::minute);
    const OptionPair meridiem =
        AddOptionPair(grid, "Am/Pm", n.am, "A.M.", n.pm, "P.M.", firstRow + 1, 4);
    add(n.zone, 2, 0, 4, &EntryFields::zone);
    add(n.longDeg, 3, 0, 3, &EntryFields::longDeg);
    add(n.longMin, 3, 2, 2, &EntryFields::longMin);
    const OptionPair hemisphere =
        AddOptionPair(grid, "Ea/We", n.east, "East", n.west, "West", firstRow + 3, 4);
    add(n.latDeg, 4, 0, 2, &EntryFields::latDeg);
    add(n.latMin, 4, 2, 2, &EntryFields::latMin);
    const OptionPair latitude =
        AddOptionPair(grid, "No/So", n.north, "North", n.south, "South", firstRow + 4, 4);
    AddLink(grid, "Label1", "TZ Help", firstRow + 2, 2,
            [this](QLabel&) { ShowTimeZoneWindow(workstation_, fields_); });
    AddLink(grid, "Label2", "ACS Atlas", firstRow + 2, 4,
            [this](QLabel& link) { RunAtlasFor(workstation_, fields_, link); });
    am_ = meridiem.first;
    pm_ = meridiem.second;
    east_ = hemisphere.first;
    west_ = hemisphere.second;
    north_ = latitude.first;
    south_ = latitude.second;

    QObject::connect(hour, &QLineEdit::textEdited, &window, [this] { Hour_Change(); });
    QObject::connect(pm_, &QRadioButton::toggled, &window, [this](bool on) { fields_.pm = on; });
    QObject::connect(east_, &QRadioButton::toggled, &window,
                     [this](bool on) { fields_.east = on; });
    QObject::connect(south_, &QRadioButton::toggled, &window,
                     [this](bool on) { fields_.south = on; });
    QObject::connect(east_, &QRadioButton::clicked, &window, [this] { East_Click(); });
    QObject::connect(west_, &QRadioButton::clicked, &window, [this] { West_Click(); });
}

void EntryFieldsGrid::Bind(QLineEdit* field, std::string EntryFields::*member) {
    bound_.push_back({field, member});
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [this, member](const QString& text) { fields_.*member = text.toStdString(); });
}

void EntryFieldsGrid::ShowRecord() {
    for (const BoundField& b : bound_) {
        const QString text = QString::fromStdString(fields_.*b.member);
        if (b.field->text() != text) {
            b.field->setText(text);
        }
    }
    (fields_.pm ? pm_ : am_)->setChecked(true);
    (fields_.east ? east_ : west_)->setChecked(true);
    (fields_.south ? south_ : north_)->setChecked(true);
}

void EntryFieldsGrid::Hour_Change() {
    OnHourChanged(fields_.hour, fields_.pm, workstation_.platform(), diurnal_);
    ShowRecord();
}

void EntryFieldsGrid::East_Click() {
    fields_.zone = ZoneForEast(fields_.zone);
    ShowRecord();
}

void EntryFieldsGrid::West_Click() {
    fields_.zone = ZoneForWest(fields_.zone);
    ShowRecord();
}

}  // namespace solvaris
