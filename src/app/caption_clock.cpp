#include "app/caption_clock.hpp"

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

std::string MainWindowCaption(const LocalDateTime& present, bool twelveHourClock,
                              const OptionTable& options) {
    return TitleText(options) + FormatDate(present.year, present.month, present.day) + "     " +
           ClockTimeText(present, twelveHourClock);
}

}  // namespace solvaris
