#include <gtest/gtest.h>

#include "cli/timeline_formats.hpp"
#include "support/command_outcome.hpp"
#include "support/run_program.hpp"

namespace solvaris {
namespace {

using testing::Outcome;

std::vector<std::string> Timeline(const std::string& from, const std::string& to,
                                  std::vector<std::string> more = {}) {
    std::vector<std::string> args{"timeline", "--date", "1960-06-15", "--time", "7:30am",
                                  "--zone",   "5",      "--lon",      "74W00",  "--lat",
                                  "40N43",    "--from", from,         "--to",   to};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

TEST(TimelineCommand, BadRangesAreRefusedWithStatusTwo) {
    struct Row {
        const char* from;
        const char* to;
        const char* message;
    };
    for (const Row row : {Row{"2026-05-01", "2026-04-30", "the range ends before it begins"},
                          Row{"2099-12-01", "2100-01-02", "outside the years 100 to 2099"},
                          Row{"1800-01-01", "2026-01-01", "longer than 200 years"},
                          Row{"2026-02-30", "2026-03-01", "expected YYYY-MM-DD"}}) {
        const Outcome r = testing::RunArgs(Timeline(row.from, row.to));
        EXPECT_EQ(r.status, 2) << row.from;
        EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

// The same events in every format; the calendar file has CR LF lines of at
// most 75 octets and reads back in Python's icalendar where it is installed.
TEST(TimelineCommand, FormatsAgreeAndTheCalendarReadsBack) {
    const Outcome json =
        testing::RunArgs(Timeline("2026-01-01", "2026-03-31", {"--format", "json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    const std::size_t events = Count(json.out, "\"kind\":");
    EXPECT_GT(events, 50u);
    const Outcome csv = testing::RunArgs(Timeline("2026-01-01", "2026-03-31", {"--format", "csv"}));
    EXPECT_EQ(Count(csv.out, "\n"), events + 1);
    const Outcome text = testing::RunArgs(Timeline("2026-01-01", "2026-03-31"));
    EXPECT_NE(text.out.find("Tr. MERCURY   turns retrograde"), std::string::npos) << text.out;

    // A name of two-octet letters from the first octet after "DESCRIPTION:", so
    // that the fold falls inside a letter unless it steps back to its start.
    std::string accents;
    for (int i = 0; i < 40; ++i) {
        accents += "\xC3\xA9";  // é
    }
    const Outcome ics =
        testing::RunArgs(Timeline("2026-01-01", "2026-03-31",
                                  {"--name", accents + " Ann, \"Bee\"; C\\D", "--format", "ics"}));
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
