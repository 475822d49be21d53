#include "cli/iso_date.hpp"

#include "base/number_text.hpp"

namespace solvaris {

std::optional<CivilDate> ParseIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = ParseInteger(std::string_view(text).substr(0, 4));
    const auto month = ParseInteger(std::string_view(text).substr(5, 2));
    const auto day = ParseInteger(std::string_view(text).substr(8, 2));
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1) {
        return std::nullopt;
    }
    const CivilDate date{static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day)};
    if (date.day > DaysInMonth(date.year, date.month) ||
        (date.year == 1582 && date.month == 10 && date.day > 4 && date.day < 15)) {
        return std::nullopt;
    }
    return date;
}

}  // namespace solvaris
