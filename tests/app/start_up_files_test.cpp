#include "app/start_up_files.hpp"

#include <gtest/gtest.h>

#include "base/option_numbers.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

TEST(StartUpFiles, OptionTwentySevenChoosesTheHouseSystem) {
    using enum HouseSystem;
    const std::pair<float, HouseSystem> cases[] = {
        {0, Placidus},   {1, Placidus},       {2, Regiomontanus},  {3, Koch},        {4, Campanus},
        {5, Porphyry},   {6, EqualAscendant}, {7, EqualMidheaven}, {8, Meridian},    {9, Morinus},
        {10, WholeSign}, {11, Placidus},      {-3, Placidus},      {2.5f, Placidus},
    };
    for (const auto& [value, system] : cases) {
        EXPECT_EQ(HouseSystemOfOption(value), system) << value;
    }
}

TEST(StartUpFiles, MissingFilesAreSaidAndTheRestLoads) {
    struct Case {
        const char* what;
        std::vector<const char*> removed;
        std::vector<const char*> problemsNaming;
        bool wheelData;
        float option27;  // as loaded
    };
    const Case cases[] = {
        {"the shipped folder", {}, {}, true, 1},
        {"no OPTIONS.OPT", {"OPTIONS.OPT"}, {"default options of OPTIONS.MAS"}, true, 1},
        {"no options at all", {"OPTIONS.OPT", "OPTIONS.MAS"}, {"Every option reads 0"}, true, 0},
        {"no HCDATA.DAT", {"HCDATA.DAT"}, {"HCDATA.DAT"}, false, 1},
        {"no RADIUS.DAT", {"RADIUS.DAT"}, {"RADIUS.DAT"}, false, 1},
    };
    for (const Case& c : cases) {
        testing::TempFolder folder;
        std::filesystem::copy(SOLVARIS_DATA_DIR, folder.path(),
                              std::filesystem::copy_options::recursive);
        for (const char* name : c.removed) {
            std::filesystem::remove(folder / name);
        }
        folder.Write("SOLVARIS.INI", "[SOLVARIS]\r\nSOLVARISLeft= 1500\r\n");
        Session session;
        session.folder = folder.path();
        const StartUpFiles files = ReadStartUpFiles(session);
        ASSERT_EQ(files.problems.size(), c.problemsNaming.size()) << c.what;
        for (std::size_t i = 0; i < files.problems.size(); ++i) {
            EXPECT_NE(files.problems[i].find(c.problemsNaming[i]), std::string::npos)
                << c.what << ": " << files.problems[i];
        }
        EXPECT_EQ(files.wheelData.has_value(), c.wheelData) << c.what;
        if (files.wheelData) {
            // Kept as read, for the wheel window to draw with.
            WheelData read;
            ASSERT_EQ(LoadWheelData(folder.path(), read), "");
            EXPECT_EQ(files.wheelData->cuspAnchors, read.cuspAnchors) << c.what;
            EXPECT_EQ(files.wheelData->radius, read.radius) << c.what;
        }
        EXPECT_EQ(session.options(opt::StartHouseSystem), c.option27) << c.what;
        EXPECT_EQ(session.settings.mainLeft, 1500) << c.what;
        EXPECT_EQ(session.currentOrbFile, (folder.path() / "NATAL.ORB").string());
    }
}

}  // namespace
}  // namespace solvaris
