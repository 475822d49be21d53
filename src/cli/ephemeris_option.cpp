#include "cli/ephemeris_option.hpp"

#include "base/option_numbers.hpp"

namespace solvaris {

void DeclareEphemerisOptions(CLI::App& app, EphemerisOptionTexts& texts) {
    AddChoice(app, "--ephemeris", texts.engine, {"builtin", "swiss"}, "ephemeris",
              "the positions from the built-in theories or Swiss Ephemeris (default: option "
              "217 of OPTIONS.OPT)");
    AddPath(app, "--ephemeris-files", texts.filesFolder, "DIR",
            "where Swiss Ephemeris finds its files (default: line 218 of OPTIONS.OPT, else "
            "$SE_EPHE_PATH; without them its analytical mode)");
}

void ApplyEphemerisOptions(const EphemerisOptionTexts& texts, Session& session) {
    if (!texts.engine.empty()) {
        session.options.Set(opt::PositionsEngine, texts.engine == "swiss" ? 1.0f : 0.0f);
    }
    if (!texts.filesFolder.empty()) {
        session.ephemerisFolder = texts.filesFolder;
    }
}

}  // namespace solvaris
