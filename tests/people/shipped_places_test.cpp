#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <regex>
#include <set>

#include "base/text_lines.hpp"
#include "people/city_zones.hpp"
#include "people/comma_fields.hpp"

namespace solvaris {
namespace {

const std::filesystem::path kData = SOLVARIS_DATA_DIR;

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

// Every city well formed, once, with a tz zone that keeps the city's zone as
// its standard time today: the earlier of a winter and a summer clock.
TEST(ShippedPlaces, CitiesAreWellFormedUniqueAndInTheirZones) {
    const std::regex longitude(R"((\d{2,3})[EW](\d{2}))"), latitude(R"((\d{2})[NS](\d{2}))");
    const CityZones zones = ReadCityZones(kData / kCityZonesFile);
    std::set<std::string> seen;
    for (const std::string& line : Lines("GA_MA.LL")) {
        const auto f = CommaFields(line);
        ASSERT_EQ(f.size(), 5u) << line;
        std::smatch m;
        ASSERT_TRUE(std::regex_match(f[2], m, longitude)) << line;
        EXPECT_TRUE(std::stoi(m[1]) <= 180 && std::stoi(m[2]) < 60) << line;
        EXPECT_EQ(f[2].size() == 6, std::stoi(m[1]) >= 100) << line;
        ASSERT_TRUE(std::regex_match(f[3], m, latitude)) << line;
        EXPECT_TRUE(std::stoi(m[1]) < 90 && std::stoi(m[2]) < 60) << line;
        ASSERT_TRUE(IsNumber(f[4], -14, 12)) << line;
        EXPECT_TRUE(seen.insert(f[0] + "," + f[1]).second) << "duplicate " << line;
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
    EXPECT_GE(seen.size(), 300u);
    EXPECT_EQ(zones.size(), seen.size());
}

TEST(ShippedPlaces, TimeZonesRunWestToEastAndNamesAreWhole) {
    double previous = 12;
    for (const std::string& line : Lines("TZ.DAT")) {
        const auto f = CommaFields(line);
        ASSERT_EQ(f.size(), 3u) << line;
        EXPECT_TRUE(!f[0].empty() && f[0].size() <= 32 && !f[1].empty() && f[1].size() <= 4)
            << line;
        ASSERT_TRUE(IsNumber(f[2], -14, previous)) << line;
        previous = std::stod(f[2]);
    }
    const auto names = Lines("NAMES.FIL");
    EXPECT_GE(names.size(), 6u);
    for (const std::string& line : names) {
        EXPECT_EQ(CommaFields(line, Quoting::None).size(), 7u) << line;
    }
    EXPECT_EQ(names.at(0), "Sample Natal,05 Dec 1950,7.45,P,5,074.00,40.43");
    const auto footer = Lines("PERSONAL.NAM");
    EXPECT_TRUE(footer.size() >= 2 && footer.size() <= 4);
}

}  // namespace
}  // namespace solvaris
