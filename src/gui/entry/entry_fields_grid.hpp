// The date, clock time and place rows that InputD and InputD1 share: built
// under the window's own control names and bound to its EntryFields, with
// the hour field's rule, the hemisphere buttons and the "TZ Help" and "ACS
// Atlas" links.
#pragma once

#include <string>
#include <vector>

#include "people/entry_fields.hpp"

class QGridLayout;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace solvaris {

class Workstation;

// One window's control names and captions, in the order of EntryFields.
struct EntryControlNames {
    struct Field {
        const char* name;
        const char* caption;
    };
    Field month, day, year, hour, minute;
    const char *am, *pm;
    Field zone, longDeg, longMin;
    const char *east, *west;
    Field latDeg, latMin;
    const char *north, *south;
    bool diurnal;  // which window's message an empty hour field shows
};

class EntryFieldsGrid {
public:
    // Five rows from `firstRow`: date; time and Am/Pm; zone and the links;
    // longitude and Ea/We; latitude and No/So. Every edit goes into
    // `fields` at once.
    EntryFieldsGrid(Workstation& workstation, EntryFields& fields, const EntryControlNames& names,
                    QGridLayout& grid, int firstRow, QWidget& window);

    // The controls show `fields` again after someone else changed them.
    void ShowRecord();

private:
    void Bind(QLineEdit* field, std::string EntryFields::*member);
    void Hour_Change();
    void East_Click();
    void West_Click();

    struct BoundField {
        QLineEdit* field;
        std::string EntryFields::*member;
    };

    Workstation& workstation_;
    EntryFields& fields_;
    bool diurnal_;
    std::vector<BoundField> bound_;
    QRadioButton* am_ = nullptr;
    QRadioButton* pm_ = nullptr;
    QRadioButton* east_ = nullptr;
    QRadioButton* west_ = nullptr;
    QRadioButton* north_ = nullptr;
    QRadioButton* south_ = nullptr;
};

}  // namespace solvaris
