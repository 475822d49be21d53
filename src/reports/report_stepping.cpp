#include "reports/report_stepping.hpp"

#include "reports/transit_interpretations.hpp"

namespace solvaris {

bool StepReport(ReportContext& ctx, NatalEntryWindow& natal, HouseSystem& houseSystem,
                EphemerisPaging& paging, StepDirection direction) {
    const bool forward = direction == StepDirection::Forward;
    if (ctx.session.reports.interpretationStepping) {
        if (forward) {
            InterpretationsForward(ctx);
        } else {
            InterpretationsBackward(ctx);
        }
        return true;
    }
    // Day numbers of ephemeris pages are far above zero; zero means that
    // no page has been listed.
    if (paging.nextDay <= 0) {
        return false;
    }
    return forward ? EphemerisForward(ctx, natal, houseSystem, paging)
                   : EphemerisBackward(ctx, natal, houseSystem, paging);
}

}  // namespace solvaris
