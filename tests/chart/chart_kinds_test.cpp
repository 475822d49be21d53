// The chart sets cast from the birth data (progressions, solar arcs, the Part
// of Fortune) and the wheels of every kind shown from them.
#include "chart/chart_kinds.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "app/wheel_command.hpp"
#include "base/option_numbers.hpp"
#include "chart/chart_sets.hpp"
#include "chart/progressions.hpp"
#include "chart/zodiac.hpp"
#include "engine/angles.hpp"
#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

const Ephemeris kBuiltIn;

class ChartKinds : public ::testing::Test {
protected:
    void SetUp() override {
        natal = Person(5, 12, 1950, 7.45f, "P.M.");
        natal.name = "Sample";
        diurnal = Person(1, 1, 2000, 12.00f, "P.M.", 8, 118.15f, 34.03f);
        options.Set(212, 1);
        ASSERT_TRUE(ComputeChartSets(
            {natal, diurnal, AgeYears(natal, diurnal), HouseSystem::Placidus, options, kBuiltIn},
            charts));
    }
    WheelSetup Prepare(WheelKind kind, bool secondPerson = false) {
        const auto setup = PrepareWheel(
            kind, {charts, natal, diurnal, secondPerson, "Second Person"}, options, platform);
        EXPECT_TRUE(setup);
        return setup.value_or(WheelSetup{});
    }
    BirthData natal, diurnal;
    OptionTable options;
    ChartStore charts;
    ScriptedPlatform platform;
};

// One kind of each family; the natal header is the golden ASCII chart's heading.
TEST_F(ChartKinds, HeadersOrbFilesAndRingsAlsoOfASecondPerson) {
    struct Case {
        WheelKind kind;
        const char* orbs;
        int layout, family;
        const char* line;  // inner line 1 of singles, second line 6 or 7 of the others
    };
    for (const Case& c : {
             Case{WheelKind::Progressed, "PROGRESS.ORB", 0, 1, "Sample - progressed"},
             Case{WheelKind::DualTransits, "NAT2TRAN.ORB", 1, 2, "Inner = transits"},
             Case{WheelKind::TripleSolarArc, "NAT2SA.ORB", 2, 3, "Middle = solar arc"},
         }) {
        const WheelSetup w = Prepare(c.kind);
        EXPECT_EQ(w.orbFileName, c.orbs) << c.line;
        EXPECT_EQ(w.layout, c.layout) << c.line;
        EXPECT_EQ(w.family, c.family) << c.line;
        const std::string& line = w.family == 1   ? w.innerHeader[0]
                                  : w.family == 2 ? w.secondHeader[5]
                                                  : w.secondHeader[6];
        EXPECT_EQ(line, c.line);
    }
    const WheelSetup p = Prepare(WheelKind::Progressed);
    EXPECT_EQ(p.secondHeader[5], "House cusps are cusps");
    EXPECT_EQ(p.secondHeader[6], "at last birthday.");
    EXPECT_EQ(p.longitude, charts.progressed.points.longitude);
    EXPECT_EQ(Prepare(WheelKind::Flat).innerHeader[6], "");
    const WheelSetup t = Prepare(WheelKind::TripleProgressed);
    EXPECT_EQ(t.second.longitude, charts.progressed.points.longitude);
    EXPECT_EQ(t.third.longitude, charts.transit.points.longitude);
    EXPECT_EQ(t.longitude, charts.natal.points.longitude);
    EXPECT_EQ(Prepare(WheelKind::Transits).innerHeader[3], "118.15 WEST");

    options.Set(216, 1);
    EXPECT_EQ(Prepare(WheelKind::DualProgressed).secondHeader[5], "Outer = progressed");
    options.Set(216, 0);

    // A second person's charts.
    WheelSetup single = Prepare(WheelKind::Transits, true);
    EXPECT_EQ(single.innerHeader[0], "Second Person");
    EXPECT_EQ(single.innerHeader[5], charts.transit.texts.siderealTimeText);
    EXPECT_EQ(single.orbFileName, "NATAL.ORB");

    WheelSetup dual = Prepare(WheelKind::DualTransits, true);
    EXPECT_EQ(dual.secondHeader[0], "Second Person");
    EXPECT_EQ(dual.secondHeader[6], "Inner - natal");
    EXPECT_EQ(dual.orbFileName, "SYNASTRY.ORB");
    // Turned inside out (the rings' swap is the wheel window's): cast at the transit place.
    SwitchDualTransits(dual, {charts, natal, diurnal, true, "Second Person"});
    EXPECT_EQ(dual.secondHeader[0], "Sample - natal");
    EXPECT_EQ(dual.placeLongitude, diurnal.longitude);
}

// With the extra points shown every ring carries its own chart's: the
// natal, the transit moment's, the progressed moment's, the natal ones moved
// by the solar arc (no motion of their own); not the harmonic or return
// rings. Switching the dual transits wheel trades them with the charts.
TEST_F(ChartKinds, EachRingCarriesItsOwnChartsExtraPoints) {
    options.Set(opt::ExtraPoints, 1);
    ASSERT_TRUE(ComputeChartSets(
        {natal, diurnal, AgeYears(natal, diurnal), HouseSystem::Placidus, options, kBuiltIn},
        charts));
    const std::vector<ExtraPlace> none;
    const std::vector<ExtraPlace>& natalExtra = charts.natal.extraPoints;
    ASSERT_EQ(natalExtra.size(), 3u);  // the two Liliths and Chiron
    const std::vector<ExtraPlace> transit = ExtraPointsInZodiac(kBuiltIn, {}, charts.transit.jd);
    const std::vector<ExtraPlace> progressed =
        ExtraPointsInZodiac(kBuiltIn, {}, charts.progressed.jd);
    std::vector<ExtraPlace> solarArc = natalExtra;
    for (ExtraPlace& place : solarArc) {
        place.longitude = Normalize360(place.longitude + charts.solarArc.arc);
        place.nextDayLongitude = place.longitude;
    }
    const auto longitudes = [](const std::vector<ExtraPlace>& places) {
        std::vector<std::pair<int, double>> seen;
        for (const ExtraPlace& place : places) {
            seen.emplace_back(static_cast<int>(place.point), place.longitude);
            seen.emplace_back(-1, place.nextDayLongitude);
        }
        return seen;
    };
    struct Case {
        WheelKind kind;
        const std::vector<ExtraPlace>& centre;
        const std::vector<ExtraPlace>& second;
        const std::vector<ExtraPlace>& third;
    };
    for (const Case& c : {
             Case{WheelKind::Natal, natalExtra, none, none},
             Case{WheelKind::Transits, transit, none, none},
             Case{WheelKind::Progressed, progressed, none, none},
             Case{WheelKind::SolarArc, solarArc, none, none},
             Case{WheelKind::WholeSignAsc, natalExtra, none, none},
             Case{WheelKind::DualTransits, natalExtra, transit, none},
             Case{WheelKind::DualProgressed, natalExtra, progressed, none},
             Case{WheelKind::DualSolarArc, natalExtra, solarArc, none},
             Case{WheelKind::TripleProgressed, natalExtra, progressed, transit},
             Case{WheelKind::TripleSolarArc, natalExtra, solarArc, transit},
         }) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        const WheelSetup w = Prepare(c.kind);
        EXPECT_EQ(longitudes(w.extraPoints), longitudes(c.centre));
        EXPECT_EQ(longitudes(w.second.extraPoints), longitudes(c.second));
        EXPECT_EQ(longitudes(w.third.extraPoints), longitudes(c.third));
    }
    WheelSetup dual = Prepare(WheelKind::DualTransits);
    SwitchDualTransits(dual, {charts, natal, diurnal, false, ""});
    EXPECT_EQ(longitudes(dual.extraPoints), longitudes(transit));
    EXPECT_EQ(longitudes(dual.second.extraPoints), longitudes(natalExtra));
    SwitchDualTransits(dual, {charts, natal, diurnal, false, ""});
    EXPECT_EQ(longitudes(dual.extraPoints), longitudes(natalExtra));
    EXPECT_EQ(longitudes(dual.second.extraPoints), longitudes(transit));

    options.Set(opt::ExtraPoints, 0);
    const WheelSetup off = Prepare(WheelKind::TripleProgressed);
    EXPECT_TRUE(off.second.extraPoints.empty());
    EXPECT_TRUE(off.third.extraPoints.empty());
}

TEST_F(ChartKinds, HouseFrames) {
    charts.natal.points.longitude[Ascendant] = 89 + 59.0 / 60;  // 29 59 Gemini
    charts.natal.points.longitude[Sun] = 135;                   // 15 Leo
    charts.natal.points.longitude[Midheaven] = 301.5;
    struct Case {
        WheelKind frame;
        double first;  // the 1st-house cusp
    };
    for (const Case& c : {Case{WheelKind::Flat, 0}, Case{WheelKind::Solar, 120},
                          Case{WheelKind::SolarEquilibrium, 135}, Case{WheelKind::WholeSignAsc, 60},
                          Case{WheelKind::WholeSignMC, 30}}) {
        const CuspSet cusps = FrameCusps(c.frame, charts);
        for (int house = 1; house <= 12; ++house) {
            EXPECT_NEAR(cusps[SlotOfHouse(house)], std::fmod(c.first + 30 * (house - 1), 360), 1e-9)
                << static_cast<int>(c.frame) << " house " << house;
        }
    }
    const WheelSetup w = Prepare(WheelKind::SolarEquilibrium);
    EXPECT_EQ(w.texts.housePositionText.substr(0, 10), " 1ST HOUSE");  // the Sun on its cusp
}

TEST_F(ChartKinds, RefusalAndReturnsThroughTheSession) {
    Session session;
    session.options.Set(212, 0);
    session.charts = charts;
    session.natal = natal;
    session.diurnal = diurnal;
    session.returnSearch = InitialReturnSearch(natal, diurnal);
    ASSERT_TRUE(RunWheelCommand(session, WheelKind::Natal, {}, platform));
    EXPECT_FALSE(RunWheelCommand(session, WheelKind::Progressed, {}, platform));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text,
              "This feature is NOT allowed when option #212 is set to zero.");
    EXPECT_EQ(platform.Messages()[0].title, "INFORMATION");
    EXPECT_EQ(session.wheel.innerHeader[0], "Sample - natal");  // the previous wheel stands

    // The returns searched from the session's search (the steps are the wheel window's).
    ASSERT_TRUE(RunWheelCommand(session, WheelKind::DualLunarReturn, {}, platform));
    EXPECT_EQ(session.currentOrbFile, (session.folder / "NAT2LR.ORB").string());
    EXPECT_EQ(session.wheel.secondHeader[0], "Lunar return");
    EXPECT_EQ(session.wheel.secondHeader[5], "Inner = Lunar return");
}

TEST(Progressions, InterpolationTakesTheShortWayAndTheSolarArc) {
    struct Case {
        double value, nextYear, f, result;
    };
    for (const Case& c : {Case{355, 8, 0.5, 1.5}, Case{12, 10, 0.5, 11}, Case{5, 355, 0.5, 0},
                          Case{350, 20, 0, 350}}) {
        EXPECT_NEAR(InterpolateAngle(c.value, c.nextYear, c.f), c.result, 1e-9)
            << c.value << " " << c.nextYear;
    }
    EXPECT_NEAR(SolarArcDegrees(10, 350, 0, 5), 20, 1e-12);
    EXPECT_EQ(SolarArcDegrees(10, 350, 1, 0), 0);
    EXPECT_NEAR(SolarArcDegrees(10, 350, 1, 30), 29.566666668, 1e-9);
    EXPECT_NEAR(ProgressionFraction(2451545, 2451545 + 365.25 / 2), 0.5, 1e-12);
}

TEST(ChartSets, ProgressionsOnTheBirthdayAndTheSolarArcAngles) {
    const BirthData natal = Person(15, 6, 1960, 7.30f, "A.M.", 5, 74.00f, 40.43f);
    const BirthData diurnal = Person(15, 6, 2000, 3.00f, "P.M.", 5, 74.00f, 40.43f);
    OptionTable options;
    options.Set(212, 1);
    ChartStore store;
    ASSERT_TRUE(ComputeChartSets(
        {natal, diurnal, AgeYears(natal, diurnal), HouseSystem::Placidus, options, kBuiltIn},
        store));
    for (int p = Sun; p <= Midheaven; ++p) {
        if (p == PartOfFortune) {
            continue;
        }
        EXPECT_NEAR(store.progressed.points.longitude[p], store.progressed.atBirthday.longitude[p],
                    1e-9)
            << p;
    }
    // Forty days after birth the progressed Sun, and the solar arc, are about forty degrees on.
    const double arc =
        Normalize360(store.progressed.points.longitude[Sun] - store.natal.points.longitude[Sun]);
    EXPECT_NEAR(arc, 38.5, 1.5);
    EXPECT_NEAR(store.solarArc.arc, arc, 1e-5);
    EXPECT_EQ(store.outerRing.longitude, store.transit.points.longitude);

    // Option 212 at 0: the progressed angles move by the solar arc.
    const BirthData berlin = Person(3, 2, 1971, 10.05f, "P.M.", -1, -13.24f, 52.31f);
    const BirthData moment = Person(20, 9, 2010, 9.00f, "A.M.", -1, -13.24f, 52.31f);
    ASSERT_TRUE(ComputeChartSets(
        {berlin, moment, AgeYears(berlin, moment), HouseSystem::Koch, OptionTable{}, kBuiltIn},
        store));
    const PointSet& birthday = store.progressed.atBirthday;
    EXPECT_NEAR(
        Normalize360(birthday.longitude[Midheaven] - store.natal.points.longitude[Midheaven]),
        Normalize360(birthday.longitude[Sun] - store.natal.points.longitude[Sun]), 1e-9);
}

TEST(ChartSets, PartOfFortuneByOption33) {
    // A noon birth: the Sun above the horizon, near the 10th house.
    const BirthData natal = Person(21, 3, 1985, 12.00f, "P.M.", 0, 0.00f, 51.30f);
    const BirthData diurnal = natal;
    for (float option : {0.0f, 1.0f, 2.0f}) {
        OptionTable options;
        options.Set(33, option);
        ChartStore store;
        ASSERT_TRUE(
            ComputeChartSets({natal, diurnal, 0, HouseSystem::Placidus, options, kBuiltIn}, store));
        const PointArray& l = store.natal.points.longitude;
        const double day = Normalize360(l[Moon] + l[Ascendant] - l[Sun]);
        const double night = Normalize360(l[Sun] + l[Ascendant] - l[Moon]);
        EXPECT_NEAR(l[PartOfFortune], option == 1 ? night : day, 1e-9) << option;
    }
}

}  // namespace
}  // namespace solvaris
