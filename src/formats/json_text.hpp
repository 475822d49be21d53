// Small writers of the JSON and CSV files: quoted texts and
// numbers with seven decimals.
#pragma once

#include <string>

#include "base/number_text.hpp"
#include "engine/calendar.hpp"

namespace solvaris {

std::string Quoted(const std::string& text);

// A universal moment in ISO 8601 to the nearest second,
// "2026-12-05T11:15:53+00:00", its date in the calendar dates are entered in
// (Julian before 1582 October 15), so that a date printed reads back as the
// same day.
std::string IsoMomentOfJulianDay(double jd);

// The same moment with its date in the proleptic Gregorian calendar, as
// calendar files are read.
std::string GregorianIsoMomentOfJulianDay(double jd);

// The civil date of a Julian day in the user's order, in the calendar of the
// ISO moment, the year in four digits: "06/15/2026", "06/15/0526".
std::string DateOfJulianDay(double jd, DateOrder order);

inline std::string Number(double v) { return FixedDecimals(v, 7); }

// [v(first), ..., v(last)] of an indexable array.
template <typename Array>
std::string Numbers(const Array& values, int first, int last) {
    std::string text(1, '[');
    for (int i = first; i <= last; ++i) {
        if (i > first) {
            text += ',';
        }
        text += Number(values[i]);
    }
    text += ']';
    return text;
}

// A CSV field: quoted when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text);

}  // namespace solvaris
