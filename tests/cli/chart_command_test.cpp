#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <sstream>

#include "cli/command_line.hpp"

namespace solvaris {
namespace {

std::vector<double> JsonNumbers(const std::string& json, const std::string& key) {
    const auto start = json.find("\"" + key + "\":[");
    std::istringstream list(json.substr(start + key.size() + 4));
    std::vector<double> values;
    double value = 0;
    char separator = ',';
    while (separator == ',' && list >> value >> separator) {
        values.push_back(value);
    }
    return values;
}

TEST(ChartCommand, PointsByNameAgreeWithTheNatalReport) {
    std::ostringstream chartOut, reportOut, err;
    ASSERT_EQ(
        RunCommandLine({"chart", "--format", "json", "--person", "Sample Natal"}, chartOut, err), 0)
        << err.str();
    ASSERT_EQ(RunCommandLine({"report", "natal", "--person", "Sample Natal"}, reportOut, err), 0)
        << err.str();
    // The natal set comes first; its points end where "progressed" begins.
    const std::string json = chartOut.str();
    const std::string natal = json.substr(0, json.find("\"progressed\":"));
    const std::string reportText = reportOut.str();

    // What the report prints for a point, and the names the JSON gives it.
    struct Case {
        const char* jsonName;
        const char* reportName;
    };
    const Case cases[] = {
        {"Sun", "SUN"},       {"Moon", "MOON"},          {"Mercury", "MERCURY"},
        {"Venus", "VENUS"},   {"Mars", "MARS"},          {"Jupiter", "JUPITER"},
        {"Saturn", "SATURN"}, {"Uranus", "URANUS"},      {"Neptune", "NEPTUNE"},
        {"Pluto", "PLUTO"},   {"North Node", "N. NODE"}, {"Part of Fortune", "P. OF F."},
        {"Ascendant", "ASC"}, {"Midheaven", "MC"},
    };
    const std::map<std::string, std::string> signs = {
        {"ARI", "Aries"},       {"TAU", "Taurus"},    {"GEM", "Gemini"},   {"CAN", "Cancer"},
        {"LEO", "Leo"},         {"VIR", "Virgo"},     {"LIB", "Libra"},    {"SCO", "Scorpio"},
        {"SAG", "Sagittarius"}, {"CPR", "Capricorn"}, {"AQU", "Aquarius"}, {"PIS", "Pisces"}};
    int retrogrades = 0;
    for (const Case& c : cases) {
        // "  08 CAN 25m 04s   URANUS    R    (12TH HOUSE)"
        const std::regex line(std::string(R"(\n  (\d\d) (\w\w\w) (\d\d)m (\d\d)s   )") +
                              std::regex_replace(c.reportName, std::regex(R"(\.)"), R"(\.)") +
                              R"( +(R?) *\( ?(\d+)\w\w HOUSE\))");
        std::smatch printed;
        ASSERT_TRUE(std::regex_search(reportText, printed, line)) << c.reportName;
        const int seconds = std::stoi(printed[4]);
        const int minute = std::min(59, std::stoi(printed[3]) + (seconds >= 30 ? 1 : 0));
        const bool retrograde = printed[5] == "R";
        retrogrades += retrograde;
        const std::string expected =
            std::string("{\"name\":\"") + c.jsonName + "\",\"sign\":\"" + signs.at(printed[2]) +
            "\",\"degree\":" + std::to_string(std::stoi(printed[1])) +
            ",\"minute\":" + std::to_string(minute) + ",\"house\":" + printed[6].str() +
            ",\"retrograde\":" + (retrograde ? "true" : "false") + "}";
        EXPECT_NE(natal.find(expected), std::string::npos) << expected << "\nin " << natal;
    }
    EXPECT_EQ(retrogrades, 2);  // Uranus and Pluto

    // The cusps in house order: the 1st is the Ascendant, the 10th the MC.
    const std::vector<double> longitudes = JsonNumbers(natal, "longitude");
    const std::vector<double> cusps = JsonNumbers(natal, "house_cusps");
    ASSERT_EQ(longitudes.size(), 15u);
    ASSERT_EQ(cusps.size(), 12u);
    EXPECT_DOUBLE_EQ(cusps[0], longitudes[13]);
    EXPECT_DOUBLE_EQ(cusps[9], longitudes[14]);
    EXPECT_NEAR(std::fmod(cusps[6] - cusps[0] + 360, 360), 180, 1e-6);  // the Descendant
    EXPECT_NE(json.find("\"transit\":{"), std::string::npos);
}

}  // namespace
}  // namespace solvaris
