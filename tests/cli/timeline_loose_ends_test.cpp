// The timeline at its edges: Pluto outside its theory's years, the first
// days of life, a station on a natal point, a polar birth and a range with
// no event.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/command_outcome.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

std::vector<std::string> Timeline(const std::vector<std::string>& birthAndRange) {
    std::vector<std::string> args{"timeline"};
    args.insert(args.end(), birthAndRange.begin(), birthAndRange.end());
    return args;
}

const std::string kNatalNote =
    "  NOTE: natal Pluto lies outside its theory's range (1885-2099); its position is "
    "approximate.\n";
const std::string kTransitNote =
    "  NOTE: transiting Pluto lies outside its theory's range (1885-2099); its position is "
    "approximate.\n";

// Each case: the command's words, what the output holds and what it does
// not; `err` the part of stderr (empty: stderr empty).
TEST(TimelineLooseEnds, EachEdgeSaysWhatItIs) {
    const std::vector<std::string> greenwich1700 = {
        "--date", "1700-03-01", "--time", "12:00pm", "--zone",     "0",    "--lon",
        "0w00",   "--lat",      "51n30",  "--from",  "1701-01-01", "--to", "1701-12-31"};
    const auto with = [](std::vector<std::string> words, const std::vector<std::string>& more) {
        words.insert(words.end(), more.begin(), more.end());
        return words;
    };
    // Saturn stations retrograde at 14.7348 degrees on 26 July 2026; the natal
    // Sun of 18:46 stands 0.00002 degree past it, that of 18:45 short of it.
    const auto sunAt = [](const char* time) {
        return std::vector<std::string>{"--date", "1990-04-04", "--time",    time,
                                        "--zone", "0",          "--lon",     "0w00",
                                        "--lat",  "51n30",      "--from",    "2026-07-01",
                                        "--to",   "2026-08-31", "--transits"};
    };
    const std::vector<std::string> tromso = {
        "--date", "1980-06-15", "--time", "12:00pm", "--zone",     "-1",   "--lon",
        "18e57",  "--lat",      "69n39",  "--from",  "2026-01-01", "--to", "2026-03-31"};
    const std::string stationsOn =
        "  26 JUL 2026 18:09  26 JUL 2026 18:09  Tr. SATURN    stations on SUN            1.0  "
        "22 JUN 2026 - 30 AUG 2026\n";
    struct Case {
        const char* what;
        std::vector<std::string> words;
        std::vector<std::string> present;
        std::vector<std::string> absent;
        std::string err;
    };
    const Case cases[] = {
        {"Pluto of 1700", greenwich1700, {kNatalNote, kTransitNote, "Tr. PLUTO"}, {}, ""},
        {"Pluto of 1700 in JSON",
         with(greenwich1700, {"--format", "json"}),
         {"\"moving\":\"PLUTO\"", "\"pluto_outside_theory\":true"},
         {},
         "solvaris timeline: NOTE: transiting Pluto lies outside"},
        {"Pluto of 2026",
         {"--person", "Sample Natal", "--from", "2026-01-01", "--to", "2026-12-31"},
         {"PLUTO"},
         {"NOTE:"},
         ""},
        {"first days of life",
         {"--person", "Sample Natal", "--from", "1950-12-05", "--to", "1951-01-31",
          "--progressions", "--directions", "--format", "csv"},
         {},
         {"PLUTO,Conjunct,PLUTO", "SUN,Conjunct,SUN", "MOON,Conjunct,MOON"},
         ""},
        {"station short of the Sun",
         sunAt("18:46"),
         {"  26 JUL 2026 18:09  26 JUL 2026 18:09  Tr. SATURN    turns retrograde\n" + stationsOn},
         {"Tr. SATURN    Conjunct    SUN"},
         ""},
        {"station past the Sun",
         sunAt("18:45"),
         {stationsOn, "25 JUL 2026 21:04  Tr. SATURN    Conjunct    SUN",
          "27 JUL 2026 15:15  Tr. SATURN    Conjunct    SUN"},
         {},
         ""},
        {"station in JSON",
         with(sunAt("18:46"), {"--format", "json"}),
         {"{\"kind\":\"station-on\",\"ut\":\"2026-07-26T18:09:14+00:00\"",
          "\"moving\":\"SATURN\",\"aspect\":\"Conjunct\",\"natal\":\"SUN\",\"sign\":null,"
          "\"orb\":1.0000000"},
         {},
         ""},
        {"polar birth",
         tromso,
         {"  NOTE: above 66 degrees of latitude the Ascendant can stand in the west; the natal "
          "and directed Ascendant are left out.\n",
          " MC "},
         {" ASC ", "ASC\n"},
         ""},
        {"empty calendar",
         {"--person", "Sample Natal", "--from", "2026-01-01", "--to", "2026-01-01",
          "--progressions", "--format", "ics"},
         {"CALSCALE:GREGORIAN\r\nBEGIN:VJOURNAL\r\nUID:no-events-",
          "SUMMARY:Sample Natal: no events in this range\r\nEND:VJOURNAL\r\nEND:VCALENDAR\r\n"},
         {"VEVENT"},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome r = RunArgs(Timeline(c.words));
        EXPECT_EQ(r.status, 0) << r.err;
        for (const std::string& part : c.present) {
            EXPECT_NE(r.out.find(part), std::string::npos) << part;
        }
        for (const std::string& part : c.absent) {
            EXPECT_EQ(r.out.find(part), std::string::npos) << part;
        }
        if (c.err.empty()) {
            EXPECT_EQ(r.err, "");
        } else {
            EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        }
    }
    // The lines with a Pluto, moving or natal, are the ones marked.
    const Outcome csv = RunArgs(Timeline(with(greenwich1700, {"--format", "csv"})));
    std::size_t marked = 0;
    for (std::size_t start = csv.out.find('\n') + 1, end;
         (end = csv.out.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = csv.out.substr(start, end - start);
        EXPECT_EQ(line.find(",PLUTO,") != std::string::npos, line.ends_with(",true")) << line;
        marked += line.ends_with(",true");
    }
    EXPECT_GT(marked, 30u);
}

// A July birth in New York keeps New York's clock at each event: EST in
// winter, EDT in summer (2026: 8 March to 1 November) when its zone was
// named; with a typed zone, that zone all year.
TEST(TimelineLooseEnds, TheChartsClockFollowsItsZonesRules) {
    const std::vector<std::string> julyBirth = {
        "--date", "1990-07-15", "--time", "12:00pm",    "--lon",      "74w00",    "--lat", "40n43",
        "--from", "2026-01-01", "--to",   "2026-12-31", "--transits", "--format", "csv"};
    const auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> words = julyBirth;
        words.insert(words.end(), more.begin(), more.end());
        return Timeline(words);
    };
    const auto summer = [](const std::string& ut) {
        const std::string day = ut.substr(5, 5);  // MM-DD
        return day >= "03-08" && day < "11-01";
    };
    struct Case {
        const char* what;
        std::vector<std::string> zone;
        bool followsRules;
    };
    for (const Case& c : {Case{"named zone", {"--tz", "America/New_York"}, true},
                          Case{"typed zone", {"--zone", "4"}, false}}) {
        SCOPED_TRACE(c.what);
        const Outcome csv = RunArgs(with(c.zone));
        ASSERT_EQ(csv.status, 0) << csv.err;
        int winter = 0;
        for (std::size_t start = csv.out.find('\n') + 1, end;
             (end = csv.out.find('\n', start)) != std::string::npos; start = end + 1) {
            const std::string line = csv.out.substr(start, end - start);
            const std::size_t ut = line.find(',') + 1;
            const std::size_t clock = line.find(',', ut) + 1;
            const std::string offset = line.substr(clock + 19, 6);
            const bool edt = !c.followsRules || summer(line.substr(ut, 10));
            EXPECT_EQ(offset, edt ? "-04:00" : "-05:00") << line;
            winter += !summer(line.substr(ut, 10));
        }
        EXPECT_GT(winter, 5);
    }
    // The text report: 1 January 2026 at 17:00 on New York's winter clock.
    const Outcome text = RunArgs(Timeline(
        {"--date", "1990-07-15", "--time", "12:00pm", "--tz", "America/New_York", "--lon", "74w00",
         "--lat", "40n43", "--from", "2026-01-01", "--to", "2026-01-31", "--transits", "--moon"}));
    ASSERT_EQ(text.status, 0) << text.err;
    std::size_t lines = 0;
    for (std::size_t start = 0, end; (end = text.out.find('\n', start)) != std::string::npos;
         start = end + 1) {
        const std::string line = text.out.substr(start, end - start);
        if (line.size() < 40 || line.substr(2, 2) == "DA" || line.find("JAN 2026") != 5) {
            continue;
        }
        const int utHour = std::stoi(line.substr(14, 2));
        const int clockHour = std::stoi(line.substr(33, 2));
        EXPECT_EQ((utHour - clockHour + 24) % 24, 5) << line;
        ++lines;
    }
    EXPECT_GT(lines, 5u);
}

}  // namespace
}  // namespace solvaris
