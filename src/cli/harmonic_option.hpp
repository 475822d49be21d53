// --harmonic N (1 to 180) on the commands that print a chart: for one run
// it overrides option 224, the harmonic of the natal wheel and of the
// harmonic report.
#pragma once

#include <string>

#include "app/session.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

void DeclareHarmonicOption(CLI::App& app, std::string& text, const std::string& help);

// The typed harmonic into the session's option table; nothing when none was
// typed.
void ApplyHarmonicOption(const std::string& text, Session& session);

}  // namespace solvaris
