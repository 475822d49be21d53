#include "chart/returns.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/angles.hpp"
#include "engine/calendar.hpp"
#include "engine/moon.hpp"
#include "engine/sun.hpp"
#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

constexpr double kTolerance = 0.00014;

// T of the natal moment, as the chart driver casts it.
double NatalT(const BirthData& b) {
    const double n = JulianDayNumber(b.year, b.month, b.day);
    const double f = DayFraction(b.time, b.meridiem == "P.M.", b.timeZone);
    return (n - 2415020 + f - 0.5) / 36525;
}

double Gap(double a, double b) { return std::fabs(ReturnDifference(a, b)); }

TEST(Returns, InitialInputsComeFromTheDiurnalData) {
    const BirthData natal = Person(20, 8, 1960, 3.15f, "P.M.");
    const BirthData diurnal = Person(19, 8, 2026, 9.00f, "A.M.", 5, -2.20f, -33.52f);
    ReturnSearch s = InitialReturnSearch(natal, diurnal);
    EXPECT_EQ(s.solarYear, 2025);  // the birthday is a day away; the steps are the window's
    EXPECT_EQ(s.lunarDay, 19);
    EXPECT_FLOAT_EQ(s.latitude, -33.52f);
    EXPECT_EQ(s.zoneOffset, 6.0);
}

// From "29 February", across the year's end, before 1900 and in the Julian calendar: each
// return in its year, cast at the place of the search, its date the day its moment falls on.
TEST(Returns, SolarReturnInItsYearCastAtTheReturnPlace) {
    struct Case {
        BirthData natal;
        int year;
        CivilDate earliest;  // the return's UT date lies on one of two days
    };
    const Case cases[] = {
        {Person(29, 2, 1980, 6.00f, "A.M."), 1981, {1981, 2, 28}},
        {Person(31, 12, 1969, 11.59f, "P.M."), 2010, {2010, 12, 31}},
        {Person(15, 7, 1899, 4.30f, "P.M."), 1950, {1950, 7, 15}},
        {Person(1, 6, 1500, 12.00f, "P.M."), 1501, {1501, 6, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        ScriptedPlatform platform;
        const double target = SunPosition(NatalT(c.natal));
        ReturnSearch search;
        search.solarYear = c.year;
        search.longitude = 0.10f;
        search.latitude = 51.30f;
        const auto moment =
            SolarReturnSearch(Ephemeris{}, Zodiac{}, target, c.natal, search, platform);
        ASSERT_TRUE(moment.has_value());
        EXPECT_DOUBLE_EQ(moment->jd, moment->dayNumber + moment->dayFraction - 0.5);
        const double earliest =
            JulianDayNumber(c.earliest.year, c.earliest.month, c.earliest.day) - 0.5;
        EXPECT_TRUE(moment->jd >= earliest && moment->jd < earliest + 2) << moment->jd;
        const auto set =
            ComputeReturnSet(Ephemeris{}, Zodiac{}, *moment, search, HouseSystem::EqualAscendant);
        ASSERT_TRUE(set.has_value());
        const double latitude = SignedFromPacked(search.latitude);
        const ChartAngles angles =
            ComputeAngles(Ephemeris{}, moment->dayNumber, moment->dayFraction,
                          SignedFromPacked(search.longitude), latitude);
        EXPECT_EQ(set->jd, moment->jd);
        EXPECT_LT(Gap(target, set->longitude[Sun]), kTolerance);
        EXPECT_DOUBLE_EQ(set->longitude[Ascendant], angles.ascendant);
        EXPECT_DOUBLE_EQ(set->longitude[Midheaven], angles.midheaven);
        EXPECT_DOUBLE_EQ(set->cusps[SlotOfHouse(1)], angles.ascendant);
        EXPECT_EQ(set->texts.siderealTimeText, SiderealTimeText(angles.ramc, latitude));
        EXPECT_EQ(set->texts.housePositionText.substr(130, 10), " 1ST HOUSE");  // the Ascendant
        EXPECT_EQ(ReturnDateText(*set, DateOrder::YearMonthDay),
                  JulianDayToDateText(moment->jd, DateOrder::YearMonthDay));
        EXPECT_EQ(JulianDayNumber(set->date.year, set->date.month, set->date.day),
                  std::floor(moment->jd + 0.5));
        const ReturnClock clock = ReturnClockOf(moment->jd);
        EXPECT_EQ(set->clockTime, clock.clockTime);
        EXPECT_EQ(set->meridiem, clock.meridiem);
        EXPECT_TRUE(platform.Messages().empty());
    }
}

TEST(Returns, LunarStepsFindTheNeighbouringReturns) {
    ScriptedPlatform platform;
    const BirthData natal = Person(12, 5, 1988, 2.40f, "A.M.");
    const double target = MoonPosition(NatalT(natal)).longitude;
    for (const int start : {1, 9, 17, 28}) {
        ReturnSearch search;
        search.lunarDay = start;
        search.lunarMonth = 3;
        search.lunarYear = 2024;
        const auto foundJd = [&] {
            const auto found =
                LunarReturnSearch(Ephemeris{}, Zodiac{}, target, natal, search, platform);
            EXPECT_TRUE(found && Gap(target, MoonPosition(found->t).longitude) < kTolerance);
            return found ? found->jd : 0.0;
        };
        const double shown = foundJd();
        // The nearest return either way: the difference is taken within 180 degrees.
        EXPECT_LT(std::fabs(shown - (JulianDayNumber(2024, 3, start) - 0.5)), 15) << start;
        StepLunarReturn(search, ReturnStep::Previous);
        EXPECT_LT(JulianDayNumber(search.lunarYear, search.lunarMonth, search.lunarDay), shown);
        EXPECT_NEAR(shown - foundJd(), 27.3, 0.6) << start;
        StepLunarReturn(search, ReturnStep::Next);
        EXPECT_NEAR(foundJd(), shown, 0.001) << start;
        StepLunarReturn(search, ReturnStep::Next);
        EXPECT_NEAR(foundJd() - shown, 27.3, 0.6) << start;
    }
    EXPECT_TRUE(platform.Messages().empty());
}

TEST(Returns, SearchThatCannotConvergeStopsWithAMessage) {
    const BirthData natal = Person(1, 1, 2000, 12.00f, "P.M.");
    const double nowhere = std::numeric_limits<double>::quiet_NaN();
    ScriptedPlatform platform;
    ReturnSearch search = InitialReturnSearch(natal, natal);
    EXPECT_FALSE(
        SolarReturnSearch(Ephemeris{}, Zodiac{}, nowhere, natal, search, platform).has_value());
    EXPECT_FALSE(
        LunarReturnSearch(Ephemeris{}, Zodiac{}, nowhere, natal, search, platform).has_value());
    ASSERT_EQ(platform.Messages().size(), 2u);
    EXPECT_EQ(platform.Messages()[0].title, "Warning!");
    EXPECT_NE(platform.Messages()[0].text.find("solar"), std::string::npos);
    EXPECT_NE(platform.Messages()[1].text.find("lunar"), std::string::npos);
}

TEST(Returns, ClockIsGreenwichTimeOnATwelveHourDial) {
    struct Case {
        double utHours, clock;
        const char *meridiem, *line;
    };
    const Case cases[] = {
        {0.5, 12.30, "A.M", "12.30 A.M (0)"},     {0, 12.00, "A.M", "12.00 A.M (0)"},
        {6.75, 6.45, "A.M", "6.45 A.M (0)"},      {12, 12.00, "P.M.", "12.00 P.M. (0)"},
        {12.25, 12.15, "P.M.", "12.15 P.M. (0)"}, {23.5, 11.30, "P.M.", "11.30 P.M. (0)"},
    };
    for (const Case& c : cases) {
        ReturnSet set;
        set.jd = 2451544.5 + c.utHours / 24;
        const ReturnClock clock = ReturnClockOf(set.jd);
        EXPECT_NEAR(clock.clockTime, c.clock, 1e-6) << c.utHours;
        EXPECT_EQ(clock.meridiem, c.meridiem) << c.utHours;
        set.clockTime = clock.clockTime;
        set.meridiem = clock.meridiem;
        EXPECT_EQ(ReturnTimeLine(set), c.line);
    }
}

}  // namespace
}  // namespace solvaris
