// The sidereal zodiac from the command line: every longitude, cusp and angle
// of the chart the tropical one less the ayanamsa of its chart's moment, the
// equatorial places unchanged, whole signs from the sidereal Ascendant, the
// headings that name it, and the tropical files as they were.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/command_outcome.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

// The numbers of "key":[...] or "key":number at the first `key` after `from`.
std::vector<double> Values(const std::string& json, const std::string& from,
                           const std::string& key) {
    EXPECT_NE(json.find("\"" + key + "\":", json.find(from)), std::string::npos)
        << from << " " << key;
    return testing::JsonNumbers(json, key, from);
}

std::string Text(const std::string& json, const std::string& from, const std::string& key) {
    const auto start = json.find("\"" + key + "\":\"", json.find(from)) + key.size() + 4;
    return json.substr(start, json.find('"', start) - start);
}

double Wrapped(double degrees) { return std::remainder(degrees, 360); }

void ExpectShifted(const std::vector<double>& tropical, const std::vector<double>& sidereal,
                   double ayanamsa, const std::string& what) {
    ASSERT_EQ(tropical.size(), sidereal.size()) << what;
    for (std::size_t i = 0; i < tropical.size(); ++i) {
        EXPECT_NEAR(Wrapped(tropical[i] - ayanamsa - sidereal[i]), 0, 2e-7) << what << " " << i;
        EXPECT_GE(sidereal[i], 0) << what;
        EXPECT_LT(sidereal[i], 360) << what;
    }
}

struct Birth {
    std::vector<std::string> args;
};

const Birth kBirths[] = {
    // Each with its diurnal date: a transit chart of the present moment would
    // move between the tropical and the sidereal run.
    {{"--person", "Sample Natal", "--diurnal-date", "2026-12-09"}},
    {{"--date", "1975-03-10", "--time", "4:20pm", "--zone", "-2", "--lon", "24e56", "--lat",
      "60n10", "--diurnal-date", "2026-12-09"}},
    {{"--date", "1932-08-01", "--time", "11:05am", "--zone", "3", "--lon", "58w23", "--lat",
      "34s36", "--diurnal-date", "2031-01-15"}},
};

const std::vector<std::string> kAyanamsas[] = {
    {"--ayanamsa", "lahiri"},
    {"--zodiac", "sidereal", "--ayanamsa", "fagan-bradley"},
    {"--ayanamsa", "krishnamurti"},
    {"--ayanamsa", "raman"},
    {"--ayanamsa", "user", "--ayanamsa-value", "23.5", "--ayanamsa-epoch", "1975.5"},
};

Outcome Chart(const Birth& birth, const std::string& house, const std::vector<std::string>& more) {
    std::vector<std::string> args = {"chart", "--format", "json", "--house", house};
    args.insert(args.end(), birth.args.begin(), birth.args.end());
    args.insert(args.end(), more.begin(), more.end());
    return RunArgs(args);
}

// Either engine: the built-in one with its ayanamsas from the precession,
// Swiss Ephemeris with its own.
TEST(SiderealZodiac, EveryChartIsTheTropicalOneLessItsAyanamsa) {
    for (const std::string engine : {"builtin", "swiss"}) {
        const std::vector<std::string> engineArgs = {"--ephemeris", engine};
        for (const Birth& birth : kBirths) {
            for (const std::string house : {"placidus", "koch", "equal-asc"}) {
                const Outcome tropical = Chart(birth, house, engineArgs);
                ASSERT_EQ(tropical.status, 0) << tropical.err;
                EXPECT_EQ(tropical.out.find("\"zodiac\""), std::string::npos);
                for (std::vector<std::string> ayanamsa : kAyanamsas) {
                    const std::string what =
                        engine + " " + birth.args[1] + " " + house + " " + ayanamsa[1];
                    ayanamsa.insert(ayanamsa.end(), engineArgs.begin(), engineArgs.end());
                    const Outcome sidereal = Chart(birth, house, ayanamsa);
                    ASSERT_EQ(sidereal.status, 0) << sidereal.err;
                    const std::string& t = tropical.out;
                    const std::string& s = sidereal.out;
                    const double natal = Values(s, "\"ayanamsa_deg\"", "natal")[0];
                    const double progressed = Values(s, "\"ayanamsa_deg\"", "progressed")[0];
                    const double transit = Values(s, "\"ayanamsa_deg\"", "transit")[0];
                    // Any of them lies between 20 and 26 degrees from 1900 to 2100.
                    EXPECT_GT(natal, 20) << what;
                    EXPECT_LT(natal, 26) << what;
                    const std::pair<const char*, double> sets[] = {{"\"natal\":{", natal},
                                                                   {"\"progressed\":{", progressed},
                                                                   {"\"transit\":{", transit}};
                    for (const auto& [set, aya] : sets) {
                        ExpectShifted(Values(t, set, "longitude"), Values(s, set, "longitude"), aya,
                                      what + set);
                        ExpectShifted(Values(t, set, "cusps"), Values(s, set, "cusps"), aya,
                                      what + set);
                        for (const char* same : {"declination", "right_ascension"}) {
                            EXPECT_EQ(Values(t, set, same), Values(s, set, same)) << what << set;
                        }
                        EXPECT_EQ(Text(t, set, "houses"), Text(s, set, "houses")) << what << set;
                    }
                    // The eighth special point is always 0.
                    std::vector<double> tropicalSpecial =
                        Values(t, "\"special_points\"", "special_points");
                    std::vector<double> siderealSpecial =
                        Values(s, "\"special_points\"", "special_points");
                    EXPECT_EQ(siderealSpecial.back(), 0);
                    tropicalSpecial.pop_back();
                    siderealSpecial.pop_back();
                    ExpectShifted(tropicalSpecial, siderealSpecial, natal,
                                  what + " special points");
                    ExpectShifted(Values(t, "\"transit_special_points\"", "transit_special_points"),
                                  Values(s, "\"transit_special_points\"", "transit_special_points"),
                                  transit, what + " transit special points");
                    ExpectShifted(Values(t, "\"true_node\"", "longitude"),
                                  Values(s, "\"true_node\"", "longitude"), natal,
                                  what + " true node");
                    // The solar arc is the sidereal progressed Sun's less the
                    // sidereal natal Sun's, kept in single precision.
                    const double tropicalArc = Values(t, "\"solar_arc\"", "arc")[0];
                    const double arc = Values(s, "\"solar_arc\"", "arc")[0];
                    EXPECT_NEAR(arc, tropicalArc - (progressed - natal), 2e-5) << what;
                    ExpectShifted(Values(s, "\"natal\":{", "longitude"),
                                  Values(s, "\"solar_arc\"", "longitude"), -arc,
                                  what + " solar arc");
                    ExpectShifted(Values(s, "\"natal\":{", "cusps"),
                                  Values(s, "\"solar_arc\"", "cusps"), -arc,
                                  what + " solar arc cusps");
                }
            }
        }
    }
}

TEST(SiderealZodiac, WholeSignsAreSiderealSignsFromTheSiderealAscendant) {
    for (const Birth& birth : kBirths) {
        const Outcome chart = Chart(birth, "whole-sign", {"--ayanamsa", "lahiri"});
        ASSERT_EQ(chart.status, 0) << chart.err;
        for (const char* set : {"\"natal\":{", "\"transit\":{"}) {
            const std::vector<double> longitudes = Values(chart.out, set, "longitude");
            const std::vector<double> cusps = Values(chart.out, set, "house_cusps");
            ASSERT_EQ(cusps.size(), 12u);
            EXPECT_EQ(cusps[0], 30 * std::floor(longitudes[13] / 30)) << birth.args[1] << set;
            for (std::size_t house = 1; house < 12; ++house) {
                EXPECT_EQ(std::fmod(cusps[house] - cusps[house - 1] + 360, 360), 30);
            }
        }
        const std::string natal = chart.out.substr(0, chart.out.find("\"progressed\":"));
        const std::string ascendant = natal.substr(natal.find("{\"name\":\"Ascendant\""));
        EXPECT_NE(ascendant.find("\"house\":1,"), std::string::npos) << ascendant;
    }
}

TEST(SiderealZodiac, HeadingsNameItAndTropicalOutputStaysAsItWas) {
    const std::vector<std::string> person = {"--person", "Sample Natal"};
    const auto run = [&](std::vector<std::string> args, const std::vector<std::string>& more) {
        args.insert(args.end(), person.begin(), person.end());
        args.insert(args.end(), more.begin(), more.end());
        return RunArgs(args);
    };
    // Every command that prints a longitude (the aspect grid prints aspects
    // alone, the same in either zodiac).
    const std::vector<std::string> commands[] = {
        {"report", "natal"},
        {"report", "transit-data"},
        {"report", "ascii-chart"},
        {"chart", "--format", "json"},
        {"report", "lunations"},
        {"report", "ephemeris"},
        {"report", "interpretations"},
        {"report", "solar-arc-data"},
        {"timeline", "--from", "2024-03-01", "--to", "2024-03-10"},
        {"return", "solar"},
    };
    for (const std::vector<std::string>& command : commands) {
        const Outcome plain = run(command, {});
        const Outcome tropical = run(command, {"--zodiac", "tropical", "--ayanamsa-value", "3"});
        ASSERT_EQ(plain.status, 0) << plain.err;
        EXPECT_EQ(plain.out, tropical.out) << command[1];
        EXPECT_EQ(plain.out.find("Sidereal"), std::string::npos) << command[1];
        const Outcome sidereal = run(command, {"--ayanamsa", "raman"});
        ASSERT_EQ(sidereal.status, 0) << sidereal.err;
        EXPECT_NE(sidereal.out.find("Sidereal (Raman)"), std::string::npos) << command[1];
        EXPECT_NE(sidereal.out, plain.out) << command[1];
    }
    // Tropical again after the ayanamsa: --zodiac has the last word.
    const Outcome back = run({"report", "natal"}, {"--ayanamsa", "lahiri", "--zodiac", "tropical"});
    EXPECT_EQ(back.out, run({"report", "natal"}, {}).out);
}

TEST(SiderealZodiac, NatalReportPrintsTheShiftedPositions) {
    const Outcome tropical = RunArgs({"report", "natal", "--person", "Sample Natal"});
    const Outcome sidereal =
        RunArgs({"report", "natal", "--person", "Sample Natal", "--ayanamsa", "lahiri"});
    ASSERT_EQ(sidereal.status, 0);
    // The tropical Sun at 13 Sagittarius 19, Lahiri's ayanamsa of 1950 about
    // 23 10': the sidereal Sun at 20 Scorpio 09.
    EXPECT_NE(tropical.out.find("13 SAG 19m"), std::string::npos) << tropical.out;
    EXPECT_NE(sidereal.out.find("20 SCO 09m"), std::string::npos) << sidereal.out;
    EXPECT_NE(sidereal.out.find("\n  Sidereal (Lahiri)"), std::string::npos);
}

TEST(SiderealZodiac, TimelineIngressesAreSiderealSigns) {
    const std::vector<std::string> args = {"timeline",   "--person", "Sample Natal", "--from",
                                           "2024-03-01", "--to",     "2024-05-01",   "--transits",
                                           "--format",   "csv"};
    const Outcome tropical = RunArgs(args);
    std::vector<std::string> siderealArgs = args;
    siderealArgs.insert(siderealArgs.end(), {"--ayanamsa", "lahiri"});
    const Outcome sidereal = RunArgs(siderealArgs);
    ASSERT_EQ(sidereal.status, 0) << sidereal.err;
    // The Sun enters tropical Aries at the equinox, sidereal (Lahiri) Aries
    // on 13 April 2024.
    EXPECT_NE(tropical.out.find("ingress,2024-03-20T03:07"), std::string::npos);
    EXPECT_NE(sidereal.out.find("ingress,2024-04-13"), std::string::npos) << sidereal.out;
    const auto sunAries = sidereal.out.find("ingress,2024-04-13");
    EXPECT_NE(sidereal.out.substr(sunAries, 80).find("SUN,,,ARI"), std::string::npos);
    EXPECT_EQ(sidereal.out.find("ingress,2024-03-20"), std::string::npos);
}

TEST(SiderealZodiac, BadChoicesAreRefused) {
    const std::vector<std::string> bad[] = {
        {"--ayanamsa", "vedic"},
        {"--zodiac", "draconic"},
        {"--ayanamsa", "user", "--ayanamsa-value", "361"},
        {"--ayanamsa", "user", "--ayanamsa-value", "x"},
        {"--ayanamsa", "user", "--ayanamsa-value", "24", "--ayanamsa-epoch", "50"},
    };
    for (const std::vector<std::string>& more : bad) {
        std::vector<std::string> args = {"chart", "--person", "Sample Natal"};
        args.insert(args.end(), more.begin(), more.end());
        const Outcome outcome = RunArgs(args);
        EXPECT_NE(outcome.status, 0) << more.back();
        EXPECT_TRUE(outcome.out.empty());
        EXPECT_NE(outcome.err.find("solvaris chart:"), std::string::npos) << outcome.err;
    }
}

}  // namespace
}  // namespace solvaris
