// The exact text of every report for three fixed charts, kept under
// tests/data/reports/. SOLVARIS_UPDATE_GOLDEN=1 rewrites the files (only on
// purpose, after checking the new text column by column).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "base/text_lines.hpp"
#include "cli/command_line.hpp"
#include "reports/data_menu.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

const std::string kGolden = std::string(SOLVARIS_TEST_DATA_DIR) + "/reports/";

struct GoldenChart {
    const char* name;
    std::vector<std::string> args;
    bool minorAspectsAndPlanetClassOrbs = false;  // options 16 = 1 and 208 = 1
};

TEST(GoldenReports, EveryReportOfThreeCharts) {
    const bool update = std::getenv("SOLVARIS_UPDATE_GOLDEN") != nullptr;
    const GoldenChart charts[] = {
        // Uranus and Pluto retrograde.
        {"new-york",
         {"--person", "Golden New York", "--diurnal-date", "2000-01-01", "--diurnal-time",
          "12:00pm", "--diurnal-zone", "8", "--diurnal-lon", "118W15", "--diurnal-lat", "34N03"}},
        // South of the equator and east of Greenwich.
        {"sydney",
         {"--person", "Golden Sydney", "--diurnal-date", "2010-06-15", "--diurnal-time", "9:30am",
          "--diurnal-zone", "-10", "--diurnal-lon", "151E12", "--diurnal-lat", "33S52"}},
        // A second person, minor aspects and planet-class orbs.
        {"second-person",
         {"--person", "Golden New York", "--second-person", "Golden Sydney"},
         true},
    };
    // Every report of the Data menu and the texts of the windows it opens.
    std::vector<std::string> reports = {"ephemeris", "planetary-hours", "aspect-grid",
                                        "ascii-chart"};
    for (const ReportCommand& command : DataMenuCommands()) {
        reports.emplace_back(command.name);
    }
    for (const GoldenChart& chart : charts) {
        // A copy of the shipped folder with the chart's options.
        testing::TempFolder home;
        std::filesystem::copy(SOLVARIS_DATA_DIR, home.path(),
                              std::filesystem::copy_options::recursive);
        if (chart.minorAspectsAndPlanetClassOrbs) {
            std::vector<std::string> lines = *ReadTextLines(home / "OPTIONS.OPT");
            lines[15].replace(0, 7, "      1");   // option 16
            lines[207].replace(0, 7, "      1");  // option 208
            home.Write("OPTIONS.OPT", JoinCrLf(lines));
        }
        for (const std::string& report : reports) {
            std::vector<std::string> args = {"report",  report,
                                             "--home",  home.path().string(),
                                             "--names", kGolden + "GOLDEN.FIL"};
            // The ephemeris and the planetary hours read the natal person
            // alone; the second chart's options are refused there.
            const bool natalOnly = report == "ephemeris" || report == "planetary-hours";
            args.insert(args.end(), chart.args.begin(),
                        natalOnly ? chart.args.begin() + 2 : chart.args.end());
            std::ostringstream out, err;
            ASSERT_EQ(RunCommandLine(args, out, err), 0) << chart.name << ' ' << report << '\n'
                                                         << err.str();
            const std::string file = kGolden + chart.name + "/" + report + ".txt";
            if (update) {
                std::filesystem::create_directories(kGolden + chart.name);
                std::ofstream(file, std::ios::binary) << out.str();
                continue;
            }
            const auto expected = ReadFileBytes(file);
            ASSERT_TRUE(expected) << file << " is missing";
            EXPECT_EQ(out.str(), *expected) << file;
        }
    }
}

}  // namespace
}  // namespace solvaris
