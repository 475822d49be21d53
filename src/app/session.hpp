// The one owner of the process-wide state; main creates it, tests make their
// own.
#pragma once

#include <filesystem>

#include "aspects/orb_table.hpp"
#include "base/options.hpp"
#include "base/settings.hpp"
#include "chart/birth_data.hpp"
#include "chart/chart_kinds.hpp"
#include "chart/chart_store.hpp"
#include "chart/returns.hpp"
#include "people/entry_zone.hpp"
#include "reports/report_buffer.hpp"

namespace solvaris {

struct Session {
    std::filesystem::path folder;  // the program folder
    Settings settings;
    OptionTable options;
    ChartStore charts;
    BirthData natal;
    BirthData diurnal;
    std::int16_t ageYears = 0;
    std::int16_t lastBirthdayYear = 0;
    ReturnSearch returnSearch;
    ReportBuffer reports;
    // The diurnal window's second-person mode at the last computation.
    bool secondPerson = false;
    std::string secondPersonName;
    WheelSetup wheel;            // what the last Wheels command prepared
    std::string currentOrbFile;  // the orb file in force, a full path
    // The orbs last loaded from an orb file: a short or unreadable file
    // leaves the entries it does not reach as they were.
    OrbTable orbTable{};
    // The natal zone as last filled from the tz database, and its rule when
    // the last chart was computed with it (shown after the natal report).
    ZoneRuleNote natalZoneNote;
    std::string natalZoneRule;
};

}  // namespace solvaris
