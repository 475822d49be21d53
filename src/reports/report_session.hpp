// The part of the session a report reads and writes: the program folder, the
// options, the charts, the birth data and the report buffer. The whole
// session stands above the reports and extends this record.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "base/options.hpp"
#include "chart/birth_data.hpp"
#include "chart/chart_store.hpp"
#include "engine/ephemeris.hpp"
#include "reports/report_buffer.hpp"

namespace solvaris {

struct ReportSession {
    std::filesystem::path folder;  // the program folder
    OptionTable options;
    ChartStore charts;
    BirthData natal;
    BirthData diurnal;
    std::int16_t lastBirthdayYear = 0;
    ReportBuffer reports;
    // The diurnal window's second-person mode at the last computation.
    bool secondPerson = false;
    std::string secondPersonName;
    // The natal zone's tz-database rule when the last chart was computed
    // with it (shown after the natal report).
    std::string natalZoneRule;
    // That zone's database name ("America/New_York"), empty with the rule.
    std::string natalZoneName;
    // Where Swiss Ephemeris looks for its files first (else $SE_EPHE_PATH).
    std::string ephemerisFolder;

    // The engine the options choose now.
    Ephemeris ChosenEphemeris() const {
        return solvaris::ChosenEphemeris(options, ephemerisFolder);
    }
};

}  // namespace solvaris
