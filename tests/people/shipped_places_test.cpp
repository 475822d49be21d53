#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>

#include "base/text_lines.hpp"
#include "people/city_zones.hpp"
#include "people/comma_fields.hpp"

namespace solvaris {
namespace {

// Every shipped city well formed, once, with a tz zone that keeps the city's
// zone as its standard time today: the earlier of a winter and a summer clock.
TEST(ShippedPlaces, CitiesAreWellFormedUniqueAndInTheirZones) {
    const std::filesystem::path data = SOLVARIS_DATA_DIR;
    const std::regex longitude(R"((\d{2,3})[EW](\d{2}))"), latitude(R"((\d{2})[NS](\d{2}))"),
        hours(R"(-?\d{1,2}(\.\d{1,2})?)");
    const CityZones zones = ReadCityZones(data / kCityZonesFile);
    const auto lines = ReadTextLines(data / "GA_MA.LL");
    ASSERT_TRUE(lines);
    std::set<std::string> seen;
    for (const std::string& line : *lines) {
        const auto f = CommaFields(line);
        ASSERT_EQ(f.size(), 5u) << line;
        std::smatch m;
        ASSERT_TRUE(std::regex_match(f[2], m, longitude)) << line;
        EXPECT_TRUE(std::stoi(m[1]) <= 180 && std::stoi(m[2]) < 60) << line;
        EXPECT_EQ(f[2].size() == 6, std::stoi(m[1]) >= 100) << line;
        ASSERT_TRUE(std::regex_match(f[3], m, latitude)) << line;
        EXPECT_TRUE(std::stoi(m[1]) < 90 && std::stoi(m[2]) < 60) << line;
        ASSERT_TRUE(std::regex_match(f[4], hours)) << line;
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

}  // namespace
}  // namespace solvaris
