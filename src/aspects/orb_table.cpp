#include "aspects/orb_table.hpp"

#include "base/options.hpp"

namespace solvaris {

bool LoadOrbTable(const std::filesystem::path& file, OrbTable& table, Platform& platform) {
    const auto values = ReadValueLines(file, kOrbEntries);
    if (!values) {
        platform.ShowMessage(
            "The orb file " + file.string() + " cannot be read; the orbs in use are kept.",
            "Warning!", MessageIcon::Exclamation);
        return false;
    }
    for (std::size_t i = 0; i < values->size(); ++i) {
        table[i + 1] = (*values)[i];
    }
    return true;
}

}  // namespace solvaris
