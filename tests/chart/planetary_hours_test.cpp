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

// Opening shows the natal day unless the latitude lies beyond 66 degrees.
TEST(PlanetaryHours, EntryRefusesBeyondSixtySixNorthAndSouth) {
    for (const float latitude : {66.00f, 66.01f, 40.45f, -66.00f, -66.01f, 89.59f}) {
        const bool allowed = latitude <= 66.00f && latitude >= -66.00f;
        ScriptedPlatform platform;
        const auto day = OpenPlanetaryHours(Place(73.59f, latitude, 5), platform);
        ASSERT_EQ(day.has_value(), allowed) << latitude;
        if (allowed) {
            EXPECT_EQ(day->anchor, 2451544.5);
            EXPECT_EQ(day->dateHeading, "SATURDAY - 01 Jan 2000");
            continue;
        }
        ASSERT_EQ(platform.Messages().size(), 1u);
        const ShownMessage& m = platform.Messages()[0];
        EXPECT_EQ(m.text,
                  "Cannot calculate planetary hours. The latitude is too extreme. It must be "
                  "66 degrees, 0 minutes or below.");
        EXPECT_EQ(m.title, "Warning!");
        EXPECT_EQ(m.icon, MessageIcon::Information);
    }
    // The three-day report leaves the anchor on its last day.
    ScriptedPlatform platform;
    double anchor = PlanetaryHoursAnchor(2000, 1, 1);
    EXPECT_EQ(ThreeDayReport(anchor, Place(73.59f, 40.45f, 5), platform).size(), 15u);
    EXPECT_EQ(anchor, PlanetaryHoursAnchor(2000, 1, 3));
    EXPECT_EQ(BackwardDay(anchor), PlanetaryHoursAnchor(2000, 1, 2));
}

TEST(PlanetaryHours, WeekdaysAndTheRulersOfTheFirstHours) {
    struct Case {
        int year, month, day;
        int weekday;
        const char* name;
        const char* firstDay;
        const char* firstNight;
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

TEST(PlanetaryHours, TimeTextsOnATwelveHourClockAndTheSearchGain) {
    struct Time {
        double hours;
        const char* text;
    };
    for (const Time& c : {Time{11 + 59.7 / 60, "12.00p"}, Time{23 + 59.7 / 60, "12.00a"},
                          Time{6.75, " 6.45a"}, Time{0.25, "12.15a"}, Time{13, " 1.00p"},
                          Time{24.5, "12.30a"}, Time{9 + 59.4 / 60, " 9.59a"},
                          Time{21 + 59.6 / 60, "10.00p"}, Time{0, "12.00a"}, Time{12, "12.00p"}}) {
        EXPECT_EQ(HourTimeText(c.hours), c.text) << c.hours;
    }
    struct Gain {
        float latitude;
        double gain;
    };
    for (const Gain& c :
         {Gain{65, 1}, Gain{60, 1}, Gain{59.59f, 2}, Gain{50, 2}, Gain{49.59f, 4}, Gain{0, 4},
          Gain{-49.59f, 4}, Gain{-50, 1}, Gain{-59.59f, 1}, Gain{-60, 0.5}, Gain{-66, 0.5}}) {
        EXPECT_EQ(SearchGain(c.latitude), c.gain) << c.latitude;
    }
}

TEST(PlanetaryHours, EquinoxAtTheEquatorHasHoursOfAnHour) {
    ScriptedPlatform platform;
    const PlanetaryDay day =
        ComputePlanetaryDay(PlanetaryHoursAnchor(2001, 3, 20), Place(0, 0.01f, 0), platform);
    EXPECT_TRUE(platform.Messages().empty());
    // The equation of time puts both about seven minutes after six.
    EXPECT_NEAR(day.sun.sunrise, 6.12, 0.05);
    EXPECT_NEAR(day.sun.sunset, 18.12, 0.05);
    EXPECT_NEAR((day.sun.sunset - day.sun.sunrise) / 12, 1, 0.01);
    EXPECT_EQ(day.rows[0].dayStart, HourTimeText(day.sun.sunrise));
    EXPECT_EQ(day.rows[0].nightStart, HourTimeText(day.sun.sunset));
    EXPECT_EQ(day.rows[6].dayStart,
              HourTimeText(day.sun.sunrise + 6 * (day.sun.sunset - day.sun.sunrise) / 12));
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
        const PlanetaryDay day = ComputePlanetaryDay(PlanetaryHoursAnchor(2000, c.month, 21),
                                                     Place(0, c.latitude, 0), platform);
        EXPECT_EQ(day.sun.BothFound(), c.firstRow == nullptr) << c.latitude;
        if (c.firstRow == nullptr) {
            EXPECT_TRUE(platform.Messages().empty());
            continue;
        }
        ASSERT_EQ(platform.Messages().size(), 2u) << c.latitude;
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

TEST(PlanetaryHours, RulerCellsExplainThemselves) {
    for (const auto& [cell, title] : {std::pair{"Sat ", "Saturn"}, std::pair{"Moo ", "Moon"}}) {
        ScriptedPlatform platform;
        EXPECT_TRUE(ShowRulerKeywords(cell, platform));
        ASSERT_EQ(platform.Messages().size(), 1u);
        EXPECT_EQ(platform.Messages()[0].title, title);
        EXPECT_EQ(platform.Messages()[0].icon, MessageIcon::Information);
    }
    EXPECT_EQ(RulerKeywordsOf("Mar ")->text.substr(0, 7), "Action,");
    ScriptedPlatform platform;
    EXPECT_FALSE(ShowRulerKeywords(" 6.45a", platform));
    EXPECT_FALSE(ShowRulerKeywords("Sat", platform));
    EXPECT_TRUE(platform.Messages().empty());
}

}  // namespace
}  // namespace solvaris
