#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/chart_sets.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/derived_reports.hpp"
#include "reports/position_format.hpp"
#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

// The layouts are the golden reports'; here the travel across 0 Aries and
// the equal houses of the progressed chart.
TEST(PositionReports, ProgressedTravelAndEqualCusps) {
    ReportSession session;
    ScriptedPlatform platform;
    RecordingDataWindow window;
    ReportContext ctx{session, platform, window};
    session.natal = Person(5, 12, 1950, 7.45f, "P.M.");
    session.diurnal = Person(1, 1, 2000, 12.00f, "P.M.");
    session.options.Set(212, 1);
    const auto line = [&](const std::string& start) {
        ctx.Begin();
        ProgressedPositions(ctx);
        const auto& lines = session.reports.Current();
        const auto it = std::find_if(lines.begin(), lines.end(),
                                     [&](const std::string& l) { return l.starts_with(start); });
        return it == lines.end() ? std::string() : *it;
    };
    for (const HouseSystem system : {HouseSystem::Placidus, HouseSystem::EqualAscendant}) {
        ASSERT_TRUE(
            ComputeChartSets({session.natal, session.diurnal,
                              AgeYears(session.natal, session.diurnal), system, session.options},
                             session.charts));
    }
    const double asc = session.charts.progressed.points.longitude[Ascendant];
    EXPECT_EQ(line("  10TH house = ").substr(15, 9), LongitudeDM(std::fmod(asc + 270, 360)));

    session.charts.natal.points.longitude[Midheaven] = 350;
    session.charts.progressed.points.longitude[Midheaven] = 10;
    EXPECT_EQ(line("  Progressed  MC"), "  Progressed  MC has traveled 20.00 degrees.");
}

}  // namespace
}  // namespace solvaris
