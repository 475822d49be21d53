#include "engine/ephemeris.hpp"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/option_numbers.hpp"
#include "engine/pluto.hpp"
#include "engine/swiss_ephemeris.hpp"

namespace solvaris {

namespace {

// Whether the folder holds a planet or Moon file of Swiss Ephemeris.
bool HoldsSwissFiles(const std::string& folder) {
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error) {
        return false;
    }
    for (const auto& entry : it) {
        const std::string name = entry.path().filename().string();
        if ((name.starts_with("sepl") || name.starts_with("semo")) && name.ends_with(".se1")) {
            return true;
        }
    }
    return false;
}

}  // namespace

Ephemeris ResolveEphemeris(EphemerisEngine engine, const std::string& userFolder) {
    Ephemeris ephemeris;
    ephemeris.engine = engine;
    if (engine != EphemerisEngine::Swiss) {
        return ephemeris;
    }
    std::string folder = userFolder;
    if (folder.empty()) {
        if (const char* env = std::getenv("SE_EPHE_PATH")) {
            folder = env;
        }
    }
    if (!folder.empty() && HoldsSwissFiles(folder)) {
        ephemeris.filesFolder = folder;
    }
    ephemeris.sourcesUsed = std::make_shared<SwissSourcesUsed>();
    return ephemeris;
}

Ephemeris WithOwnSourceRecord(const Ephemeris& ephemeris) {
    Ephemeris own = ephemeris;
    if (own.Swiss()) {
        own.sourcesUsed = std::make_shared<SwissSourcesUsed>();
    }
    return own;
}

Ephemeris ChosenEphemeris(const OptionTable& options, const std::string& userFolder) {
    const bool swiss = options(opt::PositionsEngine) == 1;
    return ResolveEphemeris(swiss ? EphemerisEngine::Swiss : EphemerisEngine::BuiltIn, userFolder);
}

std::string EphemerisName(const Ephemeris& ephemeris) {
    if (!ephemeris.Swiss()) {
        return "built-in theories";
    }
    const std::string prefix = "Swiss Ephemeris " + SwissVersion() + ", ";
    if (ephemeris.filesFolder.empty()) {
        return prefix + "analytical";
    }
    const SwissSourcesUsed* used = ephemeris.sourcesUsed.get();
    const bool files = !used || used->files.load(std::memory_order_relaxed);
    const bool analytical = used && used->analytical.load(std::memory_order_relaxed);
    if (analytical && !files) {
        return prefix + "analytical";
    }
    return prefix + "files in " + ephemeris.filesFolder + (analytical ? " and analytical" : "");
}

std::string EphemerisWord(const Ephemeris& ephemeris) {
    return ephemeris.Swiss() ? "swiss" : "builtin";
}

std::string EphemerisReportLine(const Ephemeris& ephemeris) {
    return ephemeris.Swiss() ? "Positions: " + EphemerisName(ephemeris) : std::string();
}

bool PlutoBeyondTheory(const Ephemeris& ephemeris, double dayNumber) {
    return !ephemeris.Swiss() && !PlutoSeriesHolds(dayNumber);
}

}  // namespace solvaris
