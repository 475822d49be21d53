// The printed help file: option 30 lines a page in Courier New 12.
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

    struct Case {
        std::string failure;  // what the printer reports at the end
        bool cancelled;       // the print dialog cancelled
        bool printed;         // PrintHelpFile's answer
        std::size_t messages;
    };
    for (const Case& c : {Case{"", false, true, 0}, Case{"out of paper", false, false, 1},
                          Case{"", true, false, 0}}) {
        ScriptedPlatform platform;
        PrintRecord record;
        record.failure = c.failure;
        const PrinterChooser choose =
            c.cancelled ? PrinterChooser([] { return std::unique_ptr<Printer>(); })
                        : RecordingPrinterChooser(record);
        EXPECT_EQ(PrintHelpFile(session, platform, choose), c.printed);
        EXPECT_EQ(platform.Messages().size(), c.messages);
        if (!c.cancelled) {
            EXPECT_EQ(record.PageLengths(), (std::vector<std::size_t>{60, 60, 10}));
            EXPECT_EQ(record.fontName, "Courier New");
            EXPECT_EQ(record.fontSizePoints, 12);
            EXPECT_EQ(record.Lines().front(), "help line 1");
        }
    }

    // No help file: named in a message, no printer asked for.
    std::filesystem::remove(folder / "HELPFILE");
    ScriptedPlatform platform;
    bool asked = false;
    EXPECT_FALSE(PrintHelpFile(session, platform, [&]() -> std::unique_ptr<Printer> {
        asked = true;
        return nullptr;
    }));
    EXPECT_FALSE(asked);
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_NE(platform.Messages()[0].text.find("HELPFILE"), std::string::npos);
}

}  // namespace
}  // namespace solvaris
