// The wheel command's PDF on the paper asked for, read back by poppler's pdfinfo. Skipped where
// poppler-utils are not installed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_program.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

TEST(WheelPaper, PdfPageIsTheChosenPaper) {
    if (testing::RunShell("command -v pdfinfo", {}).status != 0) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    testing::TempFolder folder;
    const std::string pdf = (folder / "wheel.pdf").string();
    const struct {
        std::vector<std::string> paper;
        std::string pageSize;
    } cases[] = {{{}, "612 x 792 pts (letter)"},
                 {{"--paper", "letter"}, "612 x 792 pts (letter)"},
                 {{"--paper", "a4"}, "595 x 842 pts (A4)"}};
    for (const auto& c : cases) {
        std::vector<std::string> args{"wheel", "dual-transits",  "--out",
                                      pdf,     "--diurnal-date", "2026-03-01"};
        args.insert(args.end(), c.paper.begin(), c.paper.end());
        ASSERT_EQ(testing::RunSolvaris(args).status, 0) << c.pageSize;
        EXPECT_NE(testing::RunShell("pdfinfo", {pdf}).out.find(c.pageSize), std::string::npos)
            << testing::RunShell("pdfinfo", {pdf}).out;
    }
}

}  // namespace
}  // namespace solvaris
