// The engine choice as the options file holds it: option 217's value and
// the text line 218 that names the folder of Swiss Ephemeris's files. The
// Options window's controls read and write these two lines of its text, so
// the text stays the one record and a file the controls never touch keeps
// its bytes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/ephemeris.hpp"

namespace solvaris {

inline constexpr std::string_view kEphemerisFilesLabel = "Swiss Ephemeris files: ";

struct EphemerisChoice {
    EphemerisEngine engine = EphemerisEngine::BuiltIn;
    std::string filesFolder;  // empty: $SE_EPHE_PATH, else the analytical mode
};

// The choice in an options text (CR LF or LF lines; the options end at the
// first empty line). A line 218 without the label names no folder.
EphemerisChoice EphemerisChoiceInText(std::string_view text);

// The folder line 218 of the options file names; empty when it names none
// or the file cannot be read.
std::string EphemerisFolderInFile(const std::filesystem::path& optionsFile);

// Whether the options of the text reach far enough for the engine's line
// (to option 216) and for the folder's (to option 217).
bool EngineLineWritable(std::string_view text);
bool FolderLineWritable(std::string_view text);

// The text with option 217 set to the engine: its value field rewritten and
// its description kept, or the line added when the options end at 216.
// Nothing when the text already says so, or when the options end earlier
// (the lines between would be invented).
std::optional<std::string> TextWithEngine(std::string_view text, EphemerisEngine engine);

// The text with line 218 naming the folder: added after option 217,
// rewritten, or, for no folder, taken away again when it is the last line.
// Nothing when the text already says so or ends before option 217.
std::optional<std::string> TextWithFilesFolder(std::string_view text, const std::string& folder);

}  // namespace solvaris
