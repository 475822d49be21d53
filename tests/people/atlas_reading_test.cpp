// Reading the atlas quickly gives what a plain reading gives: every place of
// the shipped file as a simple tab split and std::from_chars read it, the
// same answers from an atlas read for one query as from the whole, and a
// clear problem, never a crash, for a file cut short or with bytes changed.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "base/text_lines.hpp"
#include "people/atlas_fields.hpp"
#include "people/atlas_search.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

const std::filesystem::path kShippedAtlas = AtlasFile(std::filesystem::path(SOLVARIS_DATA_DIR));

const Atlas& WholeAtlas() {
    static const Atlas* atlas = [] {
        auto* loaded = new Atlas;
        EXPECT_EQ(LoadAtlas(kShippedAtlas, *loaded), "");
        return loaded;
    }();
    return *atlas;
}

std::vector<std::string_view> AllTabFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

float PlainDegrees(std::string_view text) {
    float deg = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), deg);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
    return deg;
}

// A place as one line of text, its numbers to the bit.
std::string PlaceText(const Atlas& atlas, const WorldPlace& place) {
    return AtlasPlaceText(atlas, place) + "|" + std::string(place.key) + "|" +
           std::string(place.alternates) + "|" + std::to_string(place.population) + "|" +
           std::to_string(std::bit_cast<std::uint32_t>(place.latitudeDeg)) + "|" +
           std::to_string(std::bit_cast<std::uint32_t>(place.longitudeDeg)) + "|" +
           std::string(atlas.zones[place.zone]);
}

std::vector<std::string> PlaceTexts(const Atlas& atlas,
                                    const std::vector<const WorldPlace*>& places) {
    std::vector<std::string> texts;
    for (const WorldPlace* place : places) {
        texts.push_back(PlaceText(atlas, *place));
    }
    return texts;
}

TEST(AtlasReading, ReadsEveryRecordAsAPlainReadingDoes) {
    const Atlas& atlas = WholeAtlas();
    const auto lines = ReadTextLines(kShippedAtlas);
    ASSERT_TRUE(lines);
    std::size_t places = 0, regions = 0, zones = 0, countries = 0;
    for (const std::string& line : *lines) {
        const std::vector<std::string_view> f = AllTabFields(line);
        if (f[0] == "P") {
            ASSERT_EQ(f.size(), 10u) << line;
            ASSERT_LT(places, atlas.places.size());
            const WorldPlace& place = atlas.places[places++];
            EXPECT_EQ(place.name, f[1]);
            EXPECT_EQ(place.key, f[2]);
            EXPECT_EQ(std::to_string(place.region), f[3]);
            EXPECT_EQ(std::string_view(place.countryCode, 2), f[4]);
            EXPECT_EQ(std::to_string(place.population), f[5]);
            EXPECT_EQ(std::bit_cast<std::uint32_t>(place.latitudeDeg),
                      std::bit_cast<std::uint32_t>(PlainDegrees(f[6])));
            EXPECT_EQ(std::bit_cast<std::uint32_t>(place.longitudeDeg),
                      std::bit_cast<std::uint32_t>(PlainDegrees(f[7])));
            EXPECT_EQ(std::to_string(place.zone), f[8]);
            EXPECT_EQ(place.alternates, f[9]);
        } else if (f[0] == "R") {
            ASSERT_LT(regions, atlas.regions.size());
            EXPECT_EQ(atlas.regions[regions].countryCode, f[2]);
            EXPECT_EQ(atlas.regions[regions++].name, f[3]);
        } else if (f[0] == "Z") {
            ASSERT_LT(zones, atlas.zones.size());
            EXPECT_EQ(atlas.zones[zones++], f[2]);
        } else if (f[0] == "C") {
            ++countries;
            EXPECT_EQ(atlas.countries.at(std::string(f[1])).name, f[2]);
        }
    }
    EXPECT_EQ(places, atlas.places.size());
    EXPECT_EQ(regions, atlas.regions.size());
    EXPECT_EQ(zones, atlas.zones.size());
    EXPECT_EQ(countries, atlas.countries.size());
}

// Queries as people type them, drawn from the atlas with a fixed seed: the
// start of a name or of a word of it, with a region or a country, another
// name, and the odd ones.
std::vector<std::string> TypedQueries(const Atlas& atlas) {
    std::vector<std::string> queries = {
        "",
        " , ",
        "a",
        "z",
        "st",
        "saint",
        "ZÜRICH",
        "São Paulo",
        "москва",
        "上海",
        "xi'an",
        "St. Étienne",
        "xyzzyq",
        "paris, texas",
        "paris, fr",
        "london, uk",
        "buffalo, new york, usa",
        "springfield",
        "a, b, c, d",
        ",france",
        "tulle",
    };
    std::mt19937 draw(20261209);
    const auto any = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(draw);
    };
    const auto start = [&](std::string_view text) {
        constexpr std::size_t kLongest = 8;
        return text.empty() ? std::string()
                            : std::string(text.substr(0, 1 + any(std::min(text.size(), kLongest))));
    };
    constexpr int kDrawn = 60;
    for (int i = 0; i < kDrawn; ++i) {
        const WorldPlace& place = atlas.places[any(i % 2 == 0 ? 2000 : atlas.places.size())];
        const std::string_view name = place.name;
        const std::size_t blank = name.find(' ');
        std::string query =
            start(blank == std::string_view::npos || i % 3 != 0 ? name : name.substr(blank + 1));
        if (!place.alternates.empty() && i % 5 == 0) {
            query = start(place.alternates.substr(0, place.alternates.find('|')));
        }
        if (i % 4 == 1) {
            query += ", " + start(atlas.regions[place.region].name);
        } else if (i % 4 == 2) {
            query += ", " + std::string(place.countryCode, 2);
        }
        queries.push_back(query);
    }
    return queries;
}

TEST(AtlasReading, AnAtlasReadForOneQueryAnswersAsTheWhole) {
    const Atlas& whole = WholeAtlas();
    for (const std::string& query : TypedQueries(whole)) {
        SCOPED_TRACE(query);
        Atlas forQuery;
        ASSERT_EQ(LoadAtlasForQuery(kShippedAtlas, query, forQuery), "");
        EXPECT_EQ(PlaceTexts(forQuery, FindAtlasPlaces(forQuery, query, 100)),
                  PlaceTexts(whole, FindAtlasPlaces(whole, query, 100)));
        const AtlasPick pick = PickAtlasPlace(forQuery, query, 10);
        const AtlasPick wholePick = PickAtlasPlace(whole, query, 10);
        EXPECT_EQ(pick.place ? PlaceText(forQuery, *pick.place) : "",
                  wholePick.place ? PlaceText(whole, *wholePick.place) : "");
        EXPECT_EQ(PlaceTexts(forQuery, pick.candidates), PlaceTexts(whole, wholePick.candidates));
    }
}

// The search's rule read plainly: `part` at the start of `text` or after a
// blank, a hyphen, an apostrophe, a full stop or a "|", ASCII capitals read
// as small letters.
bool PlainlyMatches(std::string_view text, std::string_view part) {
    const std::string_view wordEnds = " -'.|";
    for (std::size_t at = 0; !part.empty() && at + part.size() <= text.size(); ++at) {
        if (at > 0 && wordEnds.find(text[at - 1]) == std::string_view::npos) {
            continue;
        }
        std::size_t same = 0;
        while (same < part.size() && AsciiLower(text[at + same]) == part[same]) {
            ++same;
        }
        if (same == part.size()) {
            return true;
        }
    }
    return false;
}

TEST(AtlasReading, FindsWhatThePlainRuleFinds) {
    const Atlas& atlas = WholeAtlas();
    constexpr std::size_t kListed = 100;
    for (const std::string& query : TypedQueries(atlas)) {
        if (query.find(',') != std::string::npos) {
            continue;
        }
        SCOPED_TRACE(query);
        const std::string name = FoldForAtlas(atlas, query);
        std::vector<const WorldPlace*> expected;
        for (const bool byOtherNames : {false, true}) {
            for (const WorldPlace& place : atlas.places) {
                const std::string_view key = place.key.empty() ? place.name : place.key;
                if (expected.size() < kListed &&
                    (byOtherNames
                         ? PlainlyMatches(place.alternates, name) && !PlainlyMatches(key, name)
                         : PlainlyMatches(key, name))) {
                    expected.push_back(&place);
                }
            }
        }
        EXPECT_EQ(FindAtlasPlaces(atlas, query, kListed), expected);
    }
}

TEST(AtlasReading, SplitsFieldsAsATabSearchDoes) {
    // Lines of tabs, letters and UTF-8 around the eight-byte steps.
    std::mt19937 draw(7);
    const std::string pieces[] = {"\t", "a", "é", "\t\t", "Zürich", "-12.5"};
    for (int i = 0; i < 3000; ++i) {
        std::string line;
        const int length = std::uniform_int_distribution<int>(0, 24)(draw);
        for (int k = 0; k < length; ++k) {
            line += pieces[std::uniform_int_distribution<std::size_t>(0, 5)(draw)];
        }
        for (const std::size_t most : {1u, 3u, 10u}) {
            std::vector<std::string_view> expected = AllTabFields(line);
            if (expected.size() > most) {
                expected.resize(most);
            }
            std::vector<std::string_view> fields(most);
            fields.resize(SplitAtlasFields(line, fields));
            ASSERT_EQ(fields, expected) << line << " in " << most;
        }
    }
}

TEST(AtlasReading, ReadsDegreesAsFromCharsDoes) {
    const auto same = [](std::string_view text) {
        float plain = 0, quick = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), plain);
        const bool plainRead = error == std::errc() && end == text.data() + text.size();
        const bool quickRead = ReadAtlasDegrees(text, quick);
        return plainRead == quickRead && (!plainRead || std::bit_cast<std::uint32_t>(plain) ==
                                                            std::bit_cast<std::uint32_t>(quick));
    };
    // Every latitude and longitude to 4 decimals, as the file writes them.
    constexpr int kTenThousandthsTo180 = 1'800'000;
    for (int n = -kTenThousandthsTo180; n <= kTenThousandthsTo180; ++n) {
        const int whole = std::abs(n) / 10000, part = std::abs(n) % 10000;
        char text[16];
        const int length =
            std::snprintf(text, sizeof text, "%s%d.%04d", n < 0 ? "-" : "", whole, part);
        ASSERT_TRUE(same({text, static_cast<std::size_t>(length)})) << text;
    }
    for (const char* text :
         {"45",  "-0",  "-0.0000", "0.5",      "89.99999",  "180.00001",  "1e2",    "45.",
          ".5",  "+5",  "",        "-",        "--5",       "5-",         "1234.5", "0x10",
          "4 5", "nan", "inf",     "999.9999", "-999.9999", "12.3456789", "007.5"}) {
        EXPECT_TRUE(same(text)) << text;
    }
}

// A small atlas: its tables, then its places.
constexpr std::string_view kSmallAtlas =
    "# a small atlas\n"
    "F\tü\tu\n"
    "C\tFR\tFrance\n"
    "C\tCH\tSwitzerland\n"
    "R\t0\tFR\tCorrèze\n"
    "R\t1\tCH\tZurich\n"
    "Z\t0\tEurope/Paris\n"
    "Z\t1\tEurope/Zurich\n"
    "P\tZürich\tzurich\t1\tCH\t341730\t47.3667\t8.5500\t1\tturicum|zurigo\n"
    "P\tTulle\t\t0\tFR\t16969\t45.2658\t1.7723\t0\t\n";

TEST(AtlasReading, RefusesAFileOfRecordsOutOfShape) {
    testing::TempFolder folder;
    const std::string tables(kSmallAtlas.substr(0, kSmallAtlas.find("P\t")));
    const struct {
        const char* what;
        std::string bytes;
        const char* problem;  // empty: read
    } cases[] = {
        {"whole", std::string(kSmallAtlas), ""},
        {"cut short", std::string(kSmallAtlas.substr(0, kSmallAtlas.size() - 1)), "cut short"},
        {"a table after the places", std::string(kSmallAtlas) + "Z\t2\tEurope/Rome\n", "damaged"},
        {"a place of eleven fields", tables + "P\tTulle\t\t0\tFR\t1\t45\t1\t0\t\t\n", "damaged"},
        {"a region past the table", tables + "P\tTulle\t\t2\tFR\t1\t45\t1\t0\t\n", "damaged"},
        {"a longitude past the line", tables + "P\tTulle\t\t0\tFR\t1\t45\t181\t0\t\n", "damaged"},
        {"a country code of three", tables + "P\tTulle\t\t0\tFRA\t1\t45\t1\t0\t\n", "damaged"},
        {"tables alone", tables, "holds no place"},
        {"empty", "", "holds no place"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::filesystem::path file = folder.Write("PLACES.TSV", c.bytes);
        for (const bool forQuery : {false, true}) {
            Atlas atlas;
            const Problem problem =
                forQuery ? LoadAtlasForQuery(file, "tulle", atlas) : LoadAtlas(file, atlas);
            EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
            EXPECT_EQ(atlas.places.empty(), !problem.empty());
        }
    }
}

// Every cut of the small atlas and every byte of it changed: a problem naming
// the file or an atlas whose places all point into its tables.
TEST(AtlasReading, NeverFallsOverAHostileFile) {
    testing::TempFolder folder;
    const std::string good(kSmallAtlas);
    std::vector<std::string> files;
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        files.push_back(good.substr(0, cut));
    }
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (const char hostile : {'\t', '\n', '\0', '\xff', '9'}) {
            std::string changed = good;
            changed[at] = hostile;
            files.push_back(changed);
        }
    }
    for (const std::string& bytes : files) {
        const std::filesystem::path file = folder.Write("PLACES.TSV", bytes);
        for (const bool forQuery : {false, true}) {
            Atlas atlas;
            const Problem problem =
                forQuery ? LoadAtlasForQuery(file, "z", atlas) : LoadAtlas(file, atlas);
            if (!problem.empty()) {
                EXPECT_EQ(problem.rfind("The atlas " + file.string(), 0), 0u) << problem;
                EXPECT_TRUE(atlas.places.empty());
                continue;
            }
            for (const WorldPlace& place : atlas.places) {
                ASSERT_LT(place.region, atlas.regions.size()) << bytes;
                ASSERT_LT(place.zone, atlas.zones.size()) << bytes;
                EXPECT_LE(std::abs(place.latitudeDeg), 90) << bytes;
                EXPECT_LE(std::abs(place.longitudeDeg), 180) << bytes;
                EXPECT_FALSE(AtlasPlaceText(atlas, place).empty());
            }
            FindAtlasPlaces(atlas, "z", 10);
        }
    }
}

}  // namespace
}  // namespace solvaris
