#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/command_outcome.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Outcome;

Outcome Solvaris(const std::vector<std::string>& args) { return testing::RunArgs(args); }

// The second chart's options only where they are read: the ephemeris reads
// the natal data alone.
std::vector<std::string> Report(std::vector<std::string> head, const char* natalDate) {
    head.insert(head.end(), {"--date", natalDate, "--time", "7:30am", "--zone", "5", "--lon",
                             "74W00", "--lat", "40N43"});
    if (head.size() < 2 || head[1] != "ephemeris") {
        head.insert(head.end(),
                    {"--diurnal-date", "2026-12-06", "--diurnal-time", "1:00pm", "--diurnal-zone",
                     "5", "--diurnal-lon", "74W00", "--diurnal-lat", "40N43"});
    }
    return head;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

// The command line keeps no session: it writes every page or day asked for,
// well past what the data window's buffer holds (643 ephemeris pages), or
// refuses before writing anything.
TEST(ReportCommand, EveryPageAskedForOrRefusedUpFront) {
    struct Case {
        std::vector<std::string> head;
        const char* natalDate;
        int status;
        const char* counted;  // once per page or day
        std::size_t count;
        const char* error;  // part of stderr; nullptr: no warning at all
    };
    const Case cases[] = {
        {{"report", "ephemeris", "--pages", "700"},
         "1960-06-15",
         0,
         "Ephemeris starting",
         700,
         nullptr},
        {{"report", "ephemeris", "--pages", "80"},
         "2095-01-01",
         0,
         "Ephemeris starting",
         80,
         nullptr},
        {{"report", "ephemeris", "--pages", "3000"},
         "1960-06-15",
         2,
         "Ephemeris starting",
         0,
         "--pages 3000 would run past the year 2099; from this date at most 2428 pages"},
        {{"report", "ephemeris", "--pages", "100"},
         "2095-01-01",
         2,
         "Ephemeris starting",
         0,
         "at most 87 pages"},
        {{"report", "interpretations", "--days", "700"},
         "1960-06-15",
         0,
         "TRANSITING PLANET ASPECTS TO NATAL PLANETS",
         700,
         nullptr},
    };
    for (const Case& c : cases) {
        const Outcome r = Solvaris(Report(c.head, c.natalDate));
        const std::string what = c.head[1] + " " + c.head[3] + " from " + c.natalDate;
        EXPECT_EQ(r.status, c.status) << what << ": " << r.err.substr(0, 300);
        EXPECT_EQ(Count(r.out, c.counted), c.count) << what;
        if (c.error == nullptr) {
            EXPECT_EQ(r.err.find("Warning!"), std::string::npos) << what;
        } else {
            EXPECT_NE(r.err.find(c.error), std::string::npos) << what << ": " << r.err;
            EXPECT_TRUE(r.out.empty()) << what;
        }
    }
}

// An orb file is read by the aspect grid and the wheel's printed grid only;
// one that cannot be read stops the command with the orb file's message and
// the reason, as a file problem.
TEST(ReportCommand, OrbFileOnlyWhereItIsReadAndNeverMissingUnsaid) {
    testing::TempFolder folder;
    const std::string missing = (folder / "MISSING.ORB").string();
    const std::string shipped = std::string(SOLVARIS_DATA_DIR) + "/NATAL.ORB";
    const std::string image = (folder / "wheel.png").string();
    struct Case {
        std::vector<std::string> head;
        int status;
        const char* error;  // part of stderr; nullptr: stderr empty
    };
    const Case cases[] = {
        {{"report", "natal-aspects", "--orbs", shipped},
         2,
         "--orbs is read only by the aspect-grid report; 'natal-aspects' takes its orbs from "
         "the options file"},
        {{"report", "transit-aspects-natal", "--orbs", missing}, 2, "--orbs is read only by"},
        {{"report", "aspect-grid", "--orbs", missing}, 3, "MISSING.ORB cannot be read (no such"},
        {{"report", "aspect-grid", "--orbs", folder.path().string()},
         3,
         "cannot be read (a folder)"},
        {{"report", "aspect-grid", "--orbs", shipped}, 0, nullptr},
        {{"wheel", "natal", "--out", image, "--orbs", missing}, 3, "MISSING.ORB cannot be read"},
    };
    for (const Case& c : cases) {
        const Outcome r = Solvaris(Report(c.head, "1960-06-15"));
        EXPECT_EQ(r.status, c.status) << c.head[1] << ": " << r.err;
        if (c.error == nullptr) {
            EXPECT_EQ(r.err, "") << c.head[1];
            EXPECT_FALSE(r.out.empty());
        } else {
            EXPECT_NE(r.err.find(c.error), std::string::npos) << c.head[1] << ": " << r.err;
            EXPECT_TRUE(r.out.empty()) << c.head[1];
        }
    }
    EXPECT_FALSE(std::filesystem::exists(image));
}

// --noon answers what the window asks: the same page at 12h UT instead of
// 0h, the Sun half a degree on; nothing asked on stderr.
TEST(ReportCommand, EphemerisAtMidnightOrNoon) {
    struct Case {
        std::vector<std::string> head;
        const char* firstDay;
    };
    const Case cases[] = {
        {{"report", "ephemeris"},
         "  05 Dec  12SAG16m35  11LIB15m33  29SAG54 17SAG27 21CPR56 00PIS24 01LIB05 08CAN27 "
         "18LIB55 19LEO49\n"},
        {{"report", "ephemeris", "--noon"},
         "  05 Dec  12SAG47m02  18LIB20m32  00CPR37 18SAG05 22CPR20 00PIS28 01LIB07 08CAN26 "
         "18LIB56 19LEO49\n"},
    };
    for (const Case& c : cases) {
        const Outcome r = Solvaris(Report(c.head, "1950-12-05"));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(Count(r.out, c.firstDay), 1u) << r.out;
    }
}

// Pluto's series holds 1885-2099: outside it every report that shows Pluto
// carries a note and the JSON a flag; inside, nothing changes.
TEST(ReportCommand, PlutoOutsideItsTheoryIsMarked) {
    const std::string natalNote =
        "  NOTE: natal Pluto lies outside its theory's range (1885-2099); its position is "
        "approximate.\n";
    struct Case {
        std::vector<std::string> head;
        const char* natalDate;
        const char* needle;
        bool present;
    };
    const Case cases[] = {
        {{"report", "natal"}, "1800-06-15", natalNote.c_str(), true},
        {{"report", "natal-aspects"}, "1884-12-31", natalNote.c_str(), true},
        {{"report", "natal"}, "1885-01-01", "NOTE:", false},
        {{"report", "natal"}, "2099-12-31", "NOTE:", false},
        {{"report", "transit-data"}, "1800-06-15", "NOTE:", false},  // no natal Pluto shown
        {{"report", "progression-data"}, "1960-06-15", "NOTE:", false},
        {{"report", "transit-data", "--diurnal-date", "1850-01-01"},
         "1960-06-15",
         "  NOTE: transiting Pluto lies outside",
         true},
        {{"report", "progression-data", "--diurnal-date", "1850-01-01"},
         "1800-06-15",
         "  NOTE: progressed Pluto lies outside",
         true},
        {{"report", "interpretations", "--diurnal-date", "1850-01-01"},
         "1960-06-15",
         "  NOTE: transiting Pluto lies outside",
         true},
        {{"report", "summary", "--diurnal-date", "1850-01-01"},
         "1960-06-15",
         "  NOTE: transiting Pluto lies outside",
         true},
        {{"report", "summary"}, "1960-06-15", "NOTE:", false},
        {{"report", "ephemeris"}, "1800-06-15", "  NOTE: the listed Pluto lies outside", true},
        {{"report", "ephemeris"}, "2099-12-20", "  NOTE: the listed Pluto lies outside", true},
        {{"report", "ephemeris"}, "1960-06-15", "NOTE:", false},
        {{"return", "solar", "--diurnal-date", "1850-01-01"},
         "1800-06-15",
         "NOTE: the return's Pluto lies outside",
         true},
        {{"return", "solar", "--format", "json"},
         "1960-06-15",
         "\"pluto_outside_theory\":false",
         true},
        {{"chart"}, "1800-06-15", "\"pluto_outside_theory\":true", true},
        {{"chart"}, "1960-06-15", "\"pluto_outside_theory\":true", false},
        {{"chart"}, "1960-06-15", "\"pluto_outside_theory\":false", true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.head;
        // A later --diurnal-date in the list wins over the default one.
        std::vector<std::string> tail(args.begin() + std::min<std::size_t>(2, args.size()),
                                      args.end());
        args.resize(std::min<std::size_t>(2, args.size()));
        args = Report(args, c.natalDate);
        args.insert(args.end(), tail.begin(), tail.end());
        const Outcome r = Solvaris(args);
        ASSERT_EQ(r.status, 0) << c.head[0] << " " << c.natalDate << ": " << r.err;
        EXPECT_EQ(r.out.find(c.needle) != std::string::npos, c.present)
            << c.head[0] << " " << (c.head.size() > 1 ? c.head[1] : "") << " " << c.natalDate;
    }
}

}  // namespace
}  // namespace solvaris
