#include "reports/saved_report.hpp"

#include <cmath>

#include "base/option_numbers.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

namespace {

// The byte length of the first `count` characters of UTF-8 text.
std::size_t PrefixBytes(std::string_view text, std::size_t count) {
    std::size_t bytes = 0;
    for (std::size_t seen = 0; bytes < text.size(); ++bytes) {
        const auto c = static_cast<unsigned char>(text[bytes]);
        if ((c & 0xC0) != 0x80 && seen++ == count) {
            break;
        }
    }
    return bytes;
}

}  // namespace

std::string SavedReportText(const std::vector<std::string>& lines, const OptionTable& options) {
    const float pageLines = options(opt::SavedLinesPerPage);
    const long long every =
        std::isfinite(pageLines) && pageLines >= 2 ? static_cast<long long>(pageLines) - 1 : 0;
    std::string text;
    const auto count = static_cast<long long>(lines.size());
    for (long long i = 0; i <= count; ++i) {
        if (i < count) {
            text += lines[static_cast<std::size_t>(i)];
        }
        text += "\r\n";
        if (every > 0 && i != 0 && i % every == 0) {
            text += "\f\r\n";
        }
    }
    text += "\f\r\n";
    return text;
}

std::string ProposedReportFileName(std::string_view personName) {
    const std::string_view first8 = personName.substr(0, PrefixBytes(personName, 8));
    const std::size_t blank = first8.find(' ');
    std::string stem(blank == std::string_view::npos ? first8 : first8.substr(0, blank));
    for (char& c : stem) {
        if (c == '/' || c == '\\' || c == '\0') {
            c = '_';
        }
    }
    return stem + ".DOC";
}

std::filesystem::path WithReportExtension(const std::filesystem::path& chosen) {
    if (chosen.has_extension()) {
        return chosen;
    }
    std::filesystem::path withExtension = chosen;
    withExtension += ".";
    withExtension += kSavedReportExtension;
    return withExtension;
}

}  // namespace solvaris
