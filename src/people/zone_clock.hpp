// The present moment on the home clock: the platform gives universal time,
// the options give the home zone in hours west of Greenwich.
#pragma once

#include "base/options.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// A universal instant as the clock of a zone `zoneHoursWest` hours west of
// Greenwich shows it (5 for New York, -1 for Berlin); the date follows
// across midnight, month and year ends. A zone no clock keeps (an options
// file gone wrong) shifts nothing: the entry check refuses it once it
// stands in the zone field.
LocalDateTime ZoneClockTime(const LocalDateTime& universal, double zoneHoursWest);

// The present moment on the clock of the home zone of the options.
LocalDateTime HomeClockNow(const Platform& platform, const OptionTable& options);

}  // namespace solvaris
