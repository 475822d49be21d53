// The settings file, the options window and the printed help file.
#include "base/settings.hpp"

#include <gtest/gtest.h>

#include "app/help_file.hpp"
#include "app/options_window.hpp"
#include "base/option_numbers.hpp"
#include "platform/headless/recording_printer.hpp"
#include "reports/print_file.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

TEST(Settings, ReadingAcceptsAndIgnores) {
    TempFolder folder;
    const Settings defaults = DefaultSettings("/p");
    struct Case {
        const char* line;
        double Settings::*d;
        std::int16_t Settings::*i;
        double expected;
    };
    for (const Case& c : {
             Case{"FontSize=7.5", &Settings::fontSize, nullptr, 8.5},
             Case{"FontSize=7.75", &Settings::fontSize, nullptr, 7.75},
             Case{"FontSizeX=12", &Settings::fontSize, nullptr, 12},
             Case{"FontSize=  9.5 points", &Settings::fontSize, nullptr, 9.5},
             Case{"DataHeight=0", nullptr, &Settings::dataHeight, 8250},
             Case{"DataHeight=0.3", nullptr, &Settings::dataHeight, 8250},  // 0 once rounded
             Case{"DataHeight=2.5", nullptr, &Settings::dataHeight, 2},     // half to even
             Case{"DataLeft=-10", nullptr, &Settings::dataLeft, -10},
             Case{"DataLeft=99999", nullptr, &Settings::dataLeft, 900},  // no 16-bit value
             Case{"datatop=5", nullptr, &Settings::dataTop, 945},        // keys keep their case
             Case{"wh_var3=0", &Settings::wheelHeight, nullptr, 7200},
             Case{"StartScale", nullptr, &Settings::startScale, 0},  // no "=": the whole line
         }) {
        folder.Write("SOLVARIS.INI", std::string("[SOLVARIS] header\r\n") + c.line + "\r\n");
        Settings s = defaults;
        ReadSettings(folder / "SOLVARIS.INI", s);
        EXPECT_EQ(c.d ? s.*c.d : s.*c.i, c.expected) << c.line;
    }
    folder.Write("SOLVARIS.INI",
                 "DataFile=\r\nAtlasDir=/opt/atlas/\r\nFontSize=9\r\nFontSize=10\r\n");
    Settings s = defaults;
    ReadSettings(folder / "SOLVARIS.INI", s);
    EXPECT_EQ(s.dataFile, "/p/NAMES.FIL");
    EXPECT_EQ(s.atlasDir, "/opt/atlas/");
    EXPECT_EQ(s.fontSize, 10);
    ReadSettings(folder / "missing.ini", s);
    EXPECT_EQ(s.fontSize, 10);
}

TEST(Settings, WrittenTextAndRoundTrip) {
    TempFolder folder;
    Settings s = DefaultSettings("/p");
    EXPECT_EQ(SettingsText(s),
              "[SOLVARIS] - Do NOT change the order of these variables.\r\n"
              "FontSize= 8.5\r\nFontBold= 0\r\nFontItalic= 0\r\nSOLVARISTop= 0\r\n"
              "SOLVARISLeft= 900\r\nSOLVARISHeight= 675\r\nSOLVARISWidth= 10860\r\n"
              "DataTop= 945\r\nDataLeft= 900\r\nDataHeight= 8250\r\nDataWidth= 9600\r\n"
              "StartScale= 287\r\nDataFile=/p/NAMES.FIL\r\nGeoDataFile=/p/GA_MA.LL\r\n"
              "TypeChart= 0\r\nwh_var1=0\r\nwh_var2=1125\r\nwh_var3=7200\r\nwh_var4=8490\r\n"
              "wh_var5=768\r\nwh_var6=1024\r\n");
    // Read back (every value's round trip: the reader fuzz).
    s.dataLeft = -10;
    s.fontSize = 11.25;
    ASSERT_EQ(WriteSettings(folder / "SOLVARIS.INI", s), "");
    Settings back = DefaultSettings("/q");
    ReadSettings(folder / "SOLVARIS.INI", back);
    EXPECT_EQ(SettingsText(back), SettingsText(s));
    EXPECT_NE(SettingsText(s).find("FontSize= 11.25\r\n"), std::string::npos);
    EXPECT_NE(SettingsText(s).find("DataLeft=-10\r\n"), std::string::npos);
}

// Read with CR LF ends, saved with the last line break; saving, restoring,
// their messages and the caption: OptionsForm.
TEST(OptionsWindow, SaveKeepsTheLastLineAndReloadsTheTable) {
    TempFolder folder;
    ScriptedPlatform platform;
    folder.Write("OPTIONS.OPT", "  5    conjunction\n  4    sextile");
    OptionTable table;
    auto window = OpenOptionsWindow(folder.path(), platform);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->txtContent, "  5    conjunction\r\n  4    sextile\r\n");
    window->txtContent = "  7    conjunction\r\n  3    sextile";
    EXPECT_EQ(SaveOptionsWindow(folder.path(), *window, table, platform),
              "SOLVARIS (Tropical zodiac) - ");
    EXPECT_EQ(folder.Read("OPTIONS.OPT"), "  7    conjunction\r\n  3    sextile\r\n");
    EXPECT_EQ(table(1), 7.0f);
    EXPECT_TRUE(platform.Messages().empty());
}

// The printed help file: option 30 lines a page in Courier New 12 (the
// pages and a printer's failure: PrintFile); a missing file is named.
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
