// --ephemeris builtin|swiss and --ephemeris-files DIR, on every command that
// computes positions: they override the options file's choice for one run.
#pragma once

#include <string>

#include "app/session.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

struct EphemerisOptionTexts {
    std::string engine;  // "builtin", "swiss" or empty
    std::string filesFolder;
};

void DeclareEphemerisOptions(CLI::App& app, EphemerisOptionTexts& texts);

// The typed choice into the session's option table and file folder.
void ApplyEphemerisOptions(const EphemerisOptionTexts& texts, Session& session);

}  // namespace solvaris
