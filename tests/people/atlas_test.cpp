// The world atlas as shipped and its search: every shipped city in it with
// its zone, and the ways a user types a place.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "base/text_lines.hpp"
#include "people/atlas_search.hpp"
#include "people/city_zones.hpp"
#include "people/comma_fields.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

const Atlas& ShippedAtlas() {
    static const Atlas* atlas = [] {
        auto* loaded = new Atlas;
        const Problem problem =
            LoadAtlas(AtlasFile(std::filesystem::path(SOLVARIS_DATA_DIR)), *loaded);
        EXPECT_EQ(problem, "");
        return loaded;
    }();
    return *atlas;
}

// A cities-file coordinate ("78W52", "42N53") in degrees, east and north positive.
double CityDegrees(const std::string& text) {
    const std::size_t letter = text.find_first_of("NSEW");
    const double deg = std::stod(text.substr(0, letter)) + std::stod(text.substr(letter + 1)) / 60;
    return text[letter] == 'W' || text[letter] == 'S' ? -deg : deg;
}

double DistanceKm(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;
    constexpr double kEarthRadiusKm = 6371;
    const double a = std::pow(std::sin((lat2 - lat1) * kRadiansPerDegree / 2), 2) +
                     std::cos(lat1 * kRadiansPerDegree) * std::cos(lat2 * kRadiansPerDegree) *
                         std::pow(std::sin((lon2 - lon1) * kRadiansPerDegree / 2), 2);
    return 2 * kEarthRadiusKm * std::asin(std::sqrt(a));
}

TEST(Atlas, HoldsEveryShippedCityWithItsZone) {
    const Atlas& atlas = ShippedAtlas();
    ASSERT_GT(atlas.places.size(), 135'000u);
    const std::filesystem::path data = SOLVARIS_DATA_DIR;
    const CityZones zones = ReadCityZones(data / kCityZonesFile);
    const auto lines = ReadTextLines(data / "GA_MA.LL");
    ASSERT_TRUE(lines);
    int found = 0;
    std::vector<std::string> missing, otherZone;
    for (const std::string& line : *lines) {
        const auto f = CommaFields(line);
        const double lat = CityDegrees(f[3]), lon = CityDegrees(f[2]);
        // The nearest of that name: Ciudad Juárez is also "El Paso del Norte".
        const WorldPlace* near = nullptr;
        double nearestKm = 20;
        for (const WorldPlace* place : FindAtlasPlaces(atlas, f[0], 200)) {
            if (const double km = DistanceKm(lat, lon, place->latitudeDeg, place->longitudeDeg);
                km <= nearestKm) {
                near = place;
                nearestKm = km;
            }
        }
        if (near == nullptr) {
            missing.push_back(f[0] + ", " + f[1]);
            continue;
        }
        ++found;
        const auto zone = ZoneNameOfCity(zones, f[0], f[1]);
        if (!zone || *zone != atlas.zones[near->zone]) {
            otherZone.push_back(f[0] + ": " + zone.value_or("-") + " / " +
                                std::string(atlas.zones[near->zone]));
        }
    }
    EXPECT_EQ(missing, std::vector<std::string>{});
    // Bratislava's zone is a link to Prague's; GeoNames puts Nicosia north of
    // the line, where the clocks differed for a year from September 2016.
    EXPECT_EQ(otherZone, (std::vector<std::string>{"Bratislava: Europe/Prague / Europe/Bratislava",
                                                   "Nicosia: Asia/Nicosia / Asia/Famagusta"}));
    EXPECT_EQ(found, static_cast<int>(lines->size()));
}

// Each query: the first place found (empty: none), most populous first.
TEST(Atlas, FindsPlacesAsTheyAreTyped) {
    const Atlas& atlas = ShippedAtlas();
    const struct {
        const char* query;
        const char* first;
    } cases[] = {
        {"zurich", "Zürich, Zurich, Switzerland"},
        {"ZÜRICH", "Zürich, Zurich, Switzerland"},
        {"sao paulo", "São Paulo, São Paulo, Brazil"},
        {"São Paulo", "São Paulo, São Paulo, Brazil"},
        {"st etienne", "Saint-Étienne, Auvergne-Rhône-Alpes, France"},
        {"St. Étienne", "Saint-Étienne, Auvergne-Rhône-Alpes, France"},
        {"saint-etienne", "Saint-Étienne, Auvergne-Rhône-Alpes, France"},
        {"xi'an", "Xi’an, Shaanxi, People's Republic of China"},
        {"winston salem", "Winston-Salem, North Carolina, United States of America"},
        {"homburg", "Bad Homburg vor der Höhe, Hesse, Germany"},
        {"москва", "Moscow, Moscow, Russian Federation"},
        {"cologne, germany", "Köln, North Rhine-Westphalia, Germany"},
        {"springfield, illinois", "Springfield, Illinois, United States of America"},
        {"paris, texas", "Paris, Texas, United States of America"},
        {"paris, fr", "Paris, Île-de-France, France"},
        {"buffalo, new york, usa", "Buffalo, New York, United States of America"},
        {"london, uk", "London, England, United Kingdom"},
        {"tulle", "Tulle, New Aquitaine, France"},
        {"", ""},
        {" , ", ""},
        {"xyzzyq", ""},
        {"paris, nowhere land", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        const auto found = FindAtlasPlaces(atlas, c.query, 50);
        EXPECT_EQ(found.empty() ? std::string() : AtlasPlaceText(atlas, *found[0]), c.first);
        // Most populous first among the names, then among the other names.
        int rises = 0;
        for (std::size_t i = 1; i < found.size(); ++i) {
            rises += found[i - 1]->population < found[i]->population;
        }
        EXPECT_LE(rises, 1);
    }
    // One letter: the most populous places whose name or a word of it starts with it.
    const auto z = FindAtlasPlaces(atlas, "z", 20);
    ASSERT_EQ(z.size(), 20u);
    for (const WorldPlace* place : z) {
        EXPECT_NE(FoldForAtlas(atlas, place->name).find('z'), std::string::npos) << place->name;
    }
}

TEST(Atlas, PicksOnePlaceOrSaysWhichMatch) {
    const Atlas& atlas = ShippedAtlas();
    const struct {
        const char* query;
        const char* picked;  // empty: none
        std::size_t candidates;
    } cases[] = {
        {"Buffalo, New York", "Buffalo, New York, United States of America", 1},
        {"Cologne, Germany", "Köln, North Rhine-Westphalia, Germany", 1},
        {"Tulle", "Tulle, New Aquitaine, France", 1},
        {"Springfield", "", 10},
        {"Buffalo", "", 10},
        {"Xyzzyq", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        const AtlasPick pick = PickAtlasPlace(atlas, c.query, 10);
        EXPECT_EQ(pick.place ? AtlasPlaceText(atlas, *pick.place) : std::string(), c.picked);
        EXPECT_EQ(pick.candidates.size(), c.candidates);
    }
}

// A damaged or foreign file is named and nothing half-read is kept.
TEST(Atlas, RefusesAFileItCannotRead) {
    testing::TempFolder folder;
    const struct {
        const char* what;
        std::string bytes;
        const char* problem;
    } cases[] = {
        {"no place", "# header\n", "holds no place"},
        {"a place before its region", "Z\t0\tEurope/Paris\nP\tTulle\t\t0\tFR\t1\t45\t1\t0\t\n",
         "damaged"},
        {"a latitude past the pole",
         "R\t0\tFR\tX\nZ\t0\tEurope/Paris\nP\tTulle\t\t0\tFR\t1\t95\t1\t0\t\n", "damaged"},
        {"a zone out of the table",
         "R\t0\tFR\tX\nZ\t0\tEurope/Paris\nP\tTulle\t\t0\tFR\t1\t45\t1\t1\t\n", "damaged"},
        {"a record of another kind", "Q\tsomething\n", "damaged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::filesystem::path file = folder.Write("PLACES.TSV", c.bytes);
        Atlas atlas;
        EXPECT_NE(LoadAtlas(file, atlas).find(c.problem), std::string::npos);
        EXPECT_TRUE(atlas.places.empty());
    }
    Atlas atlas;
    EXPECT_NE(LoadAtlas(folder.path() / "absent.tsv", atlas).find("cannot be read"),
              std::string::npos);
    const std::filesystem::path good =
        folder.Write("good.tsv",
                     "R\t0\tFR\tCorrèze\nZ\t0\tEurope/Paris\n"
                     "P\tTulle\t\t0\tFR\t16969\t45.2658\t1.7723\t0\t\n");
    ASSERT_EQ(LoadAtlas(good, atlas), "");
    ASSERT_EQ(atlas.places.size(), 1u);
    EXPECT_EQ(AtlasPlaceText(atlas, atlas.places[0]), "Tulle, Corrèze, FR");
}

}  // namespace
}  // namespace solvaris
