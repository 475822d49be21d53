#include "people/zone_clock.hpp"

#include <chrono>
#include <cmath>

#include "base/option_numbers.hpp"

namespace solvaris {

LocalDateTime ZoneClockTime(const LocalDateTime& universal, double zoneHoursWest) {
    using namespace std::chrono;
    if (!(std::fabs(zoneHoursWest) <= 24)) {
        zoneHoursWest = 0;
    }
    const sys_days utDay{year{universal.year} / universal.month / universal.day};
    const sys_seconds instant = utDay + hours{universal.hour} + minutes{universal.minute} +
                                seconds{universal.second} -
                                seconds{std::llround(zoneHoursWest * 3600)};
    const sys_days localDay = floor<days>(instant);
    const year_month_day date{localDay};
    const hh_mm_ss<seconds> clock{instant - localDay};
    return {static_cast<int>(date.year()),
            static_cast<int>(unsigned(date.month())),
            static_cast<int>(unsigned(date.day())),
            static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count()),
            static_cast<int>(clock.seconds().count())};
}

LocalDateTime HomeClockNow(const Platform& platform, const OptionTable& options) {
    return ZoneClockTime(platform.Now(), options(opt::HomeZone));
}

}  // namespace solvaris
