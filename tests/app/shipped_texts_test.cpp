#include <gtest/gtest.h>

#include "app/help_file.hpp"
#include "base/options.hpp"
#include "base/text_lines.hpp"
#include "keywords/keyword_lessons.hpp"
#include "reports/interpretation_file.hpp"
#include "reports/text_documents.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

const std::filesystem::path kData = SOLVARIS_DATA_DIR;

// Every file is plain text with CR LF ends; a named text of 200 bytes or less
// is a stub. The general lessons are named by the Keyword System alone.
TEST(ShippedTexts, ExistAsPlainTextWithCrLf) {
    std::vector<std::string> files{
        "INTRO1.TXT",   "INTRO2.TXT",   "KEY.TXT",     "GENERAL.TXT",
        "EXAMPLE1.TXT", "EXAMPLE2.TXT", "ASPECTS.TXT", std::string(kHelpFileName)};
    for (const TextDocument& document : TextDocuments()) {
        files.emplace_back(document.file);
    }
    for (std::string_view sign : kLessonSigns) {
        files.push_back(SignLessonFile(sign));
    }
    for (std::string_view house : kLessonHouses) {
        files.push_back(HouseLessonFile(house));
    }
    for (std::string_view planet : kLessonPlanets) {
        files.push_back(PlanetLessonFile(planet));
    }
    for (int p = Sun; p <= Pluto; ++p) {
        files.push_back(InterpretationFileName(p));
    }
    for (const std::string& name : files) {
        EXPECT_GT(std::filesystem::file_size(kData / name), 200u) << name << " is missing";
    }
    for (const auto& entry : std::filesystem::directory_iterator(kData)) {
        // The atlas folder holds a data file of its own form, never seeded.
        if (entry.is_directory()) {
            continue;
        }
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

// The shipped options themselves are read by every golden report, the
// start-up test and the window tests; each orb file here, as only a wheel
// of its kind reads it.
TEST(ShippedOptions, EveryOrbFileGivesSeventeenOrbs) {
    for (std::string_view name : {"NATAL.ORB", "PROGRESS.ORB", "SOLARARC.ORB", "TRANSIT.ORB",
                                  "SOLARRTN.ORB", "LUNARRTN.ORB", "NAT2PROG.ORB", "NAT2SA.ORB",
                                  "NAT2TRAN.ORB", "NAT2SR.ORB", "NAT2LR.ORB", "SYNASTRY.ORB"}) {
        const auto lines = ReadTextLines(kData / name);
        ASSERT_TRUE(lines) << name << " is missing";
        ASSERT_EQ(lines->size(), 17u) << name;
        for (std::size_t k = 0; k < lines->size(); ++k) {
            const std::string& line = (*lines)[k];
            ASSERT_GT(line.size(), 8u) << name << " entry " << k + 1 << " has no label";
            const float orb = OptionValue(line);
            EXPECT_TRUE(orb > 0 && orb < 15) << name << " entry " << k + 1 << ": " << orb;
        }
    }
}

}  // namespace
}  // namespace solvaris
