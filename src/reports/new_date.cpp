#include "reports/new_date.hpp"

#include "base/lenient_number.hpp"
#include "engine/calendar.hpp"

namespace solvaris {

NewDateWindow NewDateFieldsOf(double dayNumber) {
    const CivilDate date = CalendarDateOfDayNumber(dayNumber);
    return {std::to_string(date.month), std::to_string(date.day), std::to_string(date.year)};
}

std::optional<double> NewDateDayNumber(const NewDateWindow& window, Platform& platform) {
    const auto month = WholeFieldIn(window.txtMonth, 1, 12);
    const auto day = WholeFieldIn(window.txtDay, 1, 31);
    const auto year = WholeFieldIn(window.txtYear, 1, 2099);
    if (!month || !day || !year) {
        platform.ShowMessage(kNewDateError, "Warning!", MessageIcon::Information);
        return std::nullopt;
    }
    return JulianDayNumber(*year, *month, *day);
}

}  // namespace solvaris
