#include "app/ephemeris_choice.hpp"

#include <vector>

#include "app/option_lines.hpp"
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

std::string FolderOfLine(std::string_view line) {
    return line.starts_with(kEphemerisFilesLabel)
               ? TrimmedText(line.substr(kEphemerisFilesLabel.size()))
               : std::string();
}

std::string EngineValueField(EphemerisEngine engine) {
    return engine == EphemerisEngine::Swiss ? "    1  " : "    0  ";
}

}  // namespace

EphemerisChoice EphemerisChoiceInText(std::string_view text) {
    const OptionLines split = SplitOptionLines(text);
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
    return SplitOptionLines(text).optionCount >= kEngineLine - 1;
}

bool FolderLineWritable(std::string_view text) {
    return SplitOptionLines(text).optionCount >= kEngineLine;
}

std::optional<std::string> TextWithEngine(std::string_view text, EphemerisEngine engine) {
    if (EphemerisChoiceInText(text).engine == engine) {
        return std::nullopt;
    }
    OptionLines split = SplitOptionLines(text);
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
    return JoinOptionLines(split);
}

std::optional<std::string> TextWithFilesFolder(std::string_view text, const std::string& folder) {
    OptionLines split = SplitOptionLines(text);
    if (split.optionCount < kEngineLine) {
        return std::nullopt;
    }
    const std::string wanted = TrimmedText(folder);
    const bool hasLine = split.optionCount >= kFolderLine;
    const auto at = split.lines.begin() + static_cast<std::ptrdiff_t>(kFolderLine - 1);
    if (!hasLine) {
        if (wanted.empty()) {
            return std::nullopt;
        }
        split.lines.insert(at, std::string(kEphemerisFilesLabel) + wanted);
        return JoinOptionLines(split);
    }
    if (FolderOfLine(*at) == wanted) {
        return std::nullopt;
    }
    if (wanted.empty() && split.optionCount == kFolderLine) {
        split.lines.erase(at);
    } else {
        *at = std::string(kEphemerisFilesLabel) + wanted;
    }
    return JoinOptionLines(split);
}

}  // namespace solvaris
