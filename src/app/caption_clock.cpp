#include "app/caption_clock.hpp"

#include <chrono>
#include <cmath>

#include "base/format_pattern.hpp"
#include "base/options.hpp"

namespace solvaris {

std::string ClockTimeText(const LocalDateTime& present, bool twelveHourClock) {
    const std::string minutesAndSeconds =
        ":" + FormatNumber(present.minute, "00") + ":" + FormatNumber(present.second, "00");
    if (!twelveHourClock) {
        return FormatNumber(present.hour, "00") + minutesAndSeconds;
    }
    const int hour12 = present.hour % 12 == 0 ? 12 : present.hour % 12;
    return FormatNumber(hour12, "#0") + minutesAndSeconds + (present.hour >= 12 ? " PM" : " AM");
}

std::string MainWindowCaption(const LocalDateTime& present, bool twelveHourClock) {
    return TitleText() + FormatDate(present.year, present.month, present.day) + "     " +
           ClockTimeText(present, twelveHourClock);
}

LocalDateTime ZoneClockTime(const LocalDateTime& universal, double zoneHoursWest) {
    using namespace std::chrono;
    const sys_days day = year_month_day{year{universal.year}, month{unsigned(universal.month)},
                                        std::chrono::day{unsigned(universal.day)}};
    const auto shift = seconds{std::lround(zoneHoursWest * 3600.0)};
    const sys_seconds instant =
        day + hours{universal.hour} + minutes{universal.minute} + seconds{universal.second} - shift;
    const sys_days localDay = floor<days>(instant);
    const year_month_day date{localDay};
    const hh_mm_ss time{instant - localDay};
    return {int(date.year()),          int(unsigned(date.month())), int(unsigned(date.day())),
            int(time.hours().count()), int(time.minutes().count()), int(time.seconds().count())};
}

}  // namespace solvaris
