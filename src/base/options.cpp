#include "base/options.hpp"

#include "base/lenient_number.hpp"
#include "base/option_numbers.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

std::string TitleText(const OptionTable& options) {
    return options(opt::Zodiac) == 1 ? "SOLVARIS (Sidereal zodiac) - "
                                     : "SOLVARIS (Tropical zodiac) - ";
}

namespace {
constexpr std::size_t kValueWidth = 7;
}

float OptionValue(std::string_view line) {
    return static_cast<float>(LenientNumber(line.substr(0, kValueWidth)));
}

std::optional<std::vector<float>> ReadValueLines(const std::filesystem::path& path,
                                                 std::size_t maxLines) {
    const auto lines = ReadTextLines(path);
    if (!lines) {
        return std::nullopt;
    }
    return ValueLines(*lines, maxLines);
}

std::vector<float> ValueLines(const std::vector<std::string>& lines, std::size_t maxLines) {
    std::vector<float> values;
    for (const std::string& line : lines) {
        if (line.empty() || values.size() >= maxLines) {
            break;
        }
        values.push_back(OptionValue(line));
    }
    return values;
}

Problem LoadOptions(const std::filesystem::path& path, OptionTable& table) {
    std::string bytes;
    if (Problem problem = ReadFileBytes(path, bytes); !problem.empty()) {
        return problem;
    }
    const std::vector<float> values =
        ValueLines(SplitLines(DecodeText(std::move(bytes))), kOptionCount);
    if (values.empty()) {
        return "empty";
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        table.Set(static_cast<int>(i) + 1, values[i]);
    }
    return {};
}

}  // namespace solvaris
