#include "keywords/keyword_lessons.hpp"

#include <cctype>

#include "base/program_folder.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

namespace {

constexpr std::string_view kLessonExtension = ".TXT";
constexpr std::size_t kAbbreviationLetters = 3;

std::string Abbreviation(std::string_view name) {
    std::string letters(name.substr(0, kAbbreviationLetters));
    for (char& letter : letters) {
        letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    }
    return letters + std::string(kLessonExtension);
}

}  // namespace

std::string SignLessonFile(std::string_view sign) { return Abbreviation(sign); }

std::string HouseLessonFile(std::string_view house) {
    return std::string(house) + std::string(kLessonExtension);
}

std::string PlanetLessonFile(std::string_view planet) {
    return planet == "Sun" ? std::string("SUN_SUN.TXT") : Abbreviation(planet);
}

bool ShowLesson(ReportContext& context, std::string_view fileName) {
    const std::filesystem::path path = FindInFolder(context.session.folder, fileName);
    std::optional<std::vector<std::string>> lines;
    {
        BusyPointer busy(context.platform);
        lines = ReadTextLines(path);
    }
    if (!lines) {
        context.platform.ShowMessage("Cannot find the file called " + path.string() + ".",
                                     "Warning!", MessageIcon::Critical);
        return false;
    }
    context.Begin();
    context.Blank();
    for (const std::string& line : *lines) {
        context.Line("  " + line);
    }
    context.Show();
    return true;
}

}  // namespace solvaris
