// The file side of LongLat, the cities-file editor: the file's text to edit
// and Save writing it back crash-safely. The window only shows the text.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/platform.hpp"

namespace solvaris {

struct CitiesEditor {
    std::filesystem::path file;
    std::string caption;                   // "Edit: " + the file's full path
    std::string txtContent;                // every line followed by CR LF
    std::optional<std::string> bytesRead;  // the file as last read or saved
};

// Opening the editor on a cities file: its text, or a message naming the
// file and no editor when it cannot be read.
std::optional<CitiesEditor> OpenCitiesEditor(const std::filesystem::path& file, Platform& platform);

// btnSave: the text written back, line ends made CR LF and the final line
// break not doubled. A failed save says so and leaves the file as it was;
// the caller keeps the text. True when saved.
bool SaveCitiesEditor(CitiesEditor& editor, Platform& platform);

}  // namespace solvaris
