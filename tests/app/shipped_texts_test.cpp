// Every text that a menu item, a list choice or a report opens is shipped in
// data/, is plain text with CR LF line ends, and every transit
// interpretation the report can ask for is there.
#include <gtest/gtest.h>

#include "engine/chart_point.hpp"
#include "reports/interpretation_file.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

const std::filesystem::path kData = SOLVARIS_DATA_DIR;

std::vector<std::string> ShippedTextFiles() {
    std::vector<std::string> files{
        // Philosophy menu.
        "WHAT_AST.TXT", "ASTROSYM.TXT", "EDVALAST.TXT", "HELPSTAR.TXT", "ZODIACS.TXT",
        "ZOD_HOUS.TXT", "ORRLIND1.TXT", "ORRLIND2.TXT", "KEYWORDS.TXT", "LAW_NEE1.TXT",
        "LAW_NEE2.TXT", "HELPDEST.TXT", "STUDY.TXT",
        // Help menus of the main, data and wheel windows, and the printed help.
        "SOLVARIS.HLP", "INPUTD.HLP", "INPUTD1.HLP", "NAMES.HLP", "GEOGRAPH.HLP", "OPTIONS.HLP",
        "OUTPUTD1.HLP", "PHOUTPUT.HLP", "WHEELS.HLP", "NAMEEDIT.HLP", "LONGLAT.HLP", "SELECT.HLP",
        "PRNTFILE.HLP", "HOW_DO_I.HLP", "READING.HLP", "TIPS.HLP", "UPGRADES.HLP", "SHORTCUT.HLP",
        "LICENSE.HLP", "PHILO.HLP", "TRANSIT.INX", "REVISION.HLP", "HELPFILE",
        // Keyword System lessons.
        "INTRO1.TXT", "INTRO2.TXT", "KEY.TXT", "GENERAL.TXT", "EXAMPLE1.TXT", "EXAMPLE2.TXT",
        "ASPECTS.TXT", "SUN_SUN.TXT"};
    for (std::string_view sign :
         {"ARI", "TAU", "GEM", "CAN", "LEO", "VIR", "LIB", "SCO", "SAG", "CAP", "AQU",
          "PIS", "MOO", "MER", "VEN", "MAR", "JUP", "SAT", "URA", "NEP", "PLU"}) {
        files.push_back(std::string(sign) + ".TXT");
    }
    for (std::string_view house :
         {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th", "11th", "12th"}) {
        files.push_back(std::string(house) + ".TXT");
    }
    for (int p = Sun; p <= Pluto; ++p) {
        files.push_back(InterpretationFileName(p));
    }
    return files;
}

// Every file shipped is plain text with CR LF line ends; every text a menu,
// a list or a report opens is among them, and not a stub.
TEST(ShippedTexts, ExistAsPlainTextWithCrLf) {
    for (const std::string& name : ShippedTextFiles()) {
        EXPECT_GT(std::filesystem::file_size(kData / name), 200u) << name << " is missing";
    }
    for (const auto& entry : std::filesystem::directory_iterator(kData)) {
        const std::string name = entry.path().filename().string();
        const std::string text = testing::ReadBytes(entry.path());
        for (std::size_t i = 0; i < text.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            if (c == '\n') {
                ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << name << ": bare LF at " << i;
            } else if (c == '\r') {
                ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << name << ": bare CR";
            } else {
                ASSERT_TRUE(c >= 32 && c < 127) << name << ": byte " << int(c) << " at " << i;
            }
        }
        EXPECT_TRUE(text.ends_with("\r\n")) << name;
    }
}

TEST(ShippedTexts, EveryTransitInterpretationResolves) {
    const std::array<std::string_view, 9> aspects{"Conjunct", "Sextile",    "Square",
                                                  "Trine",    "Opposite",   "S.Sextile",
                                                  "S.Square", "Ses.Square", "Quincunx"};
    int found = 0;
    for (int t = Sun; t <= Pluto; ++t) {
        for (std::string_view aspect : aspects) {
            for (int n = Sun; n <= Moon; ++n) {
                const std::string key = std::string(kPointListNames[t]) + " " +
                                        std::string(aspect) + " " + std::string(kPointListNames[n]);
                const auto paragraph = FindInterpretation(kData / InterpretationFileName(t), key);
                ASSERT_TRUE(paragraph.has_value()) << key;
                ASSERT_FALSE(paragraph->empty()) << key;
                ++found;
            }
        }
    }
    EXPECT_EQ(found, 810);
}

}  // namespace
}  // namespace solvaris
