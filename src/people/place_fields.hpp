// The place fields of either entry window, so that a pick from the names,
// cities, time-zone or atlas source fills whichever window it serves.
#pragma once

#include <string>

#include "base/number_text.hpp"
#include "people/entry_fields.hpp"

namespace solvaris {

// The date and clock time typed in the same window, which a zone taken from
// the tz database is read for.
struct ClockFields {
    const std::string* month = nullptr;
    const std::string* day = nullptr;
    const std::string* year = nullptr;
    const std::string* hour = nullptr;
    const std::string* minute = nullptr;
    const bool* pm = nullptr;
};

struct PlaceFields {
    std::string* zone;
    std::string* longDeg;
    std::string* longMin;
    bool* east;
    std::string* latDeg;
    std::string* latMin;
    bool* south;
    ClockFields clock;
};

inline PlaceFields PlaceFieldsOf(NatalEntryWindow& w) {
    return {&w.txtTZ,
            &w.txtLongDeg,
            &w.txtLongMin,
            &w.optEast,
            &w.txtLatDeg,
            &w.txtLatMin,
            &w.optSouth,
            {&w.txtMonth, &w.txtDay, &w.txtYear, &w.txtBirthHour, &w.txtBirthMinute, &w.optPM}};
}

inline PlaceFields PlaceFieldsOf(DiurnalEntryWindow& w) {
    return {&w.txtDiurnalTZ,
            &w.txtDiurnalLongDeg,
            &w.txtDiurnalLongMin,
            &w.optDiurnalEast,
            &w.txtDiurnalLatDeg,
            &w.txtDiurnalLatMin,
            &w.optDiurnalSouth,
            {&w.txtDiurnalMonth, &w.txtDiurnalDay, &w.txtDiurnalYear, &w.txtDiurnalHour,
             &w.txtDiurnalMinute, &w.optDiurnalPM}};
}

// A click on a hemisphere button: the button checked and the zone's sign
// made to match (negative East).
void SelectHemisphere(const PlaceFields& place, bool east);

}  // namespace solvaris
