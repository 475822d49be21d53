#include "app/wheel_window.hpp"

#include <gtest/gtest.h>

#include "app/compute_charts.hpp"
#include "app/wheel_command.hpp"
#include "engine/calendar.hpp"
#include "people/record_date.hpp"
#include "support/golden_chart.hpp"
#include "support/scripted_platform.hpp"

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
        state.family = c.family;
        state.layout = c.family - 1;
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
        WheelDesk desk(c.kind);
        const WheelSetup before = desk.session.wheel;
        const ReturnSearch search = desk.session.returnSearch;
        const double firstDay = desk.CentreDay();
        EXPECT_EQ(StepReturnWheel(desk.session, c.step, desk.diurnal, desk.platform), c.stepped)
            << c.what;
        if (!c.stepped) {
            EXPECT_EQ(desk.session.wheel.longitude, before.longitude) << c.what;
            EXPECT_EQ(desk.session.wheel.innerHeader, before.innerHeader) << c.what;
            EXPECT_EQ(desk.session.returnSearch.solarYear, search.solarYear) << c.what;
            EXPECT_EQ(desk.session.returnSearch.lunarDay, search.lunarDay) << c.what;
            continue;
        }
        EXPECT_NEAR(desk.CentreDay() - firstDay, c.days, c.toleranceDays) << c.what;
        if (c.kind == WheelKind::SolarReturn) {
            EXPECT_EQ(desk.session.returnSearch.solarYear,
                      search.solarYear + (c.step == ReturnStep::Next ? 1 : -1))
                << c.what;
            // The Sun comes back to its natal place every year.
            EXPECT_NEAR(desk.session.wheel.longitude[Sun], before.longitude[Sun], 1e-3) << c.what;
        }
        EXPECT_EQ(desk.session.wheel.kind, before.kind) << c.what;
        EXPECT_EQ(desk.session.wheel.innerHeader[0], before.innerHeader[0]) << c.what;
        // A second step back the other way returns to the first return.
        const ReturnStep back =
            c.step == ReturnStep::Next ? ReturnStep::Previous : ReturnStep::Next;
        EXPECT_TRUE(StepReturnWheel(desk.session, back, desk.diurnal, desk.platform)) << c.what;
        EXPECT_EQ(desk.session.wheel.innerHeader[1], before.innerHeader[1]) << c.what;
        EXPECT_TRUE(desk.platform.Messages().empty()) << c.what;
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
        const WheelSetup& switched = desk.session.wheel;
        EXPECT_TRUE(switched.switched);
        EXPECT_EQ(switched.longitude, charts.transit.points.longitude);
        EXPECT_EQ(switched.second.longitude, charts.natal.points.longitude);
        EXPECT_EQ(charts.working.points.longitude, charts.transit.points.longitude);
        EXPECT_EQ(charts.outerRing.longitude, charts.natal.points.longitude);
        EXPECT_EQ(switched.secondHeader[0], first.innerHeader[0]);
        if (secondPerson) {
            EXPECT_EQ(switched.innerHeader[0], "Second Person - natal");
        }

        ASSERT_TRUE(SwitchWheel(desk.session, WheelKind::DualTransits, desk.diurnal));
        EXPECT_FALSE(desk.session.wheel.switched);
        EXPECT_EQ(desk.session.wheel.longitude, first.longitude);
        EXPECT_EQ(desk.session.wheel.second.longitude, first.second.longitude);
        EXPECT_EQ(desk.session.wheel.innerHeader, first.innerHeader);
        EXPECT_EQ(desk.session.wheel.secondHeader, first.secondHeader);
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

}  // namespace
}  // namespace solvaris
