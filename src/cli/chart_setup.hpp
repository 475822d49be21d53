// What every chart command does first: the entry windows at their starting
// values (the present moment and home place), the persons picked and the
// birth options typed into them, and the chart computation with its checks.
#pragma once

#include <functional>
#include <ostream>
#include <string_view>

#include "app/session.hpp"
#include "cli/birth_options.hpp"
#include "platform/data_window.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// The windows at their starting values, then the persons of --person and
// --second-person, then the birth options typed in and the zones of --tz and
// --diurnal-tz found for them: kExitDone; kExitRefusedData when a person's
// record cannot be read; kExitBadCommandLine with the message written for an
// unknown person, a names file given without a person, or a zone that
// cannot be found.
int FillBirthOptions(const BirthOptionTexts& texts, std::string_view command,
                     const Session& session, Platform& platform, std::ostream& err,
                     BirthOptions& options);

// The chart computation with its checks: kExitDone, or kExitRefusedData
// when the data are refused, the options behind the refusal then named on
// `err`. The natal data report goes to `window`.
int ComputeFromBirthOptions(Session& session, BirthOptions& options, Platform& platform,
                            DataWindowView& window, std::ostream& err);

// A command's own steps between filling the birth options and casting the
// charts (an option of its own read, the house system changed): kExitDone
// to go on, or the status to stop with, its message written.
using BeforeCasting = std::function<int(BirthOptions& options)>;

// FillBirthOptions, `before` when given, then ComputeFromBirthOptions: the
// first status that is not kExitDone, or kExitDone with the charts cast.
int CastFromBirthOptions(const BirthOptionTexts& texts, std::string_view command, Session& session,
                         Platform& platform, DataWindowView& window, std::ostream& err,
                         BirthOptions& options, const BeforeCasting& before = {});

}  // namespace solvaris
