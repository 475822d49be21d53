// Names from a file reach the terminal without their control characters.
#include "base/visible_text.hpp"

#include <gtest/gtest.h>

namespace solvaris {
namespace {

TEST(VisibleText, ShowsControlCharactersAndKeepsEverythingElse) {
    struct Case {
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"Sample Natal", "Sample Natal"},
        {"Jack \"Jumbo\" Smith \\ O'Neil", "Jack \"Jumbo\" Smith \\ O'Neil"},
        {"Zo\xc3\xab \xe2\x99\x8c", "Zo\xc3\xab \xe2\x99\x8c"},  // letters and signs kept
        {"\x1b]0;owned\x07", "\\x1b]0;owned\\x07"},
        {"\x1b[2J\x1b[H", "\\x1b[2J\\x1b[H"},
        {"a\tb\rc\nd\x7f", "a\\x09b\\x0dc\\x0ad\\x7f"},
        {std::string("nul\0x", 5), "nul\\x00x"},
        {"\u009b31m", "\\u009b31m"},   // CSI, the C1 escape
        {"\u00a0nbsp", "\u00a0nbsp"},  // U+00A0 is no control
        {"cut \xc2", "cut \xc2"},      // a lone lead byte stays
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VisibleText(c.text), c.shown) << c.shown;
    }
}

}  // namespace
}  // namespace solvaris
