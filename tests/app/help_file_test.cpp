// The printed help file: option 30 lines a page in Courier New 12 (the
// pages and a printer's failure: PrintFile); a missing file is named.
#include "app/help_file.hpp"

#include <gtest/gtest.h>

#include "base/option_numbers.hpp"
#include "platform/headless/recording_printer.hpp"
#include "reports/print_file.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

TEST(HelpFile, PrintsOptionLinesAPage) {
    testing::TempFolder folder;
    std::string help;
    for (int i = 1; i <= 130; ++i) {
        help += "help line " + std::to_string(i) + "\r\n";
    }
    folder.Write("HELPFILE", help);
    Session session;
    session.folder = folder.path();
    session.options.Set(opt::PrintedLinesPerPage, 60);
    ScriptedPlatform platform;
    PrintRecord record;
    EXPECT_TRUE(PrintHelpFile(session, platform, RecordingPrinterChooser(record)));
    EXPECT_EQ(record.PageLengths(), (std::vector<std::size_t>{60, 60, 10}));
    EXPECT_EQ(record.fontName, "Courier New");
    EXPECT_EQ(record.fontSizePoints, 12);
    EXPECT_EQ(record.Lines().front(), "help line 1");
    record.failure = "out of paper";
    EXPECT_FALSE(PrintHelpFile(session, platform, RecordingPrinterChooser(record)));
    EXPECT_FALSE(PrintHelpFile(session, platform, [] { return std::unique_ptr<Printer>(); }));

    std::filesystem::remove(folder / "HELPFILE");
    bool asked = false;
    EXPECT_FALSE(PrintHelpFile(session, platform, [&]() -> std::unique_ptr<Printer> {
        asked = true;
        return nullptr;
    }));
    EXPECT_FALSE(asked);
    ASSERT_EQ(platform.Messages().size(), 2u);  // the failure and the missing file
    EXPECT_NE(platform.Messages()[0].text.find("out of paper"), std::string::npos);
    EXPECT_NE(platform.Messages()[1].text.find("HELPFILE"), std::string::npos);
}

}  // namespace
}  // namespace solvaris
