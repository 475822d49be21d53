#include "reports/interpretation_file.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using Paragraph = std::optional<std::vector<std::string>>;

// The first paragraph under a key, leading blanks and case ignored; ten
// empty lines end the search; a missing file has nothing.
TEST(InterpretationFile, KeyMatchFirstParagraphOnly) {
    const testing::TempFolder folder;
    EXPECT_FALSE(FindInterpretation(folder / "MISSING.TXT", "SUN Trine MOON").has_value());
    const auto file = folder.Write("I.TXT",
                                   "SATURN Square SUN\r\nfirst line\r\nsecond line\r\n\r\n"
                                   "  saturn trine sun\r\nthe trine\r\n\r\n"
                                   "SATURN Trine SUN\r\nsecond copy\r\n" +
                                       std::string(9, '\n') + "C Trine D\nnine were not enough\n" +
                                       std::string(10, '\n') + "E Square F\nunreachable\n");
    struct Case {
        const char* key;
        Paragraph paragraph;
    };
    const Case cases[] = {
        {"SATURN Square SUN", std::vector<std::string>{"first line", "second line"}},
        {"SATURN Trine SUN", std::vector<std::string>{"the trine"}},
        {"C Trine D", std::vector<std::string>{"nine were not enough"}},
        {"E Square F", std::nullopt},
        {"SATURN Sextile SUN", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindInterpretation(file, c.key), c.paragraph) << c.key;
    }
}

}  // namespace
}  // namespace solvaris
