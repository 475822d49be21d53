#include "people/record_date.hpp"

#include <array>
#include <cctype>
#include <string>
#include <vector>

#include "base/number_text.hpp"

namespace solvaris {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"jan", "feb", "mar", "apr", "may", "jun",
                                                          "jul", "aug", "sep", "oct", "nov", "dec"};

// 1 to 12 for a month name of at least three letters, 0 otherwise.
int MonthOfName(std::string token) {
    if (token.size() < 3) {
        return 0;
    }
    for (char& c : token) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (std::size_t m = 0; m < kMonthNames.size(); ++m) {
        if (token.compare(0, 3, kMonthNames[m]) == 0) {
            return static_cast<int>(m) + 1;
        }
    }
    return 0;
}

std::vector<std::string> Tokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::string current;
    for (char c : text) {
        if (c == ' ' || c == '/' || c == '-' || c == '.' || c == ',' || c == '\t') {
            if (!current.empty()) {
                tokens.push_back(std::move(current));
                current.clear();
            }
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        tokens.push_back(std::move(current));
    }
    return tokens;
}

std::optional<int> Whole(const std::string& token) {
    const auto value = ParseInteger(token);
    if (!value || token.size() > 5 || *value < 0) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

}  // namespace

std::optional<RecordDate> ParseRecordDate(std::string_view text, DateOrder order) {
    const std::vector<std::string> t = Tokens(text);
    if (t.size() != 3) {
        return std::nullopt;
    }
    const bool yearFirst = t[0].size() >= 3 && !MonthOfName(t[0]);
    std::optional<int> year, month, day;
    if (const int named = MonthOfName(t[1])) {
        month = named;
        year = Whole(yearFirst ? t[0] : t[2]);
        day = Whole(yearFirst ? t[2] : t[0]);
    } else if (const int first = MonthOfName(t[0])) {
        month = first;
        day = Whole(t[1]);
        year = Whole(t[2]);
    } else if (yearFirst || order == DateOrder::YearMonthDay) {
        year = Whole(t[0]);
        month = Whole(t[1]);
        day = Whole(t[2]);
    } else {
        const bool dayFirst = order == DateOrder::DayMonthYear;
        day = Whole(dayFirst ? t[0] : t[1]);
        month = Whole(dayFirst ? t[1] : t[0]);
        year = Whole(t[2]);
    }
    if (!year || !month || !day || *year < 1 || *year > 9999 || *month < 1 || *month > 12 ||
        *day < 1 || *day > DaysInMonth(*year, *month)) {
        return std::nullopt;
    }
    return RecordDate{*year, *month, *day};
}

}  // namespace solvaris
