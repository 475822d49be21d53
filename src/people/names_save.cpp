#include "people/names_save.hpp"

#include <algorithm>
#include <cctype>

#include "base/text_lines.hpp"
#include "people/names_file.hpp"

namespace solvaris {

namespace {

std::string ReplaceQuestion(const NameRecord& r) {
    return "There is already a name on file matching your current name with the following "
           "associated data: \n\nDate =  " +
           r.date + "\nTime =  " + r.time + " " + r.meridiem + "\nTime zone =  " + r.zone +
           "\nLongitude =  " + r.longitude + "\nLatitude =  " + r.latitude +
           "\n\nDo you want to replace it?\n\nAnswering 'NO' will append the current name and "
           "data to file, not replace the existing entry.";
}

// Every line of the file as it stands (hand-edited lines included), but
// blank ones and, once each, the lines being replaced; each followed by
// CR LF.
std::string KeptLines(std::string_view text, std::vector<std::string> replaced) {
    std::string kept;
    ForEachLine(text, [&](std::string_view line) {
        const auto same = std::find(replaced.begin(), replaced.end(), line);
        if (same != replaced.end()) {
            replaced.erase(same);
        } else if (!line.empty()) {
            kept.append(line).append("\r\n");
        }
    });
    return kept;
}

// The names file's text; empty when there is no file yet, nothing when it
// cannot be read.
std::optional<std::string> NamesText(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::exists(file, ec) ? ReadText(file) : std::string();
}

// The person's record line, or nothing (said in a warning) when the entry
// cannot be saved as it stands.
std::optional<std::string> SavableRecord(const NatalEntryWindow& natal, Platform& platform) {
    if (natal.txtName.find(',') != std::string::npos) {
        platform.ShowMessage(
            "You cannot have a comma in the name. Please remove the comma and try again.",
            "Warning!", MessageIcon::Critical);
        return std::nullopt;
    }
    auto record = NameRecordLine(natal);
    if (!record) {
        platform.ShowMessage(
            "The birth date is not a date of the calendar. Please correct it "
            "and save again; the names file is unchanged.",
            "Warning!", MessageIcon::Critical);
    }
    return record;
}

// The names file to save into, chosen by the user when none is open yet:
// false when none was chosen.
bool NamesFileChosen(NamesWindowState& state, Platform& platform) {
    if (state.currentFile.empty()) {
        state.currentFile = platform.ChooseFile("*.FIL", "");
    }
    return !state.currentFile.empty();
}

// The records the user chose to replace, as the lines they are: each one
// of the person's name is asked about.
std::vector<std::string> RecordsToReplace(std::string_view text, const std::string& name,
                                          Platform& platform) {
    std::vector<std::string> replaced;
    ForEachLine(text, [&](std::string_view line) {
        const auto existing = ParseNameLine(line);
        if (existing && EqualIgnoringCase(existing->name, name) &&
            platform.ShowMessage(ReplaceQuestion(*existing), existing->name + " already exists",
                                 MessageIcon::Question,
                                 MessageButtons::YesNo) == MessageAnswer::Yes) {
            replaced.emplace_back(line);
        }
    });
    return replaced;
}

// The file with the record added in place of those replaced, the old one
// kept as .OLD: empty, else what failed.
std::string WriteNamesFile(const std::filesystem::path& file,
                           const std::vector<std::string>& replaced, const std::string& record,
                           const ReplaceFault& fault) {
    std::filesystem::path backup = file;
    backup.replace_extension(".OLD");
    // The file as it is at the moment of writing, so that a person another
    // workstation saved while the questions were open is kept.
    const auto build = [&](const std::filesystem::path& target, std::string& content) {
        const std::optional<std::string> now = NamesText(target);
        if (!now) {
            return file.filename().string() + " cannot be read again before writing";
        }
        content = KeptLines(*now, replaced) + record + "\r\n";
        return std::string();
    };
    return ReplaceFileContentFrom(file, build, {backup, fault});
}

}  // namespace

bool SaveCurrentPerson(const NatalEntryWindow& natal, NamesWindowState& state, Platform& platform,
                       const ReplaceFault& fault) {
    const std::optional<std::string> record = SavableRecord(natal, platform);
    if (!record || !NamesFileChosen(state, platform)) {
        return false;
    }
    const std::filesystem::path file = state.currentFile;
    const std::optional<std::string> text = NamesText(file);
    if (!text) {
        platform.ShowMessage("The names file " + file.string() +
                                 " cannot be read, so the person was not saved. The file "
                                 "is unchanged.",
                             "Error!", MessageIcon::Critical);
        return false;
    }
    const std::vector<std::string> replaced = RecordsToReplace(*text, natal.txtName, platform);
    const std::string failure = WriteNamesFile(file, replaced, *record, fault);
    if (!failure.empty()) {
        platform.ShowMessage("The person was not saved: " + failure + ". The names file " +
                                 file.filename().string() + " is unchanged.",
                             "Error!", MessageIcon::Critical);
        return false;
    }
    state.justSaved = true;
    state.rememberedIndex = -1;  // the last entry, once the list is loaded
    return true;
}

bool ChangeNamesList(NamesWindowState& state, Platform& platform) {
    std::string chosen = platform.ChooseFile("*.FIL", state.currentFile);
    if (chosen.empty()) {
        return false;
    }
    state.currentFile = std::move(chosen);
    state.rememberedIndex = 0;
    return true;
}

ListSelection SelectAfterLoad(NamesWindowState& state, int count) {
    ListSelection selection;
    if (state.justSaved) {
        state.rememberedIndex = count - 1;
    }
    if ((state.lockList || state.justSaved) && state.rememberedIndex >= 0 &&
        state.rememberedIndex < count) {
        selection.selected = state.rememberedIndex;
        selection.top = std::max(0, state.rememberedIndex - 12);
    }
    state.justSaved = false;
    return selection;
}

}  // namespace solvaris
