// The date field of a names-file record: "05 Dec 1950" as written, and the
// other forms a hand-edited file may hold ("1950 Dec 05", "12/5/1950" in the
// user's date order, "1950-12-05").
#pragma once

#include <optional>
#include <string_view>

#include "engine/calendar.hpp"

namespace solvaris {

struct RecordDate {
    int year;
    int month;
    int day;
};

// Nothing when the text is not a date of the calendar.
std::optional<RecordDate> ParseRecordDate(std::string_view text, DateOrder order);

}  // namespace solvaris
