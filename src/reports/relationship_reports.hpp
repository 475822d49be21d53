// The relationship charts of the natal person and the second person as
// data reports: the composite chart and the Davison chart, each with the
// method it was drawn by, its cusps and its positions.
#pragma once

#include "reports/report_context.hpp"

namespace solvaris {

// Each shows a message box and no report when the chart cannot be cast.
void CompositeReport(ReportContext& ctx);
void DavisonReport(ReportContext& ctx);

}  // namespace solvaris
