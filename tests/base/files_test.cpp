// The program's file primitives: encodings, line ends, number and date
// patterns, crash-safe replacement and the program folder (what cannot be a
// data file: ReaderFaults).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "base/file_replace.hpp"
#include "base/format_pattern.hpp"
#include "base/program_folder.hpp"
#include "base/text_lines.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;
using Lines = std::vector<std::string>;

TEST(FormatNumber, Patterns) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    };
    for (const Case& c :
         {Case{7.45, "##.#0", "7.45"}, Case{7.0, "##.#0", "7.00"}, Case{74.0, "#00#.#0", "074.00"},
          Case{-74.0, "#00#.#0", "-074.00"}, Case{-5.3, "#00#.#0", "-005.30"},
          Case{-33.52, "#0#.#0", "-33.52"}, Case{5.3, "#0#.#0", "05.30"}, Case{3, "00", "03"},
          Case{0.5, "#0.00", "0.50"}, Case{-0.001, "#0.00", "0.00"}, Case{5.125, "##0.00", "5.13"},
          Case{359.999, "##0.00", "360.00"}, Case{7, "#.##", "7."}}) {
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << ' ' << c.pattern;
    }
    EXPECT_EQ(FormatDate(1950, 12, 5), "05 Dec 1950");
}

TEST(TextLines, EncodingsAndLineEnds) {
    TempFolder folder;
    const auto lines = [&folder](const std::string& bytes) {
        return ReadTextLines(folder.Write("lines.txt", bytes)).value_or(Lines{"(unread)"});
    };
    EXPECT_EQ(lines("one\r\ntwo\r\n"), (Lines{"one", "two"}));
    EXPECT_EQ(lines("one\ntwo"), (Lines{"one", "two"}));
    EXPECT_EQ(lines("Z\xfcrich \x80 5\r\n"), (Lines{"Z\xc3\xbcrich \xe2\x82\xac 5"}));  // CP1252
    EXPECT_EQ(lines("Z\xc3\xbcrich\r\n"), (Lines{"Z\xc3\xbcrich"}));
    // A byte-order mark opening the file is no part of its first line.
    EXPECT_EQ(lines("\xef\xbb\xbf"
                    "Ann,05 Dec 1950\r\n\xef\xbb\xbf\r\n"),
              (Lines{"Ann,05 Dec 1950", "\xef\xbb\xbf"}));
    EXPECT_EQ(lines("\xef\xbb\xbfZ\xfcrich\r\n"), (Lines{"Z\xc3\xbcrich"}));
    EXPECT_FALSE(ReadTextLines(folder / "missing.txt"));
    EXPECT_EQ(CharacterCount("Z\xc3\xbcrich"), 6u);
    for (const char* invalid : {"\xc0\xaf", "\xed\xa0\x80", "\xe2\x82", "\xf5\x80\x80\x80"}) {
        EXPECT_FALSE(IsValidUtf8(invalid)) << invalid;
    }
    EXPECT_TRUE(IsValidUtf8("\xf0\x9f\x9c\x80 \xe2\x99\x88"));
}

TEST(ReplaceFileContent, EveryFailingStepLeavesTheOldFile) {
    for (ReplaceStep step : {ReplaceStep::Create, ReplaceStep::Write, ReplaceStep::Flush,
                             ReplaceStep::Backup, ReplaceStep::Rename}) {
        TempFolder folder;
        folder.Write("NAMES.FIL", "old\r\n");
        const std::string failure =
            ReplaceFileContent(folder / "NAMES.FIL", "new\r\n", {folder / "NAMES.OLD", {step}});
        EXPECT_FALSE(failure.empty()) << static_cast<int>(step);
        EXPECT_EQ(folder.Read("NAMES.FIL"), "old\r\n");
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            EXPECT_FALSE(entry.path().string().ends_with(".$$$")) << entry.path();
        }
    }
    TempFolder folder;
    folder.Write("NAMES.FIL", "old\r\n");
    folder.Write("NAMES.OLD", "older\r\n");
    EXPECT_EQ(ReplaceFileContent(folder / "NAMES.FIL", "new\r\n", {folder / "NAMES.OLD", {}}), "");
    EXPECT_EQ(folder.Read("NAMES.FIL"), "new\r\n");
    EXPECT_EQ(folder.Read("NAMES.OLD"), "old\r\n");

    // A real rename refused: an append-only folder (the superuser's flag)
    // takes the work file but keeps the old name.
    const int fd = ::open(folder.path().c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        int appendOnly = flags | FS_APPEND_FL;
        if (::ioctl(fd, FS_IOC_SETFLAGS, &appendOnly) == 0) {
            const std::string failure = ReplaceFileContent(folder / "NAMES.FIL", "newer\r\n");
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
            EXPECT_NE(failure.find("could not be renamed"), std::string::npos) << failure;
            EXPECT_EQ(folder.Read("NAMES.FIL"), "new\r\n");
        }
    }
    if (fd >= 0) ::close(fd);
}

TEST(ProgramFolder, ChoiceAndCaseInsensitiveNames) {
    EXPECT_EQ(ChooseProgramFolder({"/a", "/b", "/x", "/h"}).path, "/a");
    EXPECT_EQ(ChooseProgramFolder({"", "/b", "/x", "/h"}).path, "/b");
    const ChosenFolder xdg = ChooseProgramFolder({"", "", "/x", "/h"});
    EXPECT_EQ(xdg.path, "/x/solvaris");
    EXPECT_TRUE(xdg.perUser);
    EXPECT_EQ(ChooseProgramFolder({"", "", "", "/h"}).path, "/h/.local/share/solvaris");
    // A file copied from Windows is found whatever the case of its name.
    TempFolder user;
    user.Write("names.fil", "mine\r\n");
    EXPECT_EQ(FindInFolder(user.path(), "NAMES.FIL"), user / "names.fil");
    EXPECT_EQ(FindInFolder(user.path(), "NEW.FIL"), user / "NEW.FIL");
}

}  // namespace
}  // namespace solvaris
