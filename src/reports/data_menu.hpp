// The commands of the Data menu that write position reports, each as the
// menu runs it (heading, report, ShowReport), under the name the command
// line gives it.
#pragma once

#include <string_view>
#include <vector>

#include "reports/report_context.hpp"

namespace solvaris {

struct ReportCommand {
    std::string_view name;      // "natal", "summary", ...
    std::string_view menuItem;  // "mnuDataNatalData", ...
    void (*run)(ReportContext&);
};

// The position reports: natal, summary, progression-data, solar-arc-data,
// transit-data.
const std::vector<ReportCommand>& PositionReportCommands();

}  // namespace solvaris
