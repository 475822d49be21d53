// --person NAME, --second-person NAME, --now and --names FILE: birth data
// picked from a names file as a click in the names window picks them.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "app/session.hpp"
#include "cli/birth_options.hpp"
#include "people/names_file.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// The names file typed with --names, else the current one of the settings.
std::string NamesFileOption(const std::string& typed, const Session& session);

// The record of that name: the exact name first, else one that differs
// only in case; nothing when there is none.
std::optional<NameRecord> FindPerson(const std::vector<NameRecord>& records,
                                     const std::string& name);

// Fills the windows from the persons of --person and --second-person.
// kExitDone; kExitRefusedData when a record cannot be read (its message
// shown); kExitBadCommandLine with a message on `err` for an unknown person;
// kExitFileProblem with a message on `err` for a names file that cannot be
// read.
int ApplyPersonOptions(const BirthOptionTexts& texts, std::string_view command,
                       const Session& session, Platform& platform, std::ostream& err,
                       BirthOptions& options);

}  // namespace solvaris
