// The data window's More menu: Forward and Backward step the transit
// interpretations a day at a time while they are shown, else the ephemeris
// a page at a time.
#pragma once

#include "chart/house_system.hpp"
#include "people/entry_fields.hpp"
#include "reports/ephemeris_report.hpp"
#include "reports/report_context.hpp"

namespace solvaris {

enum class StepDirection { Forward, Backward };

// False when nothing was reported: neither report has run, or the
// ephemeris fields failed their checks (their message shown).
bool StepReport(ReportContext& ctx, NatalEntryWindow& natal, HouseSystem& houseSystem,
                EphemerisPaging& paging, StepDirection direction);

}  // namespace solvaris
