// The windows' messages as the command line says them: what to type or
// edit instead of what to click.
#pragma once

#include <string>
#include <string_view>

namespace solvaris {

// The message in command-line words.
std::string CommandLineWords(std::string_view windowText);

}  // namespace solvaris
