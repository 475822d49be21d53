// The one owner of the process-wide state; main creates it, tests make their
// own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "aspects/orb_table.hpp"
#include "base/settings.hpp"
#include "chart/chart_kinds.hpp"
#include "chart/returns.hpp"
#include "people/atlas.hpp"
#include "people/entry_zone.hpp"
#include "reports/report_session.hpp"

namespace solvaris {

// The reports' part (folder, options, charts, birth data, report buffer) and
// what only the windows and commands above them keep.
struct Session : ReportSession {
    Settings settings;
    std::int16_t ageYears = 0;
    ReturnSearch returnSearch;
    WheelSetup wheel;            // what the last Wheels command prepared
    std::string currentOrbFile;  // the orb file in force, a full path
    // The orbs last loaded from an orb file: a short or unreadable file
    // leaves the entries it does not reach as they were.
    OrbTable orbTable{};
    // The natal zone as last filled from the tz database.
    ZoneRuleNote natalZoneNote;
    // The world atlas once a window searched it (app/session_atlas.hpp).
    std::shared_ptr<const Atlas> atlas;
};

}  // namespace solvaris
