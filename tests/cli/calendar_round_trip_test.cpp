// A date given on the command line is the date printed for the same
// instant, in every command that takes and prints one: Julian before
// 15 October 1582, Gregorian from then; the calendar file alone gives the
// instant in the Gregorian calendar. The day numbers come from the textbook
// counts of both calendars and the Gregorian dates from std::chrono.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <regex>
#include <string>

#include "support/command_outcome.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

struct Date {
    int year, month, day;
};

// Day number of a date as its own calendar counts it.
long long DayNumberOf(const Date& d) {
    const long long y = d.year, m = d.month, day = d.day;
    const bool julian = y * 10000 + m * 100 + day < 15821015;
    if (julian) {
        return 367 * y - 7 * (y + 5001 + (m - 9) / 7) / 4 + 275 * m / 9 + day + 1729777;
    }
    const long long a = (m - 14) / 12;
    return (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
           (3 * ((y + 4900 + a) / 100)) / 4 + day - 32075;
}

// The proleptic Gregorian date of a day number, "YYYYMMDD".
std::string GregorianStamp(long long dayNumber) {
    constexpr long long kUnixEpochDayNumber = 2440588;
    const std::chrono::year_month_day ymd{
        std::chrono::sys_days{std::chrono::days{dayNumber - kUnixEpochDayNumber}}};
    char text[48];
    std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    return text;
}

std::string Iso(const Date& d) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

constexpr const char* kMonths = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";

// "05 DEC 1950" or, title case, "05 Dec 1950".
std::string Written(const Date& d, bool titleCase) {
    std::string month = std::string(kMonths).substr(3 * (d.month - 1), 3);
    if (titleCase) {
        month[1] = static_cast<char>(month[1] - 'A' + 'a');
        month[2] = static_cast<char>(month[2] - 'A' + 'a');
    }
    char text[48];
    std::snprintf(text, sizeof text, "%02d %s %04d", d.day, month.c_str(), d.year);
    return text;
}

int MonthOf(const std::string& abbreviation) {
    std::string upper = abbreviation;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return static_cast<int>(std::string(kMonths).find(upper) / 3) + 1;
}

// The command's words, a birth at Greenwich noon of the day, then `more`.
std::vector<std::string> Birth(std::vector<std::string> words, const Date& d,
                               const std::vector<std::string>& more = {}) {
    words.insert(words.end(), {"--date", Iso(d), "--time", "12:00pm", "--zone", "0", "--lon",
                               "0w00", "--lat", "51n30"});
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

double SunAt(double jd) {
    const Outcome r = RunArgs({"positions", "--jd", std::to_string(jd)});
    const auto at = r.out.find(",SUN,");
    return std::stod(r.out.substr(at + 5));
}

TEST(CalendarRoundTrip, EveryCommandPrintsTheDateItWasGiven) {
    for (const Date d : {Date{100, 6, 15}, Date{1500, 6, 1}, Date{1582, 10, 4}, Date{1582, 10, 15},
                         Date{2000, 2, 29}}) {
        const std::string iso = Iso(d);
        SCOPED_TRACE(iso);
        const long long n = DayNumberOf(d);
        const bool julian = n < DayNumberOf({1582, 10, 15});

        // positions: the first instant is the midnight that begins the day.
        const Outcome positions = RunArgs({"positions", "--from", iso, "--days", "1"});
        ASSERT_EQ(positions.status, 0) << positions.err;
        EXPECT_EQ(std::stod(positions.out.substr(positions.out.find('\n') + 1)), n - 0.5);

        // The natal report and the planetary hours head with the day.
        const Outcome natal = RunArgs(Birth({"report", "natal"}, d));
        ASSERT_EQ(natal.status, 0) << natal.err;
        EXPECT_NE(natal.out.find("  " + Written(d, true) + " "), std::string::npos);
        const Outcome hours = RunArgs(Birth({"planetary-hours"}, d));
        ASSERT_EQ(hours.status, 0) << hours.err;
        EXPECT_EQ(hours.out.substr(hours.out.find(" - ") + 3, 11), Written(d, true));

        // The timeline of that day: heading, every line, JSON and CSV moments;
        // the calendar file's starts are the Gregorian dates of the same day.
        const auto timeline = [&](const char* format) {
            return RunArgs(
                Birth({"timeline"}, d,
                      {"--from", iso, "--to", iso, "--transits", "--moon", "--format", format}));
        };
        const Outcome text = timeline("text");
        ASSERT_EQ(text.status, 0) << text.err;
        EXPECT_NE(text.out.find(" - " + Written(d, false) + " to " + Written(d, false) + "\n"),
                  std::string::npos);
        EXPECT_EQ(text.out.find("NOTE: dates before 15 OCT 1582") != std::string::npos, julian);
        const std::regex line("\n  (\\d\\d [A-Z]{3} \\d{4}) \\d\\d:\\d\\d  ");
        int lines = 0;
        for (std::sregex_iterator it(text.out.begin(), text.out.end(), line), end; it != end;
             ++it, ++lines) {
            EXPECT_EQ((*it)[1], Written(d, false));
        }
        EXPECT_GT(lines, 0);
        for (const char* format : {"json", "csv"}) {
            const Outcome machine = timeline(format);
            ASSERT_EQ(machine.status, 0) << machine.err;
            const std::regex ut(std::string(format) == "json" ? "\"ut\":\"([0-9-]{10})T"
                                                              : "\n[a-z-]+,([0-9-]{10})T");
            int moments = 0;
            for (std::sregex_iterator it(machine.out.begin(), machine.out.end(), ut), end;
                 it != end; ++it, ++moments) {
                EXPECT_EQ((*it)[1], iso) << format;
            }
            EXPECT_EQ(moments, lines) << format;
        }
        const Outcome ics = timeline("ics");
        ASSERT_EQ(ics.status, 0) << ics.err;
        const std::regex start("DTSTART:(\\d{8})T");
        int starts = 0;
        for (std::sregex_iterator it(ics.out.begin(), ics.out.end(), start), end; it != end;
             ++it, ++starts) {
            EXPECT_EQ((*it)[1], GregorianStamp(n));
        }
        EXPECT_EQ(starts, lines);
        EXPECT_EQ(ics.out.find("UT (Julian calendar)") != std::string::npos, julian);

        // The solar return a year on: its date and moment are one day, whose
        // day number is the return's Julian day.
        const Date next =
            d.month == 2 && d.day == 29 ? Date{d.year + 1, 3, 1} : Date{d.year + 1, d.month, d.day};
        const Outcome solar = RunArgs(
            Birth({"return", "solar"}, d,
                  {"--diurnal-date", Iso(next), "--diurnal-time", "12:00pm", "--diurnal-zone", "0",
                   "--diurnal-lon", "0w00", "--diurnal-lat", "51n30", "--format", "json"}));
        ASSERT_EQ(solar.status, 0) << solar.err;
        std::smatch m;
        ASSERT_TRUE(std::regex_search(
            solar.out, m,
            std::regex("\"date\":\"(\\d\\d)/(\\d\\d)/(\\d{4})\".*\"jd\":([0-9.]+),\"moment\":\"("
                       "\\d{4})-(\\d\\d)-(\\d\\d)T")));
        const Date printed{std::stoi(m[3]), std::stoi(m[1]), std::stoi(m[2])};
        EXPECT_EQ(DayNumberOf(printed), std::llround(std::floor(std::stod(m[4]) + 0.5)));
        EXPECT_EQ(Iso(printed), m[5].str() + "-" + m[6].str() + "-" + m[7].str());

        // The lunations from the day: each new moon's Sun lies within the
        // Sun's path over the day printed.
        const Outcome lunations =
            RunArgs(Birth({"report", "lunations"}, d, {"--diurnal-date", iso}));
        ASSERT_EQ(lunations.status, 0) << lunations.err;
        const std::regex moon(
            "\n  (\\d\\d) ([A-Z][a-z]{2}) (\\d{4}) - (\\d\\d) ([A-Z]{3}) (\\d\\d)");
        int checked = 0;
        for (std::sregex_iterator it(lunations.out.begin(), lunations.out.end(), moon), end;
             it != end && checked < 3; ++it, ++checked) {
            const auto& g = *it;
            const long long day = DayNumberOf({std::stoi(g[3]), MonthOf(g[2]), std::stoi(g[1])});
            const auto sign = std::string("ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS").find(g[5]) / 3;
            const double lon =
                static_cast<double>(sign) * 30 + std::stoi(g[4]) + std::stoi(g[6]) / 60.0;
            const double from = SunAt(static_cast<double>(day) - 0.5);
            const double to = SunAt(static_cast<double>(day) + 0.5);
            const double along = std::remainder(lon - from, 360.0);
            EXPECT_GE(along, -0.02) << g[0];
            EXPECT_LE(along, std::remainder(to - from, 360.0) + 0.02) << g[0];
        }
        EXPECT_EQ(checked, 3);
    }
}

// The day before the reform and the first Gregorian day are neighbours.
TEST(CalendarRoundTrip, TheReformSkipsTenDaysAndNoInstant) {
    const Outcome r = RunArgs({"timeline", "--date", "1582-10-04", "--time", "12:00pm", "--zone",
                               "0", "--lon", "0w00", "--lat", "51n30", "--from", "1582-10-04",
                               "--to", "1582-10-15", "--transits", "--moon", "--format", "json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::regex event(
        "\"ut\":\"1582-10-(\\d\\d)T[^\"]*\",\"clock\":\"[^\"]*\",\"jd\":([0-9.]+)");
    int events = 0;
    for (std::sregex_iterator it(r.out.begin(), r.out.end(), event), end; it != end;
         ++it, ++events) {
        const double day = std::floor(std::stod((*it)[2]) + 0.5);
        EXPECT_EQ(std::stoi((*it)[1]), day == 2299160 ? 4 : 15) << (*it)[0];
    }
    EXPECT_GT(events, 1);
}

}  // namespace
}  // namespace solvaris
