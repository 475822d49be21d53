#include "reports/ephemeris_report.hpp"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/headless/recording_data_window.hpp"
#include "reports/ephemeris_entry.hpp"
#include "reports/new_date.hpp"
#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

// Lines before the first day: blank, heading, blank, columns, underline.
constexpr std::size_t kFirstDayLine = 5;

class EphemerisReport : public ::testing::Test {
protected:
    // The page from a typed date.
    bool RunFrom(int day, int month, int year) {
        natal.fields.day = std::to_string(day);
        natal.fields.month = std::to_string(month);
        natal.fields.year = std::to_string(year);
        return RunEphemeris(ctx, natal, houses, paging);
    }
    std::string TypedDate() const {
        return natal.fields.day + "/" + natal.fields.month + "/" + natal.fields.year;
    }
    const std::vector<std::string>& Page() const { return session.reports.Current(); }
    std::string Day(std::size_t n) const { return Page()[kFirstDayLine + n].substr(0, 8); }
    ReportSession session;
    ScriptedPlatform platform;
    RecordingDataWindow window;
    ReportContext ctx{session, platform, window};
    NatalEntryWindow natal = SampleNatalWindow();
    HouseSystem houses = HouseSystem::Koch;
    EphemerisPaging paging;
};

// The noon page (its longitudes: ReportCommand's --noon row) from the typed
// date empties the buffer and leaves the preset in the fields.
TEST_F(EphemerisReport, NoonPageFromTheTypedDate) {
    ctx.Begin();
    ctx.Line("an earlier report");
    session.charts.kind = ChartKind::Transit;
    ASSERT_TRUE(StartEphemeris(ctx, natal, houses, EphemerisHour::Noon, paging));
    EXPECT_TRUE(platform.Messages().empty());
    ASSERT_EQ(session.reports.LineCount(), 51);
    EXPECT_EQ(Day(0), "  05 Dec");
    EXPECT_EQ(natal.txtName, "Ephemeris");
    EXPECT_EQ(natal.fields.day, "5");  // the date is the user's
    EXPECT_EQ(houses, HouseSystem::Placidus);
    EXPECT_EQ(session.charts.kind, ChartKind::Natal);
}

// Forward starts on the first day not listed; backward 42 days before it;
// the fields and the heading (the preset's clock, midnight) follow the page.
// Before 1582 the pages keep the Julian calendar, across the reform too.
TEST_F(EphemerisReport, ForwardAndBackward) {
    ASSERT_TRUE(RunFrom(1, 1, 2000));
    EXPECT_EQ(Day(0), "  01 Jan");
    EXPECT_EQ(Page()[Page().size() - 3].substr(0, 8), "  21 Jan");
    ASSERT_TRUE(EphemerisForward(ctx, natal, houses, paging));
    EXPECT_EQ(Page()[1],
              "  Ephemeris starting Saturday, 22 Jan 2000 at TZ = 0.0, 12.00 A.M., 00.00 W, "
              "51.29 N");
    EXPECT_EQ(TypedDate(), "22/1/2000");
    ASSERT_TRUE(EphemerisBackward(ctx, natal, houses, paging));
    EXPECT_EQ(Day(0), "  01 Jan");
    ASSERT_TRUE(EphemerisBackward(ctx, natal, houses, paging));
    EXPECT_EQ(TypedDate(), "11/12/1999");
    EXPECT_EQ(Page()[1].substr(0, 44), "  Ephemeris starting Saturday, 11 Dec 1999 a");

    ASSERT_TRUE(RunFrom(1, 3, 1500));
    EXPECT_EQ(Page()[1].substr(0, 43), "  Ephemeris starting Sunday, 01 Mar 1500 at");
    ASSERT_TRUE(EphemerisForward(ctx, natal, houses, paging));
    EXPECT_EQ(Day(0), "  22 Mar");

    ASSERT_TRUE(RunFrom(1, 10, 1582));  // 1582 October 4 is followed by October 15
    EXPECT_EQ(Day(6) + Day(8), "  04 Oct  15 Oct");

    ASSERT_TRUE(RunFrom(20, 1, 100));  // backward past the year 100 is refused
    EXPECT_FALSE(EphemerisBackward(ctx, natal, houses, paging));
    EXPECT_EQ(platform.Messages().back().text,
              "Error in natal input data section. Please correct.");
}

// From a Sunday the 21st row is a Saturday that no day follows (the other
// starts: the golden pages).
TEST_F(EphemerisReport, BlankLineAfterEverySaturdayADayFollows) {
    ASSERT_TRUE(RunFrom(2, 1, 2000));
    std::vector<std::size_t> blanks;  // two lines a day
    for (std::size_t i = kFirstDayLine; i < Page().size(); ++i) {
        if (Page()[i].empty()) {
            blanks.push_back(i - kFirstDayLine);
        }
    }
    EXPECT_EQ(blanks, (std::vector<std::size_t>{14, 29, 44}));  // 44: the report's end
}

TEST(EphemerisLine, LongitudesFieldByField) {
    // Sun to Pluto, then the Moon: the Moon's 29.9999 caps its minutes without a carry,
    // Uranus's 45.995 rounds to 60 minutes and keeps 59 (declinations: PositionFormat).
    const double sun = 240 + 13 + 42.0 / 60 + 7.5 / 3600;
    const double mars = 270 + 21 + 5.0 / 60;
    const PointArray longitude{0,  sun,    0,      359.5,  mars,   29.9999,
                               30, 45.995, 179.99, 330.25, 29.9999};
    EXPECT_EQ(EphemerisLongitudeLine({2000, 2, 29}, longitude),
              "  29 Feb  13SAG42m07  29ARI59m59  00ARI00 29PIS30 21CPR05 29ARI59 00TAU00 15TAU59 "
              "29VIR59 00PIS15");
}

// The years the page accepts and the houses (the fields: EntryValidation).
TEST_F(EphemerisReport, RefusedEntriesWriteNothing) {
    const std::string natalError = "Error in natal input data section. Please correct.";
    // The year, the latitude, the houses and the message, empty when accepted.
    using Case = std::tuple<const char*, const char*, HouseSystem, std::string>;
    const Case cases[] = {
        {"99", "40", HouseSystem::Koch, natalError},
        {"100", "40", HouseSystem::Koch, ""},
        {"2100", "40", HouseSystem::Koch, natalError},
        {"2099", "40", HouseSystem::Koch, ""},
        {"2000", "67", HouseSystem::Koch,
         "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
         "systems."},
        {"2000", "80", HouseSystem::Meridian, ""},
    };
    for (const auto& [year, latitude, system, message] : cases) {
        SCOPED_TRACE(std::string(year) + " " + latitude);
        NatalEntryWindow typed = natal;
        typed.fields.year = year;
        typed.fields.latDeg = latitude;
        houses = system;
        platform.ClearMessages();
        paging = EphemerisPaging{};
        paging.nextDay = 1;
        const int written = session.reports.LineCount() + window.shows;
        const bool refused = !message.empty();
        EXPECT_EQ(RunEphemeris(ctx, typed, houses, paging), !refused);
        EXPECT_EQ(platform.Messages().size(), refused ? 1u : 0u);
        if (refused) {  // nothing written, paged or preset
            EXPECT_EQ(platform.Messages()[0].title + ": " + platform.Messages()[0].text,
                      "Warning!: " + message);
            EXPECT_EQ(session.reports.LineCount() + window.shows, written);
            EXPECT_EQ(paging.nextDay, 1);
            EXPECT_FALSE(paging.shown);
            EXPECT_EQ(typed.txtName, "Sample Natal");
        }
    }
}

// A typed date gives its day number, excess days carried into the next
// month; the fields shown for that number read back as the same day. Empty
// or out-of-range fields are refused with the reason.
TEST(NewDate, TypedDatesDayNumbersAndRefusals) {
    using Case = std::tuple<NewDateWindow, double, NewDateWindow>;  // typed, its number, shown
    // The years' bounds; 2000 and Julian 1000 leap years, 1900 not; 1582
    // October 4 the last Julian day.
    const Case cases[] = {{{"1", "1", "100"}, 1757583, {"1", "1", "100"}},
                          {{"12", "31", "2099"}, 2488069, {"12", "31", "2099"}},
                          {{"2", "29", "1000"}, 2086367, {"2", "29", "1000"}},
                          {{"2", "29", "1900"}, 2415080, {"3", "1", "1900"}},
                          {{"1", "1", "2000"}, 2451545, {"1", "1", "2000"}},
                          {{"2", "31", "2001"}, 2451972, {"3", "3", "2001"}},
                          {{"2", "31", "2000"}, 2451606, {"3", "2", "2000"}},
                          {{"10", "4", "1582"}, 2299160, {"10", "4", "1582"}},
                          {{"10", "15", "1582"}, 2299161, {"10", "15", "1582"}},
                          {{"07", "04", "1776"}, 2369916, {"7", "4", "1776"}}};
    for (const auto& [typed, number, expected] : cases) {
        SCOPED_TRACE(typed.txtMonth + "/" + typed.txtDay + "/" + typed.txtYear);
        ScriptedPlatform platform;
        const auto dayNumber = NewDateDayNumber(typed, platform);
        ASSERT_TRUE(dayNumber);
        EXPECT_EQ(*dayNumber, number);
        EXPECT_TRUE(platform.Messages().empty());
        const NewDateWindow shown = NewDateFieldsOf(number);
        EXPECT_EQ(shown.txtMonth + "/" + shown.txtDay + "/" + shown.txtYear,
                  expected.txtMonth + "/" + expected.txtDay + "/" + expected.txtYear);
        EXPECT_EQ(NewDateDayNumber(shown, platform), number);
    }
    // Every day number of the entry's years reads back, through both calendars.
    for (double n = 1757583; n <= 2488069; n += 97) {
        ScriptedPlatform platform;
        ASSERT_EQ(NewDateDayNumber(NewDateFieldsOf(n), platform), n);
    }
    const NewDateWindow refused[] = {{"", "1", "2000"},   {"1", "", "2000"},   {"1", "1", ""},
                                     {"0", "1", "2000"},  {"13", "1", "2000"}, {"1", "0", "2000"},
                                     {"1", "32", "2000"}, {"1", "1", "0"},     {"1", "1", "2100"}};
    for (const NewDateWindow& typed : refused) {
        SCOPED_TRACE(typed.txtMonth + "/" + typed.txtDay + "/" + typed.txtYear);
        ScriptedPlatform platform;
        EXPECT_FALSE(NewDateDayNumber(typed, platform));
        ASSERT_EQ(platform.Messages().size(), 1u);
        EXPECT_EQ(platform.Messages()[0].text, kNewDateError);
        EXPECT_EQ(platform.Messages()[0].title, "Warning!");
    }
}

}  // namespace
}  // namespace solvaris
