#include "cli/program_setup.hpp"

#include "app/ephemeris_choice.hpp"
#include "app/options_window.hpp"
#include "base/program_folder.hpp"
#include "base/text_lines.hpp"
#include "cli/exit_status.hpp"

namespace solvaris {

int OpenSession(const std::string& home, Session& session, std::ostream& err) {
    const FolderReport folder =
        OpenProgramFolder(FolderSourcesFromEnvironment(home), session.folder);
    if (!folder.failure.empty()) {
        err << "solvaris: " << folder.failure << '\n';
        return kExitFileProblem;
    }
    for (const std::string& note : folder.notes) {
        err << "solvaris: " << note << '\n';
    }
    const std::filesystem::path options = FindInFolder(session.folder, kOptionsFileName);
    if (const Problem why = LoadOptions(options, session.options); !why.empty()) {
        // Missing and empty alike: without options every colour is black
        // and every size 0.
        err << "solvaris: " << kOptionsFileName << " cannot be read in " << session.folder.string()
            << " (" << why << "); every option reads 0\n";
    }
    session.ephemerisFolder = EphemerisFolderInFile(options);
    session.currentOrbFile = (session.folder / "NATAL.ORB").string();
    session.settings = DefaultSettings(session.folder);
    ReadSettings(FindInFolder(session.folder, kSettingsFileName), session.settings);
    return kExitDone;
}

}  // namespace solvaris
