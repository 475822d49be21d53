// Bytes a user or a neighbour can put into a name: every output format
// stays valid UTF-8, never loops, and shows control characters as escapes;
// files of nothing but line ends or commas are read in little memory.
#include <gtest/gtest.h>

#include <string>

#include "base/text_lines.hpp"
#include "support/command_outcome.hpp"
#include "support/run_program.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

const std::vector<std::string> kBirth = {"--date", "1950-12-05", "--time", "7:45pm", "--zone",
                                         "5",      "--lon",      "74w00",  "--lat",  "40n43"};

// The longest physical line of an ICS text, in octets without its CR LF.
std::size_t LongestLine(const std::string& text) {
    std::size_t longest = 0;
    ForEachLine(text, [&](std::string_view line) { longest = std::max(longest, line.size()); });
    return longest;
}

TEST(HostileText, NamesOfAnyBytesGiveValidUtf8InEveryFormat) {
    const std::string followOnBytes(74, '\x80');
    struct Case {
        const char* what;
        std::string name;
    };
    const Case cases[] = {
        {"follow-on bytes without a lead byte", "A" + followOnBytes},
        {"Latin-1", "Ren\xe9 M\xfcller"},
        {"a lead byte at the end", "Name\xe2\x82"},
        {"controls and C1", "Esc\x1b[31m Bel\x07 Csi\xc2\x9b"},
        {"every byte",
         [] {
             std::string all;
             for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
             return all;
         }()},
    };
    for (const Case& c : cases) {
        for (const char* format : {"ics", "csv", "json"}) {
            SCOPED_TRACE(std::string(c.what) + " as " + format);
            std::vector<std::string> args = {"timeline", "--from",     "2026-01-01",
                                             "--to",     "2026-02-15", "--name",
                                             c.name,     "--format",   format};
            args.insert(args.end(), kBirth.begin(), kBirth.end());
            const Outcome run = RunArgs(args);
            ASSERT_EQ(run.status, 0) << run.err;
            EXPECT_TRUE(IsValidUtf8(run.out));
            EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
            if (std::string(format) == "ics") {
                EXPECT_LE(LongestLine(run.out), 75u);
                EXPECT_TRUE(run.out.ends_with("END:VCALENDAR\r\n"));
            }
        }
    }
}

TEST(HostileText, BatchShowsControlCharactersAsEscapes) {
    const testing::TempFolder folder;
    const auto names = folder.Write(
        "NAMES.FIL", "Esc\x1b[2J Bel\x07 Csi\xc2\x9b,05 Dec 1950,7.45,P,5,074.00,40.43\r\n");
    for (const char* format : {"csv", "json"}) {
        const Outcome run = RunArgs({"batch", "--names", names.string(), "--format", format});
        ASSERT_EQ(run.status, 0) << run.err;
        for (const char control : {'\x1b', '\x07'}) {
            EXPECT_EQ(run.out.find(control), std::string::npos) << format;
        }
        EXPECT_EQ(run.out.find("\xc2\x9b"), std::string::npos) << format;
        const std::string shown = std::string(format) == "csv"
                                      ? "Esc\\x1b[2J Bel\\x07 Csi\\u009b"
                                      : "Esc\\\\x1b[2J Bel\\\\x07 Csi\\\\u009b";
        EXPECT_NE(run.out.find(shown), std::string::npos) << run.out;
    }
}

#if !defined(__SANITIZE_ADDRESS__)
// 64 MiB of line ends, or of commas on one line, read under an address
// space of 512 MiB: a few times the file, never a string per line or field.
TEST(HostileText, FilesOfLineEndsOrCommasReadInLittleMemory) {
    const testing::TempFolder folder;
    constexpr std::size_t kBytes = 64 * 1024 * 1024 - 16;
    struct Case {
        const char* file;
        char byte;
        std::string command;
    };
    const Case cases[] = {
        {"ENDS.FIL", '\n', "names list --names"},
        {"COMMAS.FIL", ',', "names list --names"},
        {"ENDS.LL", '\n', "cities list --cities"},
        {"BATCH.FIL", '\n', "batch --names"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto file = folder.Write(c.file, std::string(kBytes, c.byte));
        const testing::ProgramRun run =
            testing::RunShell("ulimit -v 524288; QT_QPA_PLATFORM=offscreen " +
                                  testing::ShellQuoted(SOLVARIS_BINARY) + " " + c.command,
                              {file.string()});
        EXPECT_GE(run.status, 0) << run.err;  // ended by itself, not by a signal
        EXPECT_LE(run.status, 1) << run.err;
        EXPECT_EQ(run.err.find("bad_alloc"), std::string::npos) << run.err;
        std::filesystem::remove(file);
    }
}
#endif

}  // namespace
}  // namespace solvaris
