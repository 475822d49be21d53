#include "reports/extra_point_lines.hpp"

#include "base/option_numbers.hpp"
#include "chart/house_cusps.hpp"
#include "engine/positions.hpp"
#include "reports/position_format.hpp"

namespace solvaris {

void ExtraPointLines(ReportContext& ctx) {
    const ChartStore& charts = ctx.session.charts;
    if (ctx.session.options(opt::ExtraPoints) != 1) {
        return;
    }
    ctx.Blank();
    for (const ExtraPlace& place : charts.natal.extraPoints) {
        const bool backward = DailyMotion(place.longitude, place.nextDayLongitude) < 0;
        const int slot = HouseSlotOf(place.longitude, charts.natal.cusps);
        ctx.Line("  " + LongitudeDMS(place.longitude) + "   " +
                 std::string(NameOf(place.point).reportName) + (backward ? "R    " : "     ") +
                 "(" + std::string(slot == 0 ? "    " : HouseLabel(slot)) + " HOUSE)    " +
                 DeclinationDM(place.declination));
    }
}

}  // namespace solvaris
