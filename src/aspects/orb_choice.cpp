#include "aspects/orb_choice.hpp"

namespace solvaris {

bool IsPlanetClassOrbFile(const std::string& currentOrbFile, const std::filesystem::path& folder) {
    for (const char* name : {"NATAL.ORB", "SOLARRTN.ORB", "LUNARRTN.ORB"}) {
        if (currentOrbFile == (folder / name).string()) {
            return true;
        }
    }
    return false;
}

bool GridUsesPlanetClassOrbs(float option208, const std::string& currentOrbFile,
                             const std::filesystem::path& folder) {
    return option208 != 0 && IsPlanetClassOrbFile(currentOrbFile, folder);
}

}  // namespace solvaris
