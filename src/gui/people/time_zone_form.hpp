// TimeZone, the time-zone window: the zones of TZ.DAT; a click (or an
// arrow key) puts the zone into the time-zone field of the entry window
// that opened it ("TZ Help"), East selected for a negative zone. Beside
// them, a search over the tz database's zone names by words: a click fills
// the offset that held at the caller's typed date and time, and a line
// names the rule.
#pragma once

#include <QWidget>
#include <vector>

#include "people/place_fields.hpp"
#include "people/time_zones.hpp"

class QLabel;
class QLineEdit;
class QListWidgetItem;

namespace solvaris {

class ListBox;
class Workstation;

class TimeZoneForm : public QWidget {
    Q_OBJECT
public:
    // The window serves `caller`, the place fields of InputD or InputD1;
    // it is discarded when closed.
    TimeZoneForm(Workstation& workstation, EntryFields& caller, QWidget* parent = nullptr);

    // "TZ Help" of another entry window while this one is open.
    void SetCaller(EntryFields& caller) { caller_ = &caller; }
    const Workstation& workstation() const { return workstation_; }

private:
    void lstTimeZones_Click(QListWidgetItem* item);
    void txtZoneSearch_Change();
    void lstZoneNames_Click(QListWidgetItem* item);
    void Command1_Click();

    Workstation& workstation_;
    EntryFields* caller_;
    std::vector<TimeZoneRecord> zones_;
    ListBox* lstTimeZones_;
    QLineEdit* txtZoneSearch_;
    ListBox* lstZoneNames_;
    QLabel* lblZoneRule_;
};

// "TZ Help" of an entry window: the one time-zone window of the
// workstation, made or raised, now serving that window.
TimeZoneForm& ShowTimeZoneWindow(Workstation& workstation, EntryFields& caller);

}  // namespace solvaris
