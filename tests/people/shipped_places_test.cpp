#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <regex>
#include <set>
#include <sstream>

#include "base/text_lines.hpp"
#include "people/city_zones.hpp"

namespace solvaris {
namespace {

const std::filesystem::path kData = SOLVARIS_DATA_DIR;

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    return fields;
}

std::vector<std::string> Lines(const char* name) {
    const auto lines = ReadTextLines(kData / name);
    EXPECT_TRUE(lines.has_value()) << name;
    return lines.value_or(std::vector<std::string>{});
}

bool IsNumber(const std::string& text, double low, double high) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= low &&
           value <= high;
}

TEST(ShippedPlaces, CitiesAreWellFormedAndUnique) {
    const std::regex longitude(R"((\d{2,3})[EW](\d{2}))"), latitude(R"((\d{2})[NS](\d{2}))");
    std::set<std::string> seen;
    for (const std::string& line : Lines("GA_MA.LL")) {
        const auto f = Fields(line);
        ASSERT_EQ(f.size(), 5u) << line;
        std::smatch m;
        ASSERT_TRUE(std::regex_match(f[2], m, longitude)) << line;
        EXPECT_TRUE(std::stoi(m[1]) <= 180 && std::stoi(m[2]) < 60) << line;
        EXPECT_EQ(f[2].size() == 6, std::stoi(m[1]) >= 100) << line;
        ASSERT_TRUE(std::regex_match(f[3], m, latitude)) << line;
        EXPECT_TRUE(std::stoi(m[1]) < 90 && std::stoi(m[2]) < 60) << line;
        EXPECT_TRUE(IsNumber(f[4], -14, 12)) << line;
        EXPECT_TRUE(seen.insert(f[0] + "," + f[1]).second) << "duplicate " << line;
    }
    EXPECT_GE(seen.size(), 300u);
}

// Every city's tz zone keeps its standard time today: the earlier of a winter and a
// summer clock.
TEST(ShippedPlaces, EveryCityHasAZoneOfItsStandardTime) {
    const CityZones zones = ReadCityZones(kData / kCityZonesFile);
    std::size_t cities = 0;
    for (const std::string& line : Lines("GA_MA.LL")) {
        const auto f = Fields(line);
        ++cities;
        const auto name = ZoneNameOfCity(zones, f[0], f[1]);
        ASSERT_TRUE(name) << line;
        int standardSecondsWest = -1'000'000;
        for (const int month : {1, 7}) {
            const ZoneLookup found = ZoneAtLocalTime(*name, {2025, month, 15, 12, 0, 0});
            ASSERT_TRUE(found.zone) << line << ": " << found.problem;
            standardSecondsWest = std::max(standardSecondsWest, found.zone->earlier.secondsWest);
        }
        EXPECT_EQ(standardSecondsWest, std::lround(std::stod(f[4]) * 3600)) << line << " " << *name;
    }
    EXPECT_EQ(zones.size(), cities);
}

TEST(ShippedPlaces, ZoneFieldAndRuleTexts) {
    struct Case {
        int secondsWest;
        const char* field;
        ZoneRule rule;
        const char* ruleText;
    };
    const Case cases[] = {
        {5 * 3600, "5", {5 * 3600, "EST", false}, "EST, standard time, 5 hours west (Z)"},
        {4 * 3600, "4", {4 * 3600, "EDT", true}, "EDT, daylight saving, 4 hours west (Z)"},
        {-19800, "-5.5", {-19800, "IST", false}, "IST, standard time, 5h30m east (Z)"},
        {-20700, "-5.75", {-20700, "+0545", false}, "+0545, standard time, 5h45m east (Z)"},
        {17762, "4.933889", {17762, "LMT", false}, "LMT, local mean time, 4h56m02s west (Z)"},
        {-7200, "-2", {-7200, "BDST", true}, "BDST, daylight saving, 2 hours east (Z)"},
        {0, "0", {0, "GMT", false}, "GMT, standard time, 0 hours (Z)"},
        {-561, "-0.155833", {-561, "LMT", false}, "LMT, local mean time, 0h09m21s east (Z)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZoneFieldText(c.secondsWest), c.field) << c.field;
        EXPECT_EQ(ZoneRuleText("Z", c.rule), c.ruleText) << c.field;
        // The field read back as hours gives the offset to the second.
        EXPECT_EQ(std::lround(std::stod(ZoneFieldText(c.secondsWest)) * 3600), c.secondsWest);
    }
}

TEST(ShippedPlaces, TimeZonesRunWestToEast) {
    double previous = 12;
    std::set<std::string> hours;
    for (const std::string& line : Lines("TZ.DAT")) {
        const auto f = Fields(line);
        ASSERT_EQ(f.size(), 3u) << line;
        EXPECT_TRUE(!f[0].empty() && f[0].size() <= 32) << line;
        EXPECT_TRUE(!f[1].empty() && f[1].size() <= 4) << line;
        ASSERT_TRUE(IsNumber(f[2], -14, 12)) << line;
        EXPECT_LE(std::stod(f[2]), previous) << line;
        previous = std::stod(f[2]);
        hours.insert(f[2]);
    }
    for (const char* zone : {"12", "5", "3.5", "0", "-1", "-5.5", "-5.75", "-9.5", "-14"}) {
        EXPECT_TRUE(hours.contains(zone)) << zone;
    }
}

TEST(ShippedPlaces, NamesFooterAndWheelTables) {
    const auto names = Lines("NAMES.FIL");
    EXPECT_GE(names.size(), 6u);
    for (const std::string& line : names) EXPECT_EQ(Fields(line).size(), 7u) << line;
    EXPECT_EQ(names.at(0), "Sample Natal,05 Dec 1950,7.45,P,5,074.00,40.43");
    const auto footer = Lines("PERSONAL.NAM");
    EXPECT_TRUE(footer.size() >= 2 && footer.size() <= 4);

    const struct {
        const char* file;
        std::size_t count;
        int low, high;
    } tables[]{{"HCDATA.DAT", 121, -260, 260}, {"RADIUS.DAT", 361, 150, 230}};
    for (const auto& table : tables) {
        const auto lines = Lines(table.file);
        ASSERT_EQ(lines.size(), table.count) << table.file;
        for (const std::string& line : lines) {
            EXPECT_TRUE(std::regex_match(line, std::regex(R"(-?\d+)")) &&
                        IsNumber(line, table.low, table.high))
                << table.file << ": " << line;
        }
    }
    EXPECT_EQ(Lines("HCDATA.DAT").back(), "0");
}

}  // namespace
}  // namespace solvaris
