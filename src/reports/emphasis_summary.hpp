// How the ten bodies of the working set fall over groups of signs
// (cardinal, fire, intellectual, masculine, commanding ...) and groups of
// houses (angular, life, intuition, self, eastern ...): the counts, then
// the members of each group.
#pragma once

#include "reports/report_context.hpp"

namespace solvaris {

void EmphasisSummary(ReportContext& ctx);

}  // namespace solvaris
