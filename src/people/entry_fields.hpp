// What the natal and diurnal entry windows hold, toolkit-free. Both windows
// hold the same moment and place; the windows only bind their controls to
// these members.
#pragma once

#include <string>

namespace solvaris {

// A date, a local clock time and a place as typed. Option-button pairs are
// one flag each: pm false means A.M., east false means West, south false
// means North.
struct EntryFields {
    std::string month;
    std::string day;
    std::string year;
    std::string hour;
    std::string minute;
    bool pm = false;
    std::string zone;  // hours, west positive
    std::string longDeg;
    std::string longMin;
    bool east = false;
    std::string latDeg;
    std::string latMin;
    bool south = false;
    // The zone text last filled from the tz database: while the field holds
    // it, it may be any offset the database gives (Kiritimati's -14).
    std::string zoneFromDatabase = {};
};

// InputD, "Natal Input Data": the person's name and birth.
struct NatalEntryWindow {
    std::string txtName;
    EntryFields fields;
};

// InputD1, "Diurnal Input Data": the transit moment and the present place,
// or a second person's birth data.
struct DiurnalEntryWindow {
    EntryFields fields;
    bool chk2ndPerson = false;
    std::string chk2ndPersonCaption = "2nd Person";
    bool chkNatOrNow = false;
};

}  // namespace solvaris
