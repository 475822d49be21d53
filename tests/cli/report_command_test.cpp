#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <regex>
#include <sstream>

#include "formats/timeline_formats.hpp"
#include "support/command_outcome.hpp"
#include "support/run_program.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

// The words of `command`, the birth options of a report, a return, a timeline
// or a chart (the second chart's only where they are read: not by the ephemeris
// nor the timeline), then `more`.
std::vector<std::string> Report(const std::string& command, const char* natalDate,
                                const std::vector<std::string>& more = {}) {
    std::istringstream words(command);
    std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    args.insert(args.end(), {"--date", natalDate, "--time", "7:30am", "--zone", "5", "--lon",
                             "74W00", "--lat", "40N43"});
    if (command.find("ephemeris") == std::string::npos && !command.starts_with("timeline")) {
        args.insert(args.end(),
                    {"--diurnal-date", "2026-12-06", "--diurnal-time", "1:00pm", "--diurnal-zone",
                     "5", "--diurnal-lon", "74W00", "--diurnal-lat", "40N43"});
    }
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

// Every page or day asked for, well past the data window's buffer (643
// ephemeris pages), or a refusal before anything is written. Only the aspect
// grid and the wheel read an orb file; one that cannot be read is a file
// problem. A timeline's range is refused as a malformed command line.
TEST(ReportCommand, EveryPageAskedForOrRefusedUpFront) {
    testing::TempFolder folder;
    const std::string missing = (folder / "MISSING.ORB").string();
    const std::string shipped = std::string(SOLVARIS_DATA_DIR) + "/NATAL.ORB";
    const std::string image = (folder / "wheel.png").string();
    const std::string days = "TRANSITING PLANET ASPECTS TO NATAL PLANETS";
    struct Case {
        std::string command;
        int status;
        std::size_t count;  // pages or days printed
        std::string error;  // part of stderr; empty: stderr empty
        const char* natalDate = "1960-06-15";
    };
    const Case cases[] = {
        {"report ephemeris --pages 700", 0, 700, ""},
        {"report ephemeris --pages 80", 0, 80, "", "2095-01-01"},
        {"report ephemeris --pages 3000", 2, 0,
         "--pages 3000 would run past the year 2099; from this date at most 2428 pages"},
        {"report ephemeris --pages 100", 2, 0, "at most 87 pages", "2095-01-01"},
        {"report interpretations --days 700", 0, 700, ""},
        {"report natal-aspects --orbs " + shipped, 2, 0,
         "--orbs is read only by the aspect-grid report; 'natal-aspects' takes its orbs from "
         "the options file"},
        {"report transit-aspects-natal --orbs " + missing, 2, 0, "--orbs is read only by"},
        {"report aspect-grid --orbs " + missing, 3, 0, "MISSING.ORB cannot be read (no such"},
        {"report aspect-grid --orbs " + shipped, 0, 0, ""},
        {"wheel natal --out " + image + " --orbs " + missing, 3, 0, "MISSING.ORB cannot be read"},
        {"timeline --from 2026-05-01 --to 2026-04-30", 2, 0, "the range ends before it begins"},
        {"timeline --from 2099-12-01 --to 2100-01-02", 2, 0, "outside the years 100 to 2099"},
        {"timeline --from 1800-01-01 --to 2026-01-01", 2, 0, "longer than 200 years"},
        {"timeline --from 2026-02-30 --to 2026-03-01", 2, 0, "expected YYYY-MM-DD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command + " from " + c.natalDate);
        const Outcome r = RunArgs(Report(c.command, c.natalDate));
        EXPECT_EQ(r.status, c.status) << r.err.substr(0, 300);
        EXPECT_EQ(
            Count(r.out, c.command.starts_with("report ephemeris") ? "Ephemeris starting" : days),
            c.count);
        EXPECT_EQ(r.out.empty(), !c.error.empty());
        EXPECT_EQ(r.err.empty(), c.error.empty());
        EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(image));
}

// Pluto's series holds 1885-2099: outside it every report that shows Pluto
// carries a note and the JSON a flag; inside, nothing changes. And --noon,
// and the returns' dates.
TEST(ReportCommand, PlutoOutsideItsTheoryIsMarkedAndReturnsStep) {
    const std::string natalNote =
        "  NOTE: natal Pluto lies outside its theory's range (1885-2099); its position is "
        "approximate.\n";
    const std::string noonFirstDay =  // --noon: the page at 12h UT, as the window asks
        "  05 Dec  12SAG47m02  18LIB20m32  00CPR37 18SAG05 22CPR20 00PIS28 01LIB07 08CAN26 "
        "18LIB56 19LEO49\n";
    struct Case {
        const char* command;  // words
        const char* natalDate;
        std::string needle;
        bool present = true;
        const char* transitDate = nullptr;  // null: 2026-12-06
    };
    const Case cases[] = {
        {"report natal-aspects", "1884-12-31", natalNote},
        {"report natal", "1885-01-01", "NOTE:", false},
        {"report natal", "2099-12-31", "NOTE:", false},
        {"report transit-data", "1960-06-15", "  NOTE: transiting Pluto lies", true, "1850-01-01"},
        {"report progression-data", "1800-06-15", "  NOTE: progressed Pluto", true, "1850-01-01"},
        {"report summary", "1960-06-15", "  NOTE: transiting Pluto lies", true, "1850-01-01"},
        {"report ephemeris", "2099-12-20", "  NOTE: the listed Pluto lies outside"},
        {"report ephemeris", "1960-06-15", "NOTE:", false},
        {"report ephemeris --noon", "1950-12-05", noonFirstDay},
        {"return solar", "1800-06-15", "NOTE: the return's Pluto lies", true, "1850-01-01"},
        {"chart", "1800-06-15", "\"pluto_outside_theory\":true"},
        {"chart", "1960-06-15", "\"pluto_outside_theory\":false"},
        // Solar returns step by years; after the 2028 leap day the return falls
        // late on 14 June, Greenwich time.
        {"return solar", "1960-06-15", "SOLAR RETURN  06/15/2026  "},
        {"return solar --previous 1", "1960-06-15", "SOLAR RETURN  06/15/2025  "},
        {"return solar --next 2 --format json", "1960-06-15", "\"date\":\"06/14/2028\""},
        {"return solar --next 2 --format json", "1960-06-15", "\"moment\":\"2028-06-14T"},
    };
    for (const Case& c : cases) {
        // A later --diurnal-date wins.
        const Outcome r = RunArgs(
            c.transitDate ? Report(c.command, c.natalDate, {"--diurnal-date", c.transitDate})
                          : Report(c.command, c.natalDate));
        SCOPED_TRACE(std::string(c.command) + " from " + c.natalDate);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out.find(c.needle) != std::string::npos, c.present);
    }
}

// The same events in every format; the calendar file has CR LF lines of at
// most 75 octets and reads back in Python's icalendar where it is installed.
TEST(TimelineCommand, FormatsAgreeAndTheCalendarReadsBack) {
    const auto timeline = [](const std::vector<std::string>& more) {
        return RunArgs(Report("timeline --from 2026-01-01 --to 2026-03-31", "1960-06-15", more));
    };
    const Outcome json = timeline({"--format", "json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const std::size_t events = Count(json.out, "\"kind\":");
    EXPECT_GT(events, 50u);
    EXPECT_EQ(Count(timeline({"--format", "csv"}).out, "\n"), events + 1);
    EXPECT_NE(timeline({}).out.find("Tr. MERCURY   turns retrograde"), std::string::npos);

    // A name of two-octet letters from the first octet after "DESCRIPTION:", so
    // that the fold falls inside a letter unless it steps back to its start.
    const std::string accents =
        std::regex_replace(std::string(40, 'e'), std::regex("e"), "\xC3\xA9");
    const Outcome ics = timeline({"--name", accents + " Ann, \"Bee\"; C\\D", "--format", "ics"});
    ASSERT_EQ(ics.status, 0) << ics.err;
    EXPECT_EQ(Count(ics.out, "BEGIN:VEVENT\r\n"), events);
    EXPECT_EQ(Count(ics.out, "\n"), Count(ics.out, "\r\n"));
    std::string unfolded;
    for (std::size_t start = 0, end; (end = ics.out.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string line = ics.out.substr(start, end - start);
        EXPECT_LE(line.size(), 75u);
        if (line.starts_with(' ')) {  // a folded line goes on with a whole letter
            EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80u) << line;
            unfolded += line.substr(1);
        } else {
            unfolded += "\n" + line;
        }
    }
    EXPECT_NE(unfolded.find(accents + " Ann\\, \"Bee\"\\; C\\\\D"), std::string::npos);
    EXPECT_EQ(IcsEscaped("a\nb"), "a\\nb");  // no name from the command line holds one

    // Debian's interpreter, where python3-icalendar installs, may not be
    // the first python3 on the path.
    std::string python;
    for (const char* candidate : {"python3", "/usr/bin/python3"}) {
        if (python.empty() &&
            testing::RunShell(candidate, {"-c", "import icalendar"}).status == 0) {
            python = candidate;
        }
    }
    if (python.empty()) {
        GTEST_SKIP() << "python3-icalendar is not installed";
    }
    testing::TempFolder folder;
    const auto file = folder.Write("timeline.ics", ics.out);
    // Events, distinct UIDs, the zone of the first start and its description
    // unescaped.
    const auto script = folder.Write(
        "read.py",
        "import icalendar, sys\n"
        "c = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
        "e = c.walk('VEVENT')\n"
        "print(len(e), len({str(x['UID']) for x in e}), e[0]['DTSTART'].dt.utcoffset(),\n"
        "      str(e[0]['DESCRIPTION']).startswith('\\u00e9' * 40 + ' Ann, \"Bee\"; C\\\\D: "
        "exact'))\n");
    const testing::ProgramRun read = testing::RunShell(python, {script.string(), file.string()});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.out, std::to_string(events) + " " + std::to_string(events) + " 0:00:00 True\n");
}

}  // namespace
}  // namespace solvaris
