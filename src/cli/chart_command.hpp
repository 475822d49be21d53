// `solvaris chart`: the whole chart store of one computation as JSON.
#pragma once

#include <ostream>

#include "app/session.hpp"
#include "cli/birth_options.hpp"
#include "cli/command_run.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

inline constexpr const char* kChartUsage =
    "solvaris chart [birth options] [--composite|--davison] [--format json] [--harmonic N]";

// The options, and the command run with them: kExitDone, or
// kExitRefusedData when the data are refused.
CommandRun DeclareChartCommand(CLI::App& app);

// The store and the chart-wide values as one JSON object; with the zones
// found by name for --tz and --diurnal-tz, the rules they stood for.
// `extraMembers` (",\"composite\":{...}") stands before the closing brace.
void WriteChartJson(const Session& session, std::ostream& out,
                    const BirthOptions* zonesFound = nullptr, std::string_view extraMembers = {});

// A set's longitudes, declinations, right ascensions, retrograde marks,
// houses, cusps and sidereal time, and its points by name, as one object.
std::string PointSetJson(const PointSet& set, const CuspSet& cusps, const ChartTexts& texts,
                         bool plutoOutside);

}  // namespace solvaris
