// A text file's byte ranges read as whole lines, held against the whole
// file as ReadText decodes it: ranges that follow one another make it again.
#include "base/text_range.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "base/text_lines.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

constexpr auto kEnd = std::numeric_limits<std::uintmax_t>::max();

std::size_t LineEnds(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// Reads the file as ranges cut at `cuts` (ascending) and checks that each
// begins at a line start with the right number and that together they are
// the file as ReadText reads it.
void ExpectCutsMakeTheFile(const std::filesystem::path& file,
                           const std::vector<std::uintmax_t>& cuts) {
    const std::string whole = ReadText(file).value();
    std::string joined;
    std::uintmax_t start = 0;
    for (std::size_t k = 0; k <= cuts.size(); ++k) {
        const std::uintmax_t stop = k < cuts.size() ? cuts[k] : kEnd;
        TextRange range;
        ASSERT_EQ(ReadTextRange(file, start, stop, range), "") << start << ' ' << stop;
        if (!range.text.empty()) {
            EXPECT_TRUE(joined.empty() || joined.back() == '\n') << start;
            EXPECT_EQ(range.firstLineNumber, LineEnds(joined) + 1) << start;
        }
        joined += range.text;
        start = stop;
    }
    EXPECT_EQ(joined, whole);
}

TEST(TextRange, RangesThatFollowOneAnotherMakeTheFile) {
    TempFolder folder;
    // One line longer than the block the parts before a range are read in.
    std::string large;
    for (int i = 0; large.size() < 2'500'000; ++i) {
        large += "Person " + std::to_string(i) + ",05 Dec 1950\r\n";
        if (i == 20'000) {
            large += std::string(1'200'000, 'x') + "\n";
        }
    }
    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases{
        {"crlf.fil", "Ann,1\r\nBob,2\r\n\r\n  \r\nCy,3\r\n"},
        {"lf-unended.fil", "Ann,1\nBob,2\n\nCy,3"},
        {"cr-unended.fil", "Ann,1\nCy,3\r"},
        {"bom.fil",
         "\xEF\xBB\xBF"
         "Ann,1\r\nZ\xC3\xBCrich,2\r\n"},
        // Windows-1252 at the end: a range of "Ã©" bytes earlier, valid
        // UTF-8 in itself, reads as the whole file does.
        {"cp1252.fil", "Ann,1\r\nJos\xC3\xA9,2\r\nBob,3\r\nZ\xFCrich,4\r\n"},
        {"bom-cp1252.fil",
         "\xEF\xBB\xBF"
         "Ann,\xE9\r\nBob,2\r\n"},
        {"one-line.fil", "Ann,1"},
        {"empty.fil", ""},
        {"large.fil", large},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = folder.Write(c.name, c.bytes);
        std::vector<std::uintmax_t> points;
        if (c.bytes.size() < 100) {
            for (std::uintmax_t at = 0; at <= c.bytes.size() + 2; ++at) {
                points.push_back(at);
            }
        } else {
            for (std::uintmax_t at : {std::uintmax_t{1}, std::uintmax_t{1} << 20}) {
                for (std::uintmax_t near = at - 1; near <= at + 1; ++near) {
                    points.push_back(near);
                }
            }
            const std::size_t longLine = c.bytes.find("xxx");
            for (std::uintmax_t at = 0; at < c.bytes.size(); at += 99'991) {
                points.push_back(at);
            }
            points.insert(points.end(), {longLine - 1, longLine, longLine + 1, longLine + 600'000,
                                         c.bytes.size() - 1, c.bytes.size()});
        }
        for (const std::uintmax_t cut : points) {
            ExpectCutsMakeTheFile(file, {cut});
        }
        // Three parts, as a cluster's workers take them.
        const std::uintmax_t size = c.bytes.size();
        ExpectCutsMakeTheFile(file, {size / 3, 2 * size / 3});
        ExpectCutsMakeTheFile(file, {0, 0, size, size});
    }
}

TEST(TextRange, ARangeStartsAtTheLineThatBeginsInIt) {
    TempFolder folder;
    const auto file = folder.Write("names.fil", "Ann,1\r\n\r\nBob,2\r\nCy,3\r\n");
    struct Case {
        std::uintmax_t start, stop;
        const char* text;
        std::size_t firstLineNumber;
    };
    for (const Case& c :
         {Case{0, 1, "Ann,1\r\n", 1}, Case{1, 7, "", 2}, Case{1, 8, "\r\n", 2},
          Case{7, 10, "\r\nBob,2\r\n", 2}, Case{9, 9, "", 3}, Case{9, 10, "Bob,2\r\n", 3},
          Case{16, kEnd, "Cy,3\r\n", 4}, Case{40, kEnd, "", 5}}) {
        TextRange range;
        EXPECT_EQ(ReadTextRange(file, c.start, c.stop, range), "");
        EXPECT_EQ(range.text, c.text) << c.start << ' ' << c.stop;
        EXPECT_EQ(range.firstLineNumber, c.firstLineNumber) << c.start << ' ' << c.stop;
    }
}

TEST(TextRange, WhatCannotBeReadSaysWhy) {
    TempFolder folder;
    TextRange range;
    EXPECT_EQ(ReadTextRange(folder / "missing.fil", 0, kEnd, range), "no such file");
    EXPECT_EQ(ReadTextRange(folder.path(), 0, kEnd, range), "a folder");
    EXPECT_EQ(ReadTextRange("/dev/zero", 0, kEnd, range), "not a plain file");
    EXPECT_TRUE(range.text.empty());
}

}  // namespace
}  // namespace solvaris
