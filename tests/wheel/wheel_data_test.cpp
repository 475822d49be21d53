#include "wheel/wheel_data.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

TEST(WheelData, SeparatorsShortFilesAndFaults) {
    TempFolder folder;
    std::array<std::int16_t, 5> values{};
    EXPECT_EQ(ReadWheelValues(folder.Write("A.DAT", "1,2\r\n-3\n 4"), values), "");
    EXPECT_EQ(values, (std::array<std::int16_t, 5>{1, 2, -3, 4, 0}));  // short: 0 remains
    struct Case {
        const char* text;
        const char* message;
    };
    for (const Case& c : {Case{"1,2,3,4,5,6", "holds more than 5 values"},
                          Case{"1,x", "not a whole number at value 1"},
                          Case{"1.5", "not a whole number at value 0"},
                          Case{"40000", "not a whole number at value 0"}}) {
        values = {};
        const std::string failure = ReadWheelValues(folder.Write("B.DAT", c.text), values);
        EXPECT_NE(failure.find(c.message), std::string::npos) << c.text << ": " << failure;
    }
    // Missing or empty: one message, the reason in brackets (a folder's: the reader faults).
    for (const Case& c : {Case{"NONE.DAT", "The file NONE.DAT cannot be read (no such file)."},
                          Case{"EMPTY.DAT", "The file EMPTY.DAT cannot be read (empty)."},
                          Case{"BLANK.DAT", "The file BLANK.DAT cannot be read (empty)."}}) {
        folder.Write("EMPTY.DAT", "");
        folder.Write("BLANK.DAT", " \r\n,\r\n");
        values = {9, 9, 9, 9, 9};
        EXPECT_EQ(ReadWheelValues(folder / c.text, values), c.message);
        EXPECT_EQ(values[0], 9);
    }
}

}  // namespace
}  // namespace solvaris
