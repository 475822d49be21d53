// The composite and Davison charts from the command line, against charts
// the command line casts on its own: the Davison chart is the chart of its
// moment and place typed by hand, the composite's points the nearer
// midpoints of the two persons' natal charts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/command_outcome.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::JsonNumbers;
using testing::Outcome;
using testing::RunArgs;

// Each engine in each zodiac.
const std::vector<std::string> kCastings[] = {
    {"--ephemeris", "builtin"},
    {"--ephemeris", "swiss"},
    {"--ephemeris", "builtin", "--zodiac", "sidereal", "--ayanamsa", "lahiri"},
    {"--ephemeris", "swiss", "--zodiac", "sidereal", "--ayanamsa", "fagan-bradley"},
};

Outcome Chart(std::vector<std::string> args, const std::vector<std::string>& casting) {
    args.insert(args.begin(), {"chart", "--format", "json", "--house", "koch"});
    args.insert(args.end(), casting.begin(), casting.end());
    return RunArgs(args);
}

void ExpectNear(const std::vector<double>& got, const std::vector<double>& expected,
                double tolerance, const std::string& what) {
    ASSERT_EQ(got.size(), expected.size()) << what;
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(std::remainder(got[i] - expected[i], 360), 0, tolerance)
            << what << " [" << i << "]";
    }
}

TEST(RelationshipChartsCommand, TheDavisonChartIsTheChartOfItsMomentAndPlace) {
    // 1990-06-10 8:00 UT on the equator at 0, and 1991-06-10 20:00 UT on the
    // equator at 90E: 365 days 12 hours apart, so the mean moment is 182 days
    // 18 hours after the first, 1990-12-10 2:00 UT, on the equator at 45E.
    const std::vector<std::string> births = {
        "--date",         "1990-06-10", "--time",         "8:00am", "--zone",         "0",
        "--lon",          "0e00",       "--lat",          "0n00",   "--diurnal-date", "1991-06-10",
        "--diurnal-time", "8:00pm",     "--diurnal-zone", "0",      "--diurnal-lon",  "90e00",
        "--diurnal-lat",  "0n00"};
    const std::vector<std::string> byHand = {"--date", "1990-12-10", "--time", "2:00am", "--zone",
                                             "0",      "--lon",      "45e00",  "--lat",  "0n00"};
    for (const std::vector<std::string>& casting : kCastings) {
        const std::string what = casting[1] + (casting.size() > 2 ? " sidereal" : "");
        std::vector<std::string> args = births;
        args.push_back("--davison");
        const Outcome davison = Chart(args, casting);
        ASSERT_EQ(davison.status, 0) << davison.err;
        const Outcome hand = Chart(byHand, casting);
        ASSERT_EQ(hand.status, 0) << hand.err;
        const std::string d = davison.out.substr(davison.out.find("\"davison\":"));
        const std::string h = hand.out.substr(0, hand.out.find("\"progressed\":"));
        EXPECT_NE(d.find("\"ut\":\"1990-12-10T02:00:00+00:00\""), std::string::npos) << d;
        EXPECT_NEAR(JsonNumbers(d, "longitude_west")[0], -45, 1e-9);
        EXPECT_NEAR(JsonNumbers(d, "latitude_north")[0], 0, 1e-9);
        for (const char* key : {"longitude", "declination", "right_ascension", "cusps"}) {
            ExpectNear(JsonNumbers(d, key), JsonNumbers(h, key), 1e-6, what + " " + key);
        }
    }
}

// The nearer midpoint worked without the program's routine: half the
// signed difference, which std::remainder keeps within +-180, from the first.
double Midpoint(double a, double b) {
    return std::fmod(a + std::remainder(b - a, 360) / 2 + 720, 360);
}

double Degrees(double radians) { return radians * 180 / M_PI; }
double Radians(double degrees) { return degrees * M_PI / 180; }

TEST(RelationshipChartsCommand, TheCompositeIsTheMidpointsOfTheTwoNatalCharts) {
    // New York (40N43) and Sydney (33S52): the mean latitude 3 25' 30" N.
    const std::vector<std::string> first = {"--person", "Sample Natal"};
    const std::vector<std::string> second = {"--person", "Sample Person Sydney"};
    const double latitude = ((40 + 43 / 60.0) - (33 + 52 / 60.0)) / 2;
    for (const std::vector<std::string>& casting : kCastings) {
        const std::string what = casting[1] + (casting.size() > 2 ? " sidereal" : "");
        const Outcome a = Chart(first, casting);
        const Outcome b = Chart(second, casting);
        const Outcome c = Chart(
            {"--composite", "--person", "Sample Natal", "--second-person", "Sample Person Sydney"},
            casting);
        ASSERT_EQ(a.status, 0) << a.err;
        ASSERT_EQ(b.status, 0) << b.err;
        ASSERT_EQ(c.status, 0) << c.err;
        const std::string composite = c.out.substr(c.out.find("\"composite\":"));
        const std::vector<double> la = JsonNumbers(a.out, "longitude", "\"natal\":");
        const std::vector<double> lb = JsonNumbers(b.out, "longitude", "\"natal\":");
        const std::vector<double> lc = JsonNumbers(composite, "longitude");
        ASSERT_EQ(lc.size(), 15u) << composite;
        for (std::size_t p = 0; p < 15; ++p) {
            if (p != 13) {  // the Ascendant, from the houses below
                EXPECT_NEAR(std::remainder(lc[p] - Midpoint(la[p], lb[p]), 360), 0, 2e-7)
                    << what << " point " << p + 1;
            }
        }
        const double obliquity = (JsonNumbers(a.out, "natal", "\"obliquity\":")[0] +
                                  JsonNumbers(b.out, "natal", "\"obliquity\":")[0]) /
                                 2;
        EXPECT_NEAR(JsonNumbers(composite, "obliquity")[0], obliquity, 2e-7) << what;
        EXPECT_NEAR(JsonNumbers(composite, "latitude")[0], latitude, 1e-6) << what;
        // The Ascendant rising on the horizon of the mean latitude for the
        // RAMC of the composite Midheaven, carried into the zodiac by the
        // two charts' mean ayanamsa (none in the tropical one).
        const auto ayanamsa = [](const std::string& json) {
            const std::vector<double> v = JsonNumbers(json, "natal", "\"ayanamsa_deg\":");
            return v.empty() ? 0.0 : v[0];
        };
        const double meanAyanamsa = (ayanamsa(a.out) + ayanamsa(b.out)) / 2;
        const double e = Radians(obliquity);
        const double ramc = Radians(JsonNumbers(composite, "ramc")[0]);
        const double midheaven = Degrees(std::atan2(std::sin(ramc), std::cos(ramc) * std::cos(e)));
        EXPECT_NEAR(std::remainder(midheaven - meanAyanamsa - lc[14], 360), 0, 1e-6) << what;
        const double ascendant =
            Degrees(std::atan2(std::cos(ramc), -(std::sin(ramc) * std::cos(e) +
                                                 std::tan(Radians(latitude)) * std::sin(e))));
        EXPECT_NEAR(std::remainder(ascendant - meanAyanamsa - lc[13], 360), 0, 1e-6) << what;
    }
}

TEST(RelationshipChartsCommand, ReportsAndWheelsNeedASecondChartAndSayWhyNot) {
    const testing::TempFolder scratch;
    const std::vector<std::string> persons = {"--person", "Sample Natal", "--second-person",
                                              "Sample Person London"};
    struct Case {
        std::vector<std::string> command;
        std::vector<std::string> birth;
        int status;
        std::string said;  // in the output, or the error when refused
    };
    const std::string png = (scratch / "davison.png").string();
    const Case cases[] = {
        {{"report", "composite"}, persons, 0, "COMPOSITE CHART"},
        {{"report", "davison"}, persons, 0, "11 Jul 1966  18:37:30 UT"},
        {{"report", "composite"}, {"--person", "Sample Natal"}, 2, "--second-person NAME"},
        {{"wheel", "davison", "--out", png}, {"--person", "Sample Natal"}, 2, "second person's"},
        // New York and Tokyo meet over Alaska at 69N39, beyond the polar
        // circle where Placidus has no cusps; whole signs have.
        {{"report", "davison"},
         {"--person", "Sample Natal", "--second-person", "Sample Person Tokyo"},
         1,
         "latitude 69.39 NORTH, too high"},
        {{"report", "davison", "--house", "whole-sign"},
         {"--person", "Sample Natal", "--second-person", "Sample Person Tokyo"},
         0,
         "69.39 NORTH"},
        // Birthplaces at the antipodes have no midpoint on the globe.
        {{"report", "davison"},
         {"--date", "1990-06-10", "--zone", "0", "--lon", "10w00", "--lat", "20n00",
          "--diurnal-date", "1991-06-10", "--diurnal-zone", "0", "--diurnal-lon", "170e00",
          "--diurnal-lat", "20s00"},
         1,
         "opposite each other"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.command;
        args.insert(args.end(), c.birth.begin(), c.birth.end());
        const Outcome run = RunArgs(args);
        EXPECT_EQ(run.status, c.status) << args[1] << run.err;
        EXPECT_NE((c.status == 0 ? run.out : run.err).find(c.said), std::string::npos)
            << args[1] << run.out << run.err;
    }
    std::vector<std::string> wheel = {"wheel", "davison", "--out", png};
    wheel.insert(wheel.end(), persons.begin(), persons.end());
    const Outcome drawn = RunArgs(wheel);
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    EXPECT_EQ(scratch.Read("davison.png").substr(1, 3), "PNG");
}

}  // namespace
}  // namespace solvaris
