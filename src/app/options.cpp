#include "app/options.hpp"

#include "app/lenient_number.hpp"
#include "app/text_lines.hpp"

namespace solvaris {

namespace {
constexpr std::size_t kValueWidth = 7;
}

float OptionValue(std::string_view line) {
    return static_cast<float>(LenientNumber(line.substr(0, kValueWidth)));
}

OptionsLoad LoadOptions(const std::filesystem::path& path, OptionTable& table) {
    const auto lines = ReadTextLines(path);
    if (!lines) {
        return OptionsLoad::Unreadable;
    }
    int n = 1;
    for (const std::string& line : *lines) {
        if (line.empty() || n > kOptionCount) {
            break;
        }
        table.Set(n, OptionValue(line));
        ++n;
    }
    return OptionsLoad::Loaded;
}

}  // namespace solvaris
