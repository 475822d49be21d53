#include "chart/planetary_hours.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

BirthData Place(float longitude, float latitude, double zone) {
    BirthData b;
    b.longitude = longitude;
    b.longitudeText = LongitudeText(longitude);
    b.latitude = latitude;
    b.latitudeText = LatitudeText(latitude);
    b.timeZone = zone;
    return b;
}

TEST(PlanetaryHours, EntryRefusesBeyondSixtySixNorthAndSouth) {
    struct Case {
        float latitude;
        bool allowed;
    };
    const Case cases[] = {{66.00f, true},   {66.01f, false},  {40.45f, true},  {-66.00f, true},
                          {-66.01f, false}, {-70.00f, false}, {89.59f, false}, {-89.59f, false}};
    for (const Case& c : cases) {
        ScriptedPlatform platform;
        EXPECT_EQ(PlanetaryHoursLatitudeAllowed(c.latitude, platform), c.allowed) << c.latitude;
        ASSERT_EQ(platform.Messages().size(), c.allowed ? 0u : 1u);
        if (!c.allowed) {
            const ShownMessage& m = platform.Messages()[0];
            EXPECT_EQ(m.text,
                      "Cannot calculate planetary hours. The latitude is too extreme. It must be "
                      "66 degrees, 0 minutes or below.");
            EXPECT_EQ(m.title, "Warning!");
            EXPECT_EQ(m.icon, MessageIcon::Information);
        }
    }
}

TEST(PlanetaryHours, OpeningShowsTheNatalDayUnlessRefused) {
    BirthData natal = Place(73.59f, 40.45f, 5);
    natal.day = 1;
    natal.month = 1;
    natal.year = 2000;
    ScriptedPlatform platform;
    const auto day = OpenPlanetaryHours(natal, platform);
    ASSERT_TRUE(day.has_value());
    EXPECT_EQ(day->anchor, 2451544.5);
    EXPECT_EQ(day->dateHeading, "SATURDAY - 01 Jan 2000");
    EXPECT_TRUE(platform.Messages().empty());
    natal.latitude = 66.30f;
    EXPECT_FALSE(OpenPlanetaryHours(natal, platform).has_value());
    EXPECT_EQ(platform.Messages().size(), 1u);
}

TEST(PlanetaryHours, WeekdaysAndTheRulersOfTheFirstHours) {
    struct Case {
        int year, month, day;
        int weekday;
        const char* name;
        const char* firstDay;
        const char* firstNight;
    };
    const Case cases[] = {
        {2000, 1, 1, 3, "SATURDAY", "Sat ", "Mer "},
        {2000, 1, 2, 4, "SUNDAY", "Sun ", "Jup "},
        {2000, 1, 3, 5, "MONDAY", "Moo ", "Ven "},
        {2000, 1, 4, 6, "TUESDAY", "Mar ", "Sat "},
        {1999, 12, 29, 0, "WEDNESDAY", "Mer ", "Sun "},
        {2026, 12, 24, 1, "THURSDAY", "Jup ", "Moo "},
        {1776, 7, 5, 2, "FRIDAY", "Ven ", "Mar "},
    };
    for (const Case& c : cases) {
        const double anchor = PlanetaryHoursAnchor(c.year, c.month, c.day);
        EXPECT_EQ(WeekdayIndex(anchor), c.weekday) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(WeekdayName(c.weekday), c.name);
        EXPECT_EQ(DayHourRuler(c.weekday, 0), c.firstDay) << c.name;
        EXPECT_EQ(NightHourRuler(c.weekday, 0), c.firstNight) << c.name;
    }
}

TEST(PlanetaryHours, TimeTextsOnATwelveHourClock) {
    struct Case {
        double hours;
        const char* text;
    };
    const Case cases[] = {
        {11 + 59.7 / 60, "12.00p"},
        {23 + 59.7 / 60, "12.00a"},
        {6.75, " 6.45a"},
        {0.25, "12.15a"},
        {13, " 1.00p"},
        {24.5, "12.30a"},
        {9 + 59.4 / 60, " 9.59a"},
        {21 + 59.6 / 60, "10.00p"},
        {0, "12.00a"},
        {12, "12.00p"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HourTimeText(c.hours), c.text) << c.hours;
    }
}

TEST(PlanetaryHours, GainDependsOnTheLatitude) {
    struct Case {
        float latitude;
        double gain;
    };
    const Case cases[] = {{65, 1},      {60, 1},  {59.59f, 2},  {50, 2},    {49.59f, 4}, {0, 4},
                          {-49.59f, 4}, {-50, 1}, {-59.59f, 1}, {-60, 0.5}, {-66, 0.5}};
    for (const Case& c : cases) {
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
                          {-70.00f, 12, "Jup    ---    Moo    ---"}};
    for (const Case& c : cases) {
        ScriptedPlatform platform;
        const BirthData place = Place(0, c.latitude, 0);
        const PlanetaryDay day =
            ComputePlanetaryDay(PlanetaryHoursAnchor(2000, c.month, 21), place, platform);
        ASSERT_EQ(platform.Messages().size(), 2u) << c.latitude;
        EXPECT_EQ(platform.Messages()[0].text,
                  "I cannot find sunrise. The latitude is too extreme.");
        EXPECT_EQ(platform.Messages()[1].text,
                  "I cannot find sunset. The latitude is too extreme.");
        for (const ShownMessage& m : platform.Messages()) {
            EXPECT_EQ(m.title, "Warning!");
            EXPECT_EQ(m.icon, MessageIcon::Information);
        }
        EXPECT_FALSE(day.sun.BothFound());
        EXPECT_EQ(RowText(day.rows[0]), c.firstRow) << c.latitude;
        for (const HourRow& row : day.rows) {
            EXPECT_EQ(row.dayStart, kNoHourTimeText);
            EXPECT_EQ(row.nightStart, kNoHourTimeText);
        }
    }
    ScriptedPlatform platform;
    const PlanetaryDay ordinary =
        ComputePlanetaryDay(PlanetaryHoursAnchor(2000, 6, 21), Place(0, -66.00f, 0), platform);
    EXPECT_TRUE(ordinary.sun.BothFound());
    EXPECT_TRUE(platform.Messages().empty());
}

// One day's lines are the golden planetary-hours report's; three side by side:
TEST(PlanetaryHours, ThreeDayReport) {
    ScriptedPlatform platform;
    const BirthData place = Place(73.59f, 40.45f, 5);
    double anchor = PlanetaryHoursAnchor(2000, 1, 1);
    const std::vector<std::string> report = ThreeDayReport(anchor, place, platform);
    EXPECT_EQ(anchor, PlanetaryHoursAnchor(2000, 1, 3));
    EXPECT_EQ(BackwardDay(anchor), PlanetaryHoursAnchor(2000, 1, 2));
    ASSERT_EQ(report.size(), 15u);
    EXPECT_EQ(report[0], "");
    EXPECT_EQ(report[1],
              "  SATURDAY - 01 Jan 2000        SUNDAY - 02 Jan 2000          "
              "MONDAY - 03 Jan 2000");
    EXPECT_EQ(report[2].substr(0, 32), "  73.59 W, 40.45 N              ");
    EXPECT_EQ(report[3].substr(0, 6), "  Sat ");
    for (std::size_t i = 3; i < report.size(); ++i) {
        EXPECT_EQ(report[i].size(), 2u + 3 * 24 + 2 * 6) << i;
        EXPECT_EQ(report[i].substr(26, 6), "      ");
    }
    EXPECT_EQ(report[3].substr(32, 4), "Sun ");
    EXPECT_EQ(report[3].substr(62, 4), "Moo ");
    EXPECT_TRUE(platform.Messages().empty());
}

TEST(PlanetaryHours, RulerCellsExplainThemselves) {
    struct Case {
        const char* cell;
        const char* title;
    };
    const Case cases[] = {{"Sat ", "Saturn"}, {"Moo ", "Moon"}};
    for (const Case& c : cases) {
        ScriptedPlatform platform;
        EXPECT_TRUE(ShowRulerKeywords(c.cell, platform));
        ASSERT_EQ(platform.Messages().size(), 1u);
        EXPECT_EQ(platform.Messages()[0].title, c.title);
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
