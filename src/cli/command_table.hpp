// The commands of the command line: each one's usage, summary, worked
// example and the declaration of its options.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "cli/command_run.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

struct CommandText {
    std::string_view name;
    std::string_view usage;
    std::string_view summary;  // indented lines under the usage
    bool readsProgramFolder;   // every command but positions
    bool computes;             // takes --ephemeris
    std::string_view example;
    std::string_view exampleResult;
    std::string (*choices)();  // the names KIND or NAME may be, or nullptr
    CommandRun (*declare)(CLI::App& app);
};

const std::array<CommandText, 12>& Commands();

// Nothing for a name that is no command.
const CommandText* FindCommand(std::string_view name);

}  // namespace solvaris
