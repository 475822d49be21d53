// The names window's state and its commands on the file: saving the
// current person, Change List, and which entry the reloaded list selects.
// The editor of the list is the plain-text editor of app/editor_text.
#pragma once

#include <filesystem>
#include <string>

#include "base/file_replace.hpp"
#include "people/entry_fields.hpp"
#include "platform/platform.hpp"

namespace solvaris {

struct NamesWindowState {
    std::string currentFile;  // empty until a names file is chosen
    bool lockList = false;    // "Lock list" (Check1)
    int rememberedIndex = 0;
    bool justSaved = false;
};

// cmdSave of the natal window: the comma refusal, the file chooser when no
// file is chosen, the replace question for every record of the same name
// (case-insensitive), then the file replaced at once by its kept records
// and the new one, the old file kept as name.OLD. A failed save says so and
// leaves the file as it was. True when saved.
bool SaveCurrentPerson(const NatalEntryWindow& natal, NamesWindowState& state, Platform& platform,
                       const ReplaceFault& fault = {});

// Change List: a file chosen with "*.FIL" becomes the current one.
bool ChangeNamesList(NamesWindowState& state, Platform& platform);

struct ListSelection {
    int selected = -1;  // -1: nothing selected
    int top = 0;        // the first entry shown
};

// The selection after loading: the remembered index when the list is
// locked or a person was just saved (the last entry), with at most 12
// entries above it. Clears the just-saved flag.
ListSelection SelectAfterLoad(NamesWindowState& state, int count);

}  // namespace solvaris
