// Every zone of CITYZONE.DAT against Python's zoneinfo, from the table that
// tools/zone_table.py wrote: noon of January and July every fifth year
// 1850-2095, and a minute either side of every change 1850-2099, both as
// universal instants and as local clock times (gaps and folds included).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "people/zone_files.hpp"
#include "people/zone_history.hpp"

namespace solvaris {
namespace {

struct Rule {
    int eastSeconds;
    std::string abbreviation;
};

struct Table {
    std::string zone;
    std::vector<Rule> rules;
    std::ostringstream wrong;
    int compared = 0;
    int mismatches = 0;

    const Rule& Of(char digit) const {
        const int index = digit <= '9' ? digit - '0' : digit - 'a' + 10;
        return rules.at(static_cast<std::size_t>(index));
    }

    bool Same(const ZoneRule& ours, const Rule& theirs) const {
        return -ours.secondsWest == theirs.eastSeconds && ours.abbreviation == theirs.abbreviation;
    }

    void Note(bool agree, const std::string& what) {
        ++compared;
        if (!agree && ++mismatches <= 20) {
            wrong << zone << " " << what << "\n";
        }
    }

    // A zoneinfo cell "ab": the rules of fold=0 and fold=1 at that clock.
    void Local(const LocalClock& local, char fold0, char fold1) {
        const Rule& first = Of(fold0);
        const Rule& second = Of(fold1);
        const LocalTimeKind kind = first.eastSeconds > second.eastSeconds ? LocalTimeKind::Repeated
                                   : first.eastSeconds < second.eastSeconds ? LocalTimeKind::Skipped
                                                                            : LocalTimeKind::Once;
        const ZoneLookup found = ZoneAtLocalTime(zone, local);
        char text[64];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d local", local.year,
                      local.month, local.day, local.hour, local.minute, local.second);
        Note(found.zone && found.zone->kind == kind && Same(found.zone->earlier, first) &&
                 Same(found.zone->later, second),
             text + (found.zone ? " " + found.zone->earlier.abbreviation : found.problem));
    }

    void Universal(long long seconds, char digit) {
        const ZoneRuleLookup found =
            ZoneRuleAtInstant(zone, std::chrono::sys_seconds(std::chrono::seconds(seconds)));
        Note(found.rule && Same(*found.rule, Of(digit)), std::to_string(seconds) + " UT");
    }
};

LocalClock ClockOf(long long seconds) {
    using namespace std::chrono;
    const sys_seconds t{std::chrono::seconds(seconds)};
    const sys_days day = floor<days>(t);
    const year_month_day date{day};
    const hh_mm_ss<std::chrono::seconds> clock{t - day};
    return {static_cast<int>(date.year()),
            static_cast<int>(unsigned(date.month())),
            static_cast<int>(unsigned(date.day())),
            static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count()),
            static_cast<int>(clock.seconds().count())};
}

std::string SystemVersion() {
    std::ifstream text(ZoneFolder() / "tzdata.zi");
    std::string hash, word, version;
    text >> hash >> word >> version;
    return version;
}

TEST(ZoneTable, EveryCityZoneAgreesWithZoneinfo1850To2099) {
    std::ifstream file(SOLVARIS_TEST_DATA_DIR "/zone_table.txt");
    ASSERT_TRUE(file) << "tests/data/zone_table.txt";
    std::string line;
    ASSERT_TRUE(std::getline(file, line) && line.starts_with("V "));
    if (line.substr(2) != SystemVersion()) {
        GTEST_SKIP() << "the table is of tzdata " << line.substr(2) << ", this machine has "
                     << SystemVersion() << ": run python3 tools/zone_table.py";
    }
    Table table;
    int zones = 0;
    long long change = 0;
    while (std::getline(file, line)) {
        std::istringstream fields(line.substr(2));
        switch (line[0]) {
            case 'Z':
                table.zone = line.substr(2);
                table.rules.clear();
                change = 0;
                ++zones;
                break;
            case 'R': {
                Rule rule{};
                fields >> rule.eastSeconds >> rule.abbreviation;
                table.rules.push_back(rule);
                break;
            }
            case 'N': {
                std::string cell;
                for (int i = 0; fields >> cell; ++i) {
                    table.Local({1850 + i / 2 * 5, i % 2 == 0 ? 1 : 7, 15, 12, 0, 0}, cell[0],
                                cell[1]);
                }
                break;
            }
            case 'C': {
                std::string cell;
                while (fields >> cell) {
                    const std::size_t colon = cell.find(':');
                    change += std::stoll(cell.substr(0, colon), nullptr, 36);
                    const std::string r = cell.substr(colon + 1);
                    ASSERT_EQ(r.size(), 6u) << cell;
                    table.Universal(change - 60, r[0]);
                    table.Universal(change + 60, r[1]);
                    table.Local(ClockOf(change - 60 + table.Of(r[0]).eastSeconds), r[2], r[3]);
                    table.Local(ClockOf(change + 60 + table.Of(r[1]).eastSeconds), r[4], r[5]);
                }
                break;
            }
            default: FAIL() << line;
        }
    }
    EXPECT_EQ(zones, 164);
    EXPECT_GT(table.compared, 35000);
    EXPECT_EQ(table.mismatches, 0) << table.wrong.str();
    std::cout << "zone lookups compared with zoneinfo: " << table.compared
              << ", disagreeing: " << table.mismatches << "\n";
}

}  // namespace
}  // namespace solvaris
