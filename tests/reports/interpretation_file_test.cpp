#include "reports/interpretation_file.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace solvaris {
namespace {

class InterpretationFile : public ::testing::Test {
protected:
    std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("solvaris_interp_" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".TXT");
    void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    void TearDown() override { std::filesystem::remove(path); }
};

TEST_F(InterpretationFile, KeyMatchFirstParagraphOnly) {
    Write(
        "SATURN Square SUN\r\nfirst line\r\nsecond line\r\n\r\n"
        "  saturn trine sun\r\nthe trine\r\n\r\n"
        "SATURN Trine SUN\r\nsecond copy\r\n\r\n");
    EXPECT_EQ(FindInterpretation(path, "SATURN Square SUN"),
              (std::vector<std::string>{"first line", "second line"}));
    // Leading blanks and case are ignored; a repeated key gives its first entry.
    EXPECT_EQ(FindInterpretation(path, "SATURN Trine SUN"),
              (std::vector<std::string>{"the trine"}));
    EXPECT_FALSE(FindInterpretation(path, "SATURN Sextile SUN").has_value());
}

TEST_F(InterpretationFile, TenEmptyLinesEndTheSearch) {
    std::string text = "A Conjunct B\nparagraph\n";
    text += std::string(9, '\n') + "C Trine D\nnine were not enough\n";
    text += std::string(10, '\n') + "E Square F\nunreachable\n";
    Write(text);
    EXPECT_EQ(FindInterpretation(path, "C Trine D"),
              (std::vector<std::string>{"nine were not enough"}));
    EXPECT_FALSE(FindInterpretation(path, "E Square F").has_value());
}

TEST_F(InterpretationFile, MissingFile) {
    EXPECT_FALSE(FindInterpretation(path, "SUN Trine MOON").has_value());
}

}  // namespace
}  // namespace solvaris
