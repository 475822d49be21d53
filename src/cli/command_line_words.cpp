#include "cli/command_line_words.hpp"

namespace solvaris {

namespace {

struct Rewording {
    std::string_view window;
    std::string_view commandLine;
};

constexpr Rewording kRewordings[] = {
    {"Please correct the data by clicking on the Edit this List command button in the Names "
     "window and edit the incorrect data.",
     "Correct it in a text editor; solvaris names list --names FILE shows the persons read."},
    {"Please correct this data entry by clicking on the Edit this List command button in the "
     "Names window and editing the data associated with your chosen name.",
     "Correct the person's record in the names file in a text editor; solvaris names show NAME "
     "shows it."},
    {"Please correct the data by clicking on the Edit this List command button in the Cities "
     "window and edit the incorrect data.",
     "Correct it in a text editor; solvaris cities list --cities FILE shows the places read."},
    {"Please correct this data entry by clicking on the Edit this List command button in the "
     "Cities window and editing the data associated with your chosen city.",
     "Correct the place's record in the cities file in a text editor; solvaris cities show CITY "
     "shows it."},
};

}  // namespace

std::string CommandLineWords(std::string_view windowText) {
    std::string text(windowText);
    for (const Rewording& r : kRewordings) {
        if (const auto at = text.find(r.window); at != std::string::npos) {
            text.replace(at, r.window.size(), r.commandLine);
        }
    }
    return text;
}

}  // namespace solvaris
