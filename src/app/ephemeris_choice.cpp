#include "app/ephemeris_choice.hpp"

#include <vector>

#include "base/option_numbers.hpp"
#include "base/options.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

namespace {

constexpr std::size_t kEngineLine = opt::PositionsEngine;
constexpr std::size_t kFolderLine = opt::PositionsFilesFolder;
constexpr std::size_t kValueWidth = 7;
constexpr std::string_view kEngineDescription =
    "Positions: 0 = built-in theories, 1 = Swiss Ephemeris";

// The lines of the text and how many of them are options (up to the first
// empty line), with the line end the text uses.
struct OptionLines {
    std::vector<std::string> lines;
    std::size_t optionCount = 0;
    std::string end = "\r\n";
};

OptionLines Split(std::string_view text) {
    OptionLines split;
    split.lines = SplitLines(text);
    while (split.optionCount < split.lines.size() && !split.lines[split.optionCount].empty()) {
        ++split.optionCount;
    }
    if (!text.empty() && text.find("\r\n") == std::string_view::npos) {
        split.end = "\n";
    }
    return split;
}

std::string Join(const OptionLines& split) {
    std::string text;
    for (const std::string& line : split.lines) {
        text += line;
        text += split.end;
    }
    return text;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string FolderOfLine(std::string_view line) {
    return line.starts_with(kEphemerisFilesLabel)
               ? Trimmed(line.substr(kEphemerisFilesLabel.size()))
               : std::string();
}

std::string EngineValueField(EphemerisEngine engine) {
    return engine == EphemerisEngine::Swiss ? "    1  " : "    0  ";
}

}  // namespace

EphemerisChoice EphemerisChoiceInText(std::string_view text) {
    const OptionLines split = Split(text);
    EphemerisChoice choice;
    if (split.optionCount >= kEngineLine && OptionValue(split.lines[kEngineLine - 1]) == 1.0f) {
        choice.engine = EphemerisEngine::Swiss;
    }
    if (split.optionCount >= kFolderLine) {
        choice.filesFolder = FolderOfLine(split.lines[kFolderLine - 1]);
    }
    return choice;
}

std::string EphemerisFolderInFile(const std::filesystem::path& optionsFile) {
    std::string bytes;
    if (!ReadFileBytes(optionsFile, bytes).empty()) {
        return {};
    }
    return EphemerisChoiceInText(DecodeText(std::move(bytes))).filesFolder;
}

bool EngineLineWritable(std::string_view text) {
    return Split(text).optionCount >= kEngineLine - 1;
}

bool FolderLineWritable(std::string_view text) { return Split(text).optionCount >= kEngineLine; }

std::optional<std::string> TextWithEngine(std::string_view text, EphemerisEngine engine) {
    if (EphemerisChoiceInText(text).engine == engine) {
        return std::nullopt;
    }
    OptionLines split = Split(text);
    if (split.optionCount < kEngineLine - 1) {
        return std::nullopt;
    }
    if (split.optionCount == kEngineLine - 1) {
        split.lines.insert(split.lines.begin() + static_cast<std::ptrdiff_t>(split.optionCount),
                           EngineValueField(engine) + std::string(kEngineDescription));
    } else {
        std::string& line = split.lines[kEngineLine - 1];
        line = EngineValueField(engine) +
               (line.size() > kValueWidth ? line.substr(kValueWidth) : std::string());
    }
    return Join(split);
}

std::optional<std::string> TextWithFilesFolder(std::string_view text, const std::string& folder) {
    OptionLines split = Split(text);
    if (split.optionCount < kEngineLine) {
        return std::nullopt;
    }
    const std::string wanted = Trimmed(folder);
    const bool hasLine = split.optionCount >= kFolderLine;
    const auto at = split.lines.begin() + static_cast<std::ptrdiff_t>(kFolderLine - 1);
    if (!hasLine) {
        if (wanted.empty()) {
            return std::nullopt;
        }
        split.lines.insert(at, std::string(kEphemerisFilesLabel) + wanted);
        return Join(split);
    }
    if (FolderOfLine(*at) == wanted) {
        return std::nullopt;
    }
    if (wanted.empty() && split.optionCount == kFolderLine) {
        split.lines.erase(at);
    } else {
        *at = std::string(kEphemerisFilesLabel) + wanted;
    }
    return Join(split);
}

}  // namespace solvaris
