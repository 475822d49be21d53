#include "app/start_up_files.hpp"

#include "app/ephemeris_choice.hpp"
#include "base/option_numbers.hpp"
#include "base/options.hpp"
#include "base/program_folder.hpp"
#include "base/settings.hpp"
#include "wheel/wheel_data.hpp"

namespace solvaris {

HouseSystem HouseSystemOfOption(float value) {
    for (int code = 2; code <= static_cast<int>(kHouseSystems.size()); ++code) {
        if (value == static_cast<float>(code)) {
            return kHouseSystems[code - 1].system;
        }
    }
    return HouseSystem::Placidus;
}

namespace {

Problem ReadOptions(Session& session) {
    const std::string folder = session.folder.string();
    if (LoadOptions(FindInFolder(session.folder, kOptionsFileName), session.options).empty()) {
        return {};
    }
    if (LoadOptions(FindInFolder(session.folder, kMasterOptionsFileName), session.options)
            .empty()) {
        return std::string(kOptionsFileName) + " cannot be read in " + folder +
               ". This run uses the default options of " + kMasterOptionsFileName +
               "; copy it to " + kOptionsFileName + " to keep them.";
    }
    return std::string("Neither ") + kOptionsFileName + " nor " + kMasterOptionsFileName +
           " can be read in " + folder +
           ". Every option reads 0 (no aspect orbs, no home place) until " + kOptionsFileName +
           " is put back into the folder and the program started again.";
}

}  // namespace

StartUpFiles ReadStartUpFiles(Session& session) {
    StartUpFiles files;
    if (Problem problem = ReadOptions(session); !problem.empty()) {
        files.problems.push_back(std::move(problem));
    }
    session.ephemerisFolder = EphemerisFolderInFile(FindInFolder(session.folder, kOptionsFileName));
    session.currentOrbFile = (session.folder / "NATAL.ORB").string();
    session.settings = DefaultSettings(session.folder);
    ReadSettings(FindInFolder(session.folder, kSettingsFileName), session.settings);
    files.houseSystem = HouseSystemOfOption(session.options(opt::StartHouseSystem));
    WheelData wheelData;
    const Problem wheelProblem = LoadWheelData(session.folder, wheelData);
    if (wheelProblem.empty()) {
        files.wheelData = wheelData;
    } else {
        files.problems.push_back(wheelProblem +
                                 " The chart wheels cannot be drawn until the file is back in "
                                 "the program folder; the reports and documents work as usual.");
    }
    return files;
}

}  // namespace solvaris
