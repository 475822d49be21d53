#include "cli/batch_blocks.hpp"

#include <vector>

#include "base/parallel_indices.hpp"
#include "base/text_lines.hpp"
#include "platform/headless/headless_platform.hpp"

namespace solvaris {

namespace {

// Persons cast before their text is handed on: enough to keep every worker
// busy, few enough that the text held stays small.
constexpr std::size_t kPersonsPerBlock = 4096;

// A line of the names file that is not blank, and where it stands.
struct PersonLine {
    std::string_view text;
    std::size_t number = 0;
};

}  // namespace

void CastNamesText(std::string_view text, std::size_t firstLineNumber, const BatchRequest& request,
                   const Session& session, int workers,
                   const std::function<bool(const PersonText&)>& take) {
    // Each worker reads the session's options only and answers its own messages.
    std::vector<HeadlessPlatform> quiet(static_cast<std::size_t>(workers));
    std::vector<PersonLine> lines;
    std::vector<PersonText> block;
    bool going = true;
    const auto castBlock = [&] {
        block.assign(lines.size(), PersonText{});
        ForEachIndexInParallel(lines.size(), workers, [&](int worker, std::size_t i) {
            block[i] = CastPerson(lines[i].text, lines[i].number, request, session,
                                  quiet[static_cast<std::size_t>(worker)]);
        });
        for (const PersonText& person : block) {
            if (going) {
                going = take(person);
            }
        }
        lines.clear();
    };
    std::size_t number = firstLineNumber - 1;
    ForEachLine(text, [&](std::string_view line) {
        ++number;
        if (!going || line.find_first_not_of(" \t") == std::string_view::npos) {
            return;
        }
        lines.push_back({line, number});
        if (lines.size() == kPersonsPerBlock) {
            castBlock();
        }
    });
    castBlock();
}

}  // namespace solvaris
