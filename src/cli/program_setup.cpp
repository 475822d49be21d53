#include "cli/program_setup.hpp"

#include "app/options_window.hpp"
#include "base/program_folder.hpp"

namespace solvaris {

int OpenSession(std::vector<std::string>& args, Session& session, std::ostream& err) {
    std::string home;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--home") {
            continue;
        }
        if (i + 1 >= args.size()) {
            err << "solvaris: --home needs a folder\n";
            return 2;
        }
        home = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        break;
    }
    const std::string failure =
        OpenProgramFolder(FolderSourcesFromEnvironment(home), session.folder);
    if (!failure.empty()) {
        err << "solvaris: " << failure << '\n';
        return 2;
    }
    if (LoadOptions(FindInFolder(session.folder, kOptionsFileName), session.options) !=
        OptionsLoad::Loaded) {
        err << "solvaris: " << kOptionsFileName << " cannot be read in " << session.folder.string()
            << "; every option reads 0\n";
    }
    session.currentOrbFile = (session.folder / "NATAL.ORB").string();
    session.settings = DefaultSettings(session.folder);
    ReadSettings(FindInFolder(session.folder, kSettingsFileName), session.settings);
    return 0;
}

}  // namespace solvaris
