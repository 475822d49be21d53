// Names files (*.FIL): one person per line, seven comma-separated fields:
// name, date "dd mmm yyyy", time "##.#0", "A" or "P", zone as typed,
// longitude "#00#.#0" (negative East), latitude "#0#.#0" (negative South).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/options.hpp"
#include "base/problem.hpp"
#include "engine/calendar.hpp"
#include "people/entry_fields.hpp"
#include "platform/platform.hpp"

namespace solvaris {

inline constexpr const char* kDefaultNamesFile = "NAMES.FIL";

struct NameRecord {
    std::string name;
    std::string date;
    std::string time;
    std::string meridiem;
    std::string zone;
    std::string longitude;
    std::string latitude;
};

// The list as the names window reads it: fields separated by commas or
// line ends, seven to a record, so that a short line borrows from the next.
// An unreadable file or an incomplete last record shows the names-file
// error; the records read so far are kept.
std::vector<NameRecord> ReadNamesList(const std::filesystem::path& file, Platform& platform);
std::vector<NameRecord> NamesListFromText(std::string_view text, Platform& platform);

// The record a click on a list entry fills from: the first whose name
// equals the entry's text, so that of two records of one name the first
// answers. Null when none has it.
const NameRecord* RecordNamed(const std::vector<NameRecord>& records, std::string_view name);

// One line as one record: exactly seven fields, else nothing.
std::optional<NameRecord> ParseNameLine(std::string_view line);

// Why the names editor's text would not read back as written, for its
// message; empty when it would. A name cannot hold a comma, so a line of
// more than seven fields is refused (a shorter line borrows from the next).
Problem NamesTextProblem(const std::string& text);

// The record line of a natal window ("Sample,05 Dec 1950,7.45,P,5,074.00,40.43").
// Nothing when the date fields are not a date.
std::optional<std::string> NameRecordLine(const NatalEntryWindow& window);

// A click on a name: the record's fields into the natal window (txtName
// included) or, in second-person mode, into the diurnal window (the check
// box caption becomes the name). A field that cannot be read shows the
// format-error box and ends the filling; fields already filled keep their
// new values. True when every field was filled.
bool FillNatalFromRecord(const NameRecord& record, NatalEntryWindow& window, DateOrder order,
                         Platform& platform);
bool FillDiurnalFromRecord(const NameRecord& record, DiurnalEntryWindow& window, DateOrder order,
                           Platform& platform);

// A click on a name: into the diurnal window in second-person mode, else
// into the natal window followed by the diurnal window's reset or copy.
bool PickNameRecord(const NameRecord& record, NatalEntryWindow& natal, DiurnalEntryWindow& diurnal,
                    const OptionTable& options, Platform& platform);

}  // namespace solvaris
