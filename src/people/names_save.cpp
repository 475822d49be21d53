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

}  // namespace

bool SaveCurrentPerson(const NatalEntryWindow& natal, NamesWindowState& state, Platform& platform,
                       const ReplaceFault& fault) {
    if (natal.txtName.find(',') != std::string::npos) {
        platform.ShowMessage(
            "You cannot have a comma in the name. Please remove the comma and try again.",
            "Warning!", MessageIcon::Critical);
        return false;
    }
    const auto record = NameRecordLine(natal);
    if (!record) {
        platform.ShowMessage(
            "The birth date is not a date of the calendar. Please correct it "
            "and save again; the names file is unchanged.",
            "Warning!", MessageIcon::Critical);
        return false;
    }
    if (state.currentFile.empty()) {
        state.currentFile = platform.ChooseFile("*.FIL", "");
        if (state.currentFile.empty()) {
            return false;
        }
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
    // The records the user chose to replace, as the lines they are.
    std::vector<std::string> replaced;
    ForEachLine(*text, [&](std::string_view line) {
        const auto existing = ParseNameLine(line);
        if (existing && EqualIgnoringCase(existing->name, natal.txtName) &&
            platform.ShowMessage(ReplaceQuestion(*existing), existing->name + " already exists",
                                 MessageIcon::Question,
                                 MessageButtons::YesNo) == MessageAnswer::Yes) {
            replaced.emplace_back(line);
        }
    });
    std::filesystem::path backup = file;
    backup.replace_extension(".OLD");
    // The file as it is at the moment of writing, so that a person another
    // workstation saved while the questions were open is kept.
    const auto build = [&](const std::filesystem::path& target, std::string& content) {
        const std::optional<std::string> now = NamesText(target);
        if (!now) {
            return file.filename().string() + " cannot be read again before writing";
        }
        content = KeptLines(*now, replaced) + *record + "\r\n";
        return std::string();
    };
    const std::string failure = ReplaceFileContentFrom(file, build, {backup, fault});
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
