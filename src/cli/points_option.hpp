// --points standard|extra on every command that computes positions: the
// extra points (Lilith, Chiron, the asteroids) shown or not for one run,
// over option 225 of the options file.
#pragma once

#include <string>

#include "app/session.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

void DeclarePointsOption(CLI::App& app, std::string& points);

void ApplyPointsOption(const std::string& points, Session& session);

}  // namespace solvaris
