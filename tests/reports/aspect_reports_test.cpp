#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "aspects/aspect_grid_text.hpp"
#include "base/horary_glyphs.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/aspect_grids.hpp"
#include "reports/aspect_lists.hpp"
#include "reports/interpretation_file.hpp"
#include "reports/progressed_moon.hpp"
#include "reports/transit_interpretations.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

// The list lines, their layout and the deviation's sign: the golden reports.
// Rounded minutes that reach 60 carry, in the separation and the deviation.
TEST(NatalAspectList, MinutesCarryIntoDegrees) {
    // The separation, the deviation and the line after the two names and a blank.
    using Case = std::tuple<double, double, const char*>;
    const Case cases[] = {
        {118.5, -1.5, "118d 30m          1d 30m"},    {63.995, 3.995, " 64d 00m          4d 00m"},
        {63.99, 3.99, " 63d 59m          3d 59m"},    {179.999, 0.999, "180d 00m          1d 00m"},
        {0.0001, 0.0001, "  0d 00m          0d 00m"}, {9.9999, -9.9999, " 10d 00m         10d 00m"},
    };
    for (const auto& [separation, deviation, numbers] : cases) {
        EXPECT_EQ(NatalListLine(Sun, Moon, separation, deviation),
                  std::string("  SUN       MOON       ") + numbers + "\r\n")
            << separation;
    }
}

TEST(ProgressedMoon, MonthsCrossAriesForward) {
    const auto months = MonthlyLongitudes(355, 5);
    EXPECT_NEAR(months[6], 0, 1e-9);  // forward across 0 Aries, not back 350
    EXPECT_NEAR(months[12], 5, 1e-9);
    EXPECT_EQ(MonthLabel(5, 11, 2020), "  5 NOV 2020 - ");  // the months' lines: GoldenReports
}

TEST(AspectGridText, SeptileDualAndParallels) {
    WheelSetup wheel;
    wheel.longitude.fill(0);
    for (int p = 1; p <= kPointCount; ++p) {
        wheel.longitude[p] = 200 + 11.3 * p;  // no two within any orb below
    }
    wheel.longitude[Sun] = 0;
    wheel.longitude[Mars] = 51.5;
    wheel.innerHeader[0] = "Someone - natal";
    ChartStore charts;
    charts.natal.points.declination.fill(-50);
    charts.natal.points.declination[NorthNode] = 10;
    charts.natal.points.declination[SouthNode] = -10;
    charts.natal.points.declination[Venus] = 50;
    OrbTable orbs{};
    orbs[16] = 1;   // septile
    orbs[6] = 0.5;  // parallel
    const std::string single = AspectGridText({wheel, charts, orbs, false});
    wheel.layout = 1;
    wheel.second.longitude = wheel.longitude;
    wheel.second.longitude[Mars] = 300;
    wheel.second.longitude[Jupiter] = 51.5;
    wheel.secondHeader[5] = "Inner = transits";
    const std::string dual = AspectGridText({wheel, charts, orbs, false});
    EXPECT_EQ(dual.find(static_cast<char>(166)), std::string::npos);  // not natal to progressed
    // Natal-progressed: the progressed ring's declinations (rows) against the natal ring's.
    wheel.secondHeader[5] = "Inner = progressed";
    charts.progressed.points.declination.fill(20);
    charts.progressed.points.declination[Moon] = 50;
    const std::string progressed = AspectGridText({wheel, charts, orbs, false});
    struct Row {
        const std::string& text;
        int a, aspect, b;  // 176 septile, 166 parallel, 177 contraparallel
        bool present;
    };
    for (const Row& r :
         {Row{single, Sun, 176, Mars, true},
          Row{single, Mars, 176, Sun, true},  // both ways in a single wheel
          Row{single, Sun, 166, Mars, true}, Row{single, Venus, 177, Sun, true},
          Row{single, NorthNode, 177, SouthNode, false},  // no nodes in parallels
          Row{single, PartOfFortune, 166, Sun, false},    // nor the Part of Fortune
          Row{single, Sun, 166, PartOfFortune, false}, Row{dual, Jupiter, 176, Sun, true},
          Row{dual, Sun, 176, Jupiter, false},  // once, outer point first
          Row{progressed, Moon, 166, Venus, true}, Row{progressed, Moon, 177, Sun, true},
          Row{progressed, Sun, 166, Mars, false}}) {  // natal across only
        const auto g = [](int code) { return static_cast<char>(code); };
        const std::string line = std::string("  ") + g(PointGlyphCode(r.a)) + ' ' + g(r.aspect) +
                                 ' ' + g(PointGlyphCode(r.b)) + "\r\n";
        EXPECT_EQ(r.text.find(line) != std::string::npos, r.present) << r.a << ' ' << r.b;
    }
}

TEST(AspectReports, InterpretationsWithoutFilesGoOn) {
    ReportSession session;
    ScriptedPlatform platform;
    RecordingDataWindow window;
    ReportContext ctx{session, platform, window};
    testing::TempFolder folder;
    session.folder = folder.path();
    session.natal.name = "Someone";
    for (int p = 1; p <= kPointCount; ++p) {  // no two points within an orb
        session.charts.natal.points.longitude[p] = 3 + 23.7 * (p - 1);
    }
    session.charts.interpretationDay = 2451545;  // 2000 January 1
    TransitInterpretationsCommand(ctx);
    const auto first = session.reports.Current();
    EXPECT_EQ(first[3], "     Saturday, 01 Jan 2000 - Someone");
    EXPECT_NE(std::find(first.begin(), first.end(), "     No aspects today."), first.end());
    // The steps a day on and back: DataForm.MoreStepsTheEphemerisAndTheInterpretations.
    EXPECT_TRUE(session.reports.interpretationStepping);
}

// The first paragraph under a key, leading blanks and case ignored; ten
// empty lines end the search; a missing file has nothing.
TEST(InterpretationFile, KeyMatchFirstParagraphOnly) {
    using Paragraph = std::optional<std::vector<std::string>>;
    const testing::TempFolder folder;
    EXPECT_FALSE(FindInterpretation(folder / "MISSING.TXT", "SUN Trine MOON").has_value());
    const auto file = folder.Write("I.TXT",
                                   "SATURN Square SUN\r\nfirst line\r\nsecond line\r\n\r\n"
                                   "  saturn trine sun\r\nthe trine\r\n\r\n"
                                   "SATURN Trine SUN\r\nsecond copy\r\n" +
                                       std::string(9, '\n') + "C Trine D\nnine were not enough\n" +
                                       std::string(10, '\n') + "E Square F\nunreachable\n");
    for (const auto& [key, paragraph] : std::initializer_list<std::pair<const char*, Paragraph>>{
             {"SATURN Square SUN", std::vector<std::string>{"first line", "second line"}},
             {"SATURN Trine SUN", std::vector<std::string>{"the trine"}},
             {"C Trine D", std::vector<std::string>{"nine were not enough"}},
             {"E Square F", std::nullopt},
             {"SATURN Sextile SUN", std::nullopt}}) {
        EXPECT_EQ(FindInterpretation(file, key), paragraph) << key;
    }
}

}  // namespace
}  // namespace solvaris
