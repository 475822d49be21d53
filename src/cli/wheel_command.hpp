// `solvaris wheel KIND --out FILE`: a Wheels-menu chart drawn into a PNG,
// SVG or PDF file (the PDF is the full-page print).
#pragma once

#include <string>

#include "cli/command_run.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

inline constexpr const char* kWheelUsage =
    "solvaris wheel KIND [birth options] --out FILE.png|.svg|.pdf [--size PIXELS] "
    "[--european] [--orbs FILE] [--harmonic N] [--paper letter|a4]";

CommandRun DeclareWheelCommand(CLI::App& app);

// The names of the kinds, for the help text.
std::string WheelKindNames();

}  // namespace solvaris
