// The commands of the Data menu, each as the menu runs it (heading, report,
// ShowReport), under the name the command line gives it.
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

// Every report of the menu except the ephemeris and the planetary hours,
// which need their own windows, in menu order.
const std::vector<ReportCommand>& DataMenuCommands();

}  // namespace solvaris
