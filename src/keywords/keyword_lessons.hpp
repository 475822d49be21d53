// The lessons of the keyword system: one text file per sign, house and
// planet and seven general lessons beside the program, each read into the
// data window as a new report indented by two blanks.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "reports/report_context.hpp"

namespace solvaris {

inline constexpr std::array<std::string_view, 12> kLessonSigns = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
inline constexpr std::array<std::string_view, 12> kLessonHouses = {
    "1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th", "11th", "12th"};
inline constexpr std::array<std::string_view, 10> kLessonPlanets = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};

// ARI.TXT for "Aries": the first three letters in capitals.
std::string SignLessonFile(std::string_view sign);
// 10th.TXT for "10th": the entry as it stands.
std::string HouseLessonFile(std::string_view house);
// SUN_SUN.TXT for the Sun, whose SUN.TXT is the transit interpretations'
// file; MOO.TXT, MER.TXT, ... for the others.
std::string PlanetLessonFile(std::string_view planet);

// A new report of an empty line and every line of the lesson file of the
// program folder with two blanks in front, shown in the data window. A file
// that cannot be read gets "Cannot find the file called ..." with its full
// path, and the data window keeps what it showed; false then.
bool ShowLesson(ReportContext& context, std::string_view fileName);

}  // namespace solvaris
