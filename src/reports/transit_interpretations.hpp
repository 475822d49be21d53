// The transit interpretations, one day at a time: the aspects the
// transiting Sun to Pluto make to the natal Sun to Pluto and Moon, each with
// its paragraph from the transiting planet's text file.
#pragma once

#include "reports/report_context.hpp"

namespace solvaris {

// One day's run: the chart store's interpretation day is reported and then
// advanced by one.
void TransitInterpretationsRun(ReportContext& ctx);

// The menu command and the data window's paging: begin, run, show. Forward
// reports the next day, Backward the day before the one shown, NewDate the
// day given (a Julian day number).
void TransitInterpretationsCommand(ReportContext& ctx);
void InterpretationsForward(ReportContext& ctx);
void InterpretationsBackward(ReportContext& ctx);
void InterpretationsNewDate(ReportContext& ctx, double dayNumber);

}  // namespace solvaris
