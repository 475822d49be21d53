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

class PositionReports : public ::testing::Test {
protected:
    void SetUp() override {
        session.natal = Person(5, 12, 1950, 7.45f, "P.M.");
        session.natal.name = "Sample";
        session.diurnal = Person(1, 1, 2000, 12.00f, "P.M.");
        session.options.Set(212, 1);
        Compute(HouseSystem::Placidus);
    }
    void Compute(HouseSystem system) {
        ASSERT_TRUE(
            ComputeChartSets({session.natal, session.diurnal,
                              AgeYears(session.natal, session.diurnal), system, session.options},
                             session.charts));
    }
    std::vector<std::string> Run(void (*report)(ReportContext&)) {
        ctx.Begin();
        report(ctx);
        return session.reports.Current();
    }
    static const std::string* Find(const std::vector<std::string>& lines,
                                   const std::string& start) {
        const auto it = std::find_if(lines.begin(), lines.end(),
                                     [&](const std::string& l) { return l.starts_with(start); });
        return it == lines.end() ? nullptr : &*it;
    }
    ReportSession session;
    ScriptedPlatform platform;
    RecordingDataWindow window;
    ReportContext ctx{session, platform, window};
};

// The natal, solar arc and summary lists are the golden reports'; here the
// travel across 0 Aries and the equal houses of the progressed chart.
TEST_F(PositionReports, ProgressedCuspsAndTravel) {
    auto lines = Run(ProgressedPositions);
    const std::string* cusps = Find(lines, "  10TH house = ");
    ASSERT_NE(cusps, nullptr);
    EXPECT_NE(cusps->find(" 1ST house = "), std::string::npos);  // one line: 10th and 1st
    EXPECT_EQ(Find(lines, "   2ND"), nullptr);

    session.charts.natal.points.longitude[Midheaven] = 350;
    session.charts.progressed.points.longitude[Midheaven] = 10;
    lines = Run(ProgressedPositions);
    EXPECT_EQ(*Find(lines, "  Progressed  MC"), "  Progressed  MC has traveled 20.00 degrees.");

    Compute(HouseSystem::EqualAscendant);
    lines = Run(ProgressedPositions);
    const double asc = session.charts.progressed.points.longitude[Ascendant];
    EXPECT_EQ(Find(lines, "  10TH house = ")->substr(15, 9),
              LongitudeDM(std::fmod(asc + 270, 360)));
}

}  // namespace
}  // namespace solvaris
