// The golden New York chart, the shipped program folder and the golden reports.
#pragma once

#include <filesystem>
#include <string>

#include "app/session.hpp"
#include "base/program_folder.hpp"
#include "base/text_lines.hpp"
#include "people/entry_fields.hpp"

namespace solvaris::testing {

inline void OpenShippedSession(Session& session,
                               const std::filesystem::path& folder = SOLVARIS_DATA_DIR) {
    session.folder = folder;
    LoadOptions(FindInFolder(session.folder, kOptionsFileName), session.options);
    session.currentOrbFile = (session.folder / "NATAL.ORB").string();
}

// Golden New York, 05 Dec 1950 7.45 P.M., zone 5, 74W00 40N43; the transit
// moment 01 Jan 2000 12.00 P.M., zone 8, 118W15 34N03.
inline void TypeGoldenNewYork(NatalEntryWindow& natal, DiurnalEntryWindow& diurnal) {
    natal = {"Golden New York",
             {"12", "5", "1950", "7", "45", true, "5", "74", "00", false, "40", "43", false}};
    diurnal = {{"1", "1", "2000", "12", "00", true, "8", "118", "15", false, "34", "03", false}};
}

// A golden report's text with the window's CR LF line ends.
inline std::string GoldenReport(const std::string& chart, const std::string& report) {
    const auto lines = ReadTextLines(std::string(SOLVARIS_TEST_DATA_DIR) + "/reports/" + chart +
                                     "/" + report + ".txt");
    return lines ? JoinCrLf(*lines) : std::string("(no golden text)");
}

}  // namespace solvaris::testing
