// The shipped cities list, time-zone table, sample names, page footer and
// chart-wheel tables are well formed, so that the windows and the wheel can
// read every record of them.
#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "base/text_lines.hpp"

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
    std::map<std::string, std::vector<std::string>> cities;
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
        cities[f[0] + "," + f[1]] = f;
    }
    EXPECT_GE(cities.size(), 300u);
    // The sample charts' cities and zones of a quarter and a half hour.
    const std::vector<std::vector<std::string>> known{
        {"New York", "New York", "74W00", "40N43", "5"},
        {"Los Angeles", "California", "118W15", "34N03", "8"},
        {"Kathmandu", "Nepal", "85E19", "27N43", "-5.75"},
        {"Adelaide", "Australia", "138E36", "34S56", "-9.5"},
        {"Sydney", "Australia", "151E12", "33S52", "-10"}};
    for (const auto& city : known) EXPECT_EQ(cities[city[0] + "," + city[1]], city) << city[0];
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
