// The rules of the planetary hours; the three-day report's layout is the
// golden planetary-hours report's.
#include "chart/planetary_hours.hpp"

#include <gtest/gtest.h>

#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

// A place; its day, 1 January 2000, counts only where a birth opens the hours.
BirthData Place(float longitude, float latitude, double zone) {
    return Person(1, 1, 2000, 12.00f, "P.M.", zone, longitude, latitude);
}

// Opening shows the natal day unless the latitude lies beyond 66 degrees;
// the refusal names the limit in the latitude's own hemisphere.
TEST(PlanetaryHours, EntryRefusesBeyondSixtySixNorthAndSouth) {
    constexpr const char* kNorth =
        "Cannot calculate planetary hours. The latitude is too extreme. It must be "
        "66 degrees, 0 minutes or below.";
    constexpr const char* kSouth =
        "Cannot calculate planetary hours. The latitude is too extreme. It must be "
        "66 degrees, 0 minutes South or nearer the equator.";
    const struct {
        float latitude;
        const char* refusal;  // null when the day opens
    } cases[] = {{66.00f, nullptr}, {66.01f, kNorth},  {40.45f, nullptr}, {-66.00f, nullptr},
                 {-66.01f, kSouth}, {-70.00f, kSouth}, {89.59f, kNorth}};
    for (const auto& [latitude, refusal] : cases) {
        ScriptedPlatform platform;
        const auto day = OpenPlanetaryHours(Ephemeris{}, Place(73.59f, latitude, 5), platform);
        ASSERT_EQ(day.has_value(), refusal == nullptr) << latitude;
        if (refusal == nullptr) {
            EXPECT_EQ(day->anchor, 2451544.5);
            EXPECT_EQ(day->dateHeading, "SATURDAY - 01 Jan 2000");
            continue;
        }
        ASSERT_EQ(platform.Messages().size(), 1u);
        const ShownMessage& m = platform.Messages()[0];
        EXPECT_EQ(m.text, refusal) << latitude;
        EXPECT_EQ(m.title, "Warning!");
        EXPECT_EQ(m.icon, MessageIcon::Information);
    }
}

TEST(PlanetaryHours, WeekdaysAndTheRulersOfTheFirstHours) {
    struct Case {
        int year, month, day, weekday;
        const char *name, *firstDay, *firstNight;
    };
    const Case cases[] = {{2000, 1, 1, 3, "SATURDAY", "Sat ", "Mer "},
                          {2000, 1, 2, 4, "SUNDAY", "Sun ", "Jup "},
                          {2000, 1, 3, 5, "MONDAY", "Moo ", "Ven "},
                          {2000, 1, 4, 6, "TUESDAY", "Mar ", "Sat "},
                          {1999, 12, 29, 0, "WEDNESDAY", "Mer ", "Sun "},
                          {2026, 12, 24, 1, "THURSDAY", "Jup ", "Moo "},
                          {1776, 7, 5, 2, "FRIDAY", "Ven ", "Mar "}};
    for (const Case& c : cases) {
        const double anchor = PlanetaryHoursAnchor(c.year, c.month, c.day);
        EXPECT_EQ(WeekdayIndex(anchor), c.weekday) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(WeekdayName(c.weekday), c.name);
        EXPECT_EQ(DayHourRuler(c.weekday, 0), c.firstDay) << c.name;
        EXPECT_EQ(NightHourRuler(c.weekday, 0), c.firstNight) << c.name;
    }
}

TEST(PlanetaryHours, TimeTextsOnATwelveHourClock) {
    struct Time {
        double hours;
        const char* text;
    };
    for (const Time& c :
         {Time{11 + 59.7 / 60, "12.00p"}, Time{23 + 59.7 / 60, "12.00a"}, Time{0.25, "12.15a"},
          Time{13, " 1.00p"}, Time{24.5, "12.30a"}, Time{9 + 59.4 / 60, " 9.59a"},
          Time{21 + 59.6 / 60, "10.00p"}, Time{0, "12.00a"}, Time{12, "12.00p"}}) {
        EXPECT_EQ(HourTimeText(c.hours), c.text) << c.hours;
    }
}

// Past the entry check (the searches themselves take any latitude): a day
// of polar night shows its rulers and no times, never "12.00a".
TEST(PlanetaryHours, PolarNightAndPolarDayShowNoTimes) {
    struct Case {
        float latitude;
        int month;
        const char* firstRow;  // a Wednesday in June, a Thursday in December
    };
    const Case cases[] = {{-70.00f, 6, "Mer    ---    Sun    ---"},
                          {70.00f, 12, "Jup    ---    Moo    ---"},
                          {-70.00f, 12, "Jup    ---    Moo    ---"},
                          {-66.00f, 6, nullptr}};  // both found
    for (const Case& c : cases) {
        ScriptedPlatform platform;
        const PlanetaryDay day =
            ComputePlanetaryDay(Ephemeris{}, PlanetaryHoursAnchor(2000, c.month, 21),
                                Place(0, c.latitude, 0), platform);
        EXPECT_EQ(day.sun.BothFound(), c.firstRow == nullptr) << c.latitude;
        ASSERT_EQ(platform.Messages().size(), c.firstRow == nullptr ? 0u : 2u) << c.latitude;
        if (c.firstRow == nullptr) {
            continue;
        }
        EXPECT_EQ(platform.Messages()[0].text,
                  "I cannot find sunrise. The latitude is too extreme.");
        EXPECT_EQ(platform.Messages()[1].text,
                  "I cannot find sunset. The latitude is too extreme.");
        EXPECT_EQ(RowText(day.rows[0]), c.firstRow) << c.latitude;
        for (const HourRow& row : day.rows) {
            EXPECT_EQ(row.dayStart, kNoHourTimeText);
            EXPECT_EQ(row.nightStart, kNoHourTimeText);
        }
    }
}

// The cell's own text, "Sat " with its space; the clicks are the planetary hours window's.
TEST(PlanetaryHours, RulerCellsExplainThemselves) {
    ScriptedPlatform platform;
    EXPECT_TRUE(ShowRulerKeywords("Moo ", platform));
    EXPECT_FALSE(ShowRulerKeywords("Sat", platform));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].title, "Moon");
    EXPECT_EQ(platform.Messages()[0].icon, MessageIcon::Information);
}

}  // namespace
}  // namespace solvaris
