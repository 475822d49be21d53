// Where the aspect grid window and the wheel's printed grid take their
// orbs from when option 208 asks for planet-class orbs: only the natal and
// return orb files give way to them.
#pragma once

#include <filesystem>
#include <string>

namespace solvaris {

// The orb file in force is the program folder's NATAL.ORB, SOLARRTN.ORB or
// LUNARRTN.ORB (the full path compared as text).
bool IsPlanetClassOrbFile(const std::string& currentOrbFile, const std::filesystem::path& folder);

// Option 208 set and an orb file that gives way to planet-class orbs.
bool GridUsesPlanetClassOrbs(float option208, const std::string& currentOrbFile,
                             const std::filesystem::path& folder);

}  // namespace solvaris
