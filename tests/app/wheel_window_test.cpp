#include "app/wheel_window.hpp"

#include <gtest/gtest.h>

#include "app/compute_charts.hpp"
#include "app/wheel_command.hpp"
#include "app/wheel_drawing.hpp"
#include "base/option_numbers.hpp"
#include "engine/calendar.hpp"
#include "people/record_date.hpp"
#include "platform/headless/recording_canvas.hpp"
#include "support/golden_chart.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

TEST(WheelWindow, MenusOfEachWheelOnLoad) {
    struct Case {
        const char* what;
        int family;
        int returnKind;
        int chartType;
        const char* heading;  // line 1 of the first heading
        bool secondPerson;
        WheelMenus menus;  // returns, switch, ASCII, type, European checked
    };
    const WheelMenus single{.asciiChart = true, .chartType = true};
    const Case cases[] = {
        {"natal", 1, 0, 0, "A - natal", false, single},
        {"natal, European", 1, 0, 1, "A - natal", false, {false, false, true, true, true}},
        {"transits", 1, 3, 0, "Transit chart", true, single},
        {"solar return", 1, 4, 0, "A - solar return", false, {true, false, true, true, false}},
        {"lunar return", 1, 5, 1, "A - lunar return", false, {true, false, true, true, true}},
        {"solar search mode", 1, 7, 0, "A", false, {true, false, true, true, false}},
        {"lunar search mode", 1, 8, 0, "A", false, {true, false, true, true, false}},
        {"90-degree single", 1, 0, 1, "A - 90 degree wheel", false, single},
        {"dual", 2, 0, 0, "A - natal", false, WheelMenus{}},
        {"dual, European kept", 2, 0, 1, "A - natal", false, {false, false, false, false, true}},
        {"dual, second person", 2, 0, 0, "A - natal", true, {false, true, false, false, false}},
        {"dual 90-degree, second person", 2, 0, 0, "A - 90 degree wheel", true, WheelMenus{}},
        {"triple, second person", 3, 0, 0, "A - natal", true, WheelMenus{}},
    };
    for (const Case& c : cases) {
        WheelState state;
        state.family = static_cast<WheelFamily>(c.family);
        state.layout = static_cast<WheelLayout>(c.family - 1);
        state.returnKind = c.returnKind;
        state.chartType = c.chartType;
        state.heading1[0] = c.heading;
        EXPECT_EQ(WheelMenusOnLoad(state, c.secondPerson), c.menus) << c.what;
    }
}

// The golden chart computed and the wheel of `kind` prepared, as the Wheels menu does.
struct WheelDesk {
    explicit WheelDesk(WheelKind kind) {
        testing::OpenShippedSession(session);
        testing::TypeGoldenNewYork(natal, diurnal);
        EXPECT_TRUE(ComputeChartStore(session, natal, diurnal, HouseSystem::Placidus, platform));
        EXPECT_TRUE(RunWheelCommand(session, kind, diurnal, platform));
    }
    // The day number of the prepared centre chart's date ("dd mmm yyyy").
    double CentreDay() const {
        const auto date = ParseRecordDate(session.wheel.innerHeader[1], DateOrder::DayMonthYear);
        EXPECT_TRUE(date) << session.wheel.innerHeader[1];
        return date ? JulianDayNumber(date->year, date->month, date->day) : 0;
    }
    Session session;
    ScriptedPlatform platform;
    NatalEntryWindow natal;
    DiurnalEntryWindow diurnal;
};

TEST(WheelWindow, ReturnsStepAYearOrALunarMonthAndOtherWheelsStay) {
    constexpr double kLunarMonthDays = 27.32;
    struct Case {
        const char* what;
        WheelKind kind;
        ReturnStep step;
        bool stepped;
        double days;  // from the first return to the stepped one
        double toleranceDays;
    };
    const Case cases[] = {
        {"solar next", WheelKind::SolarReturn, ReturnStep::Next, true, 365.25, 1.5},
        {"solar previous", WheelKind::SolarReturn, ReturnStep::Previous, true, -365.25, 1.5},
        {"lunar next", WheelKind::LunarReturn, ReturnStep::Next, true, kLunarMonthDays, 1.5},
        {"lunar previous", WheelKind::LunarReturn, ReturnStep::Previous, true, -kLunarMonthDays,
         1.5},
        {"natal", WheelKind::Natal, ReturnStep::Next, false, 0, 0},
        {"dual solar return", WheelKind::DualSolarReturn, ReturnStep::Next, false, 0, 0},
        {"flat", WheelKind::Flat, ReturnStep::Previous, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WheelDesk desk(c.kind);
        const WheelSetup before = desk.session.wheel;
        const ReturnSearch search = desk.session.returnSearch;
        const double firstDay = desk.CentreDay();
        EXPECT_EQ(StepReturnWheel(desk.session, c.step, desk.diurnal, desk.platform), c.stepped);
        const WheelSetup& after = desk.session.wheel;
        if (!c.stepped) {
            EXPECT_EQ(after.longitude, before.longitude);
            EXPECT_EQ(after.innerHeader, before.innerHeader);
            EXPECT_EQ(desk.session.returnSearch.solarYear, search.solarYear);
            EXPECT_EQ(desk.session.returnSearch.lunarDay, search.lunarDay);
            continue;
        }
        EXPECT_NEAR(desk.CentreDay() - firstDay, c.days, c.toleranceDays);
        if (c.kind == WheelKind::SolarReturn) {
            EXPECT_EQ(desk.session.returnSearch.solarYear,
                      search.solarYear + (c.step == ReturnStep::Next ? 1 : -1));
            // The Sun comes back to its natal place every year.
            EXPECT_NEAR(after.longitude[Sun], before.longitude[Sun], 1e-3);
        }
        EXPECT_EQ(after.kind, before.kind);
        EXPECT_EQ(after.innerHeader[0], before.innerHeader[0]);
        // A second step back the other way returns to the first return.
        const ReturnStep back =
            c.step == ReturnStep::Next ? ReturnStep::Previous : ReturnStep::Next;
        EXPECT_TRUE(StepReturnWheel(desk.session, back, desk.diurnal, desk.platform));
        EXPECT_EQ(after.innerHeader[1], before.innerHeader[1]);
        EXPECT_TRUE(desk.platform.Messages().empty());
    }
}

TEST(WheelWindow, SwitchTurnsTheTransitsDualWheelInsideOutAndBack) {
    for (const bool secondPerson : {false, true}) {
        WheelDesk desk(WheelKind::DualTransits);
        desk.diurnal.chk2ndPerson = secondPerson;
        desk.diurnal.chk2ndPersonCaption = "Second Person";
        ASSERT_TRUE(
            RunWheelCommand(desk.session, WheelKind::DualTransits, desk.diurnal, desk.platform));
        const WheelSetup first = desk.session.wheel;
        const ChartStore& charts = desk.session.charts;

        ASSERT_TRUE(SwitchWheel(desk.session, WheelKind::DualTransits, desk.diurnal));
        const WheelSetup& wheel = desk.session.wheel;
        EXPECT_TRUE(wheel.switched);
        EXPECT_EQ(wheel.longitude, charts.transit.points.longitude);
        EXPECT_EQ(wheel.second.longitude, charts.natal.points.longitude);
        EXPECT_EQ(charts.working.points.longitude, charts.transit.points.longitude);
        EXPECT_EQ(charts.outerRing.longitude, charts.natal.points.longitude);
        EXPECT_EQ(wheel.secondHeader[0], first.innerHeader[0]);
        if (secondPerson) {
            EXPECT_EQ(wheel.innerHeader[0], "Second Person - natal");
        }

        ASSERT_TRUE(SwitchWheel(desk.session, WheelKind::DualTransits, desk.diurnal));
        EXPECT_FALSE(wheel.switched);
        EXPECT_EQ(wheel.longitude, first.longitude);
        EXPECT_EQ(wheel.second.longitude, first.second.longitude);
        EXPECT_EQ(wheel.innerHeader, first.innerHeader);
        EXPECT_EQ(wheel.secondHeader, first.secondHeader);
        EXPECT_EQ(desk.session.currentOrbFile, (desk.session.folder / first.orbFileName).string());
    }
    for (const WheelKind other : {WheelKind::Natal, WheelKind::DualProgressed}) {
        WheelDesk desk(other);
        const WheelSetup before = desk.session.wheel;
        EXPECT_FALSE(SwitchWheel(desk.session, other, desk.diurnal));
        EXPECT_EQ(desk.session.wheel.longitude, before.longitude);
        EXPECT_FALSE(desk.session.wheel.switched);
    }
}

// The printed aspect grid reads the session's one orb table, as the grid window does.
TEST(WheelDrawing, PrintedAspectGridKeepsTheOrbsAFileDoesNotSet) {
    WheelDesk desk(WheelKind::Natal);
    Session& session = desk.session;
    session.options.Set(opt::PrintedAspectGrid, 1);
    testing::TempFolder folder;
    folder.Write("SHORT.ORB", "  2.5  Conjunction\r\n  3.5  Sextile\r\n  4.5  Square\r\n\r\n");
    session.currentOrbFile = (folder / "SHORT.ORB").string();
    session.orbTable.fill(9);
    WheelDrawing drawing;
    ASSERT_EQ(LoadWheelDrawing(session, false, drawing), "");
    drawing.state.printMode = WheelPrintMode::FullPage;
    RecordingCanvas canvas;
    PaintSessionWheel(session, drawing, canvas, desk.platform, 1024, 768);
    for (int entry = 1; entry <= kOrbEntries; ++entry) {  // the file's 2.5, 3.5, 4.5, then 9
        EXPECT_FLOAT_EQ(session.orbTable[entry], entry <= 3 ? 1.5f + entry : 9.0f) << entry;
    }
    EXPECT_TRUE(desk.platform.Messages().empty());
}

}  // namespace
}  // namespace solvaris
