// The options of `solvaris report`: which report, the options only some
// reports read, and the birth options; an option typed for a report that
// never reads it is refused.
#pragma once

#include <string>
#include <string_view>

#include "chart/chart_kinds.hpp"
#include "cli/birth_options.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

struct ReportRequest {
    BirthOptionTexts birth;
    std::string name;
    bool crlf = false;
    std::string orbs;
    std::string days;   // interpretations
    std::string pages;  // ephemeris
    bool noon = false;
    bool codes = false;  // aspect grid: glyph codes, not symbols
    std::string wheel;
    std::string harmonic;
};

void DeclareReportOptions(CLI::App& app, ReportRequest& request);

// An option typed for a report that never reads it: empty when none was,
// else why it is refused.
std::string UnreadOption(const ReportRequest& request);

// --pages or --days as a number, 1 when not given.
int Count(const std::string& typed);

// The chart of --wheel, the natal one when not given.
WheelKind WheelOf(const ReportRequest& request);

// The one report that reads an orb file (the others take their orbs from
// the options or use fixed ones).
inline constexpr std::string_view kOrbFileReport = "aspect-grid";

}  // namespace solvaris
