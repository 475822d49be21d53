// What the natal and diurnal entry windows hold, toolkit-free: one member per
// control, named after it. The windows only bind their controls to these.
#pragma once

#include <string>

namespace solvaris {

// InputD, "Natal Input Data". Option-button pairs are one flag each: optPM
// false means optAM is checked, optEast false means optWest, optSouth false
// means optNorth.
struct NatalEntryWindow {
    std::string txtName;
    std::string txtMonth;
    std::string txtDay;
    std::string txtYear;
    std::string txtBirthHour;
    std::string txtBirthMinute;
    bool optPM = false;
    std::string txtTZ;
    std::string txtLongDeg;
    std::string txtLongMin;
    bool optEast = false;
    std::string txtLatDeg;
    std::string txtLatMin;
    bool optSouth = false;
};

// InputD1, "Diurnal Input Data": the transit moment and the present place,
// or a second person's birth data.
struct DiurnalEntryWindow {
    std::string txtDiurnalMonth;
    std::string txtDiurnalDay;
    std::string txtDiurnalYear;
    std::string txtDiurnalHour;
    std::string txtDiurnalMinute;
    bool optDiurnalPM = false;
    std::string txtDiurnalTZ;
    std::string txtDiurnalLongDeg;
    std::string txtDiurnalLongMin;
    bool optDiurnalEast = false;
    std::string txtDiurnalLatDeg;
    std::string txtDiurnalLatMin;
    bool optDiurnalSouth = false;
    bool chk2ndPerson = false;
    std::string chk2ndPersonCaption = "2nd Person";
    bool chkNatOrNow = false;
};

}  // namespace solvaris
