#include "reports/new_date.hpp"

#include "base/lenient_number.hpp"
#include "engine/calendar.hpp"
#include "reports/ephemeris_entry.hpp"

namespace solvaris {

namespace {

// A field's whole number when it lies within [low, high].
std::optional<int> FieldIn(const std::string& text, int low, int high) {
    if (text.empty()) {
        return std::nullopt;
    }
    const double value = LenientNumber(text);
    if (value < low || value > high) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace

NewDateWindow NewDateFieldsOf(double dayNumber) {
    const CivilDate date = CalendarDateOfDayNumber(dayNumber);
    return {std::to_string(date.month), std::to_string(date.day), std::to_string(date.year)};
}

std::optional<double> NewDateDayNumber(const NewDateWindow& window, Platform& platform) {
    const auto month = FieldIn(window.txtMonth, 1, 12);
    const auto day = FieldIn(window.txtDay, 1, 31);
    const auto year = FieldIn(window.txtYear, 1, 2099);
    if (!month || !day || !year) {
        platform.ShowMessage(kNewDateError, "Warning!", MessageIcon::Information);
        return std::nullopt;
    }
    return JulianDayNumber(*year, *month, *day);
}

}  // namespace solvaris
