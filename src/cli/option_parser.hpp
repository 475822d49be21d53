// Each command's options are declared once, with CLI11: their values,
// checks, exclusions and help text. These helpers give every command the
// same rules: an empty value is refused, an option given twice keeps its
// last value, a mistake is one line on stderr and kExitBadCommandLine.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace solvaris {

// A command's parser with the common rules set.
void PrepareParser(CLI::App& app);

// A check of one value: empty when sound, else why not (the option's name
// is put before it).
using ValueProblem = std::function<std::string(const std::string&)>;

// An option naming a file or folder, refused when empty; its bytes are
// the name as the file system has it.
CLI::Option* AddPath(CLI::App& app, const std::string& name, std::string& value,
                     const std::string& typeName, const std::string& help,
                     ValueProblem problem = {});

// An option with a value, refused when empty or when `problem` says so. A
// byte that is not UTF-8 is taken as the escape "\xHH".
CLI::Option* AddValue(CLI::App& app, const std::string& name, std::string& value,
                      const std::string& typeName, const std::string& help,
                      ValueProblem problem = {});

// An option whose value is one of `names` (`what` says what they are).
CLI::Option* AddChoice(CLI::App& app, const std::string& name, std::string& value,
                       const std::vector<std::string>& names, const std::string& what,
                       const std::string& help);

// Whether the option was typed.
inline bool Given(const CLI::Option* option) { return option->count() > 0; }

// kExitDone, or kExitBadCommandLine with "solvaris COMMAND: why" on `err`.
int ParseArguments(CLI::App& app, const std::vector<std::string>& args, std::string_view command,
                   std::ostream& err);

// One line per option of the declaration: its name, value and help.
void WriteOptionHelp(const CLI::App& app, std::ostream& out);

}  // namespace solvaris
