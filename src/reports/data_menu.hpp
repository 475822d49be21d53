// The commands of the Data menu, each as the menu runs it (heading, report,
// ShowReport), under the name the command line gives it.
#pragma once

#include <string_view>
#include <vector>

#include "reports/report_context.hpp"

namespace solvaris {

// The reports of the Data menu, in the order the command line lists them.
enum class DataReport {
    Natal,
    NatalAspects,
    Summary,
    ProgressionData,
    ProgressionAspectsNatal,
    ProgressionAspectsProgressed,
    ProgressionParallelsProgressed,
    ProgressionMoonAspectsNatal,
    ProgressionMoonAspectsProgressed,
    ProgressionMoonParallelsNatal,
    SolarArcData,
    SolarArcAspectsNatal,
    TransitData,
    TransitAspectsNatal,
    TransitAspectsProgressed,
    TransitAspectsSolarArc,
    TransitAspectsTransits,
    Lunations,
    Interpretations,
    // The relationship charts of the natal person and the second person.
    Composite,
    Davison,
    Midpoints,
    Harmonic,
};

struct ReportCommand {
    DataReport report;
    std::string_view name;         // "natal", "summary", ...
    std::string_view menuItem;     // "mnuDataNatalData", ...
    std::string_view menuCaption;  // "&Data": the "&" marks the access key
    void (*run)(ReportContext&);
};

// Every report of the menu except the ephemeris and the planetary hours,
// which need their own windows, in DataReport's order.
const std::vector<ReportCommand>& DataMenuCommands();

const ReportCommand& DataMenuCommand(DataReport report);

}  // namespace solvaris
