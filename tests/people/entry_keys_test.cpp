#include "people/entry_keys.hpp"

#include <gtest/gtest.h>

#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

// A single character is also tried as a typed key.
TEST(EntryKeys, KeysAndPastedTextByField) {
    struct Case {
        const char* control;
        std::string text;
        bool accepted;
    };
    for (const Case& c :
         {Case{"txtDay", "a", false}, Case{"txtDay", "7", true}, Case{"txtDay", ".", false},
          Case{"txtBirthMinute", ".", true}, Case{"txtBirthMinute", "-", false},
          Case{"txtTZ", "-", true}, Case{"txtDiurnalTZ", ".", true},
          Case{"txtDiurnalLatDeg", "-", false}, Case{"txtName", "!", true},
          Case{"txtDiurnalMinute", ".", true}, Case{"txtYear", "1950", true},
          Case{"txtYear", "19a0", false}, Case{"txtYear", "-1950", false},
          Case{"txtTZ", "-5.5", true}, Case{"txtBirthMinute", "45.", true},
          Case{"txtLatMin", "4\b", false}, Case{"txtName", "Jos\xC3\xA9, 2", true},
          Case{"txtDay", "\xC3\xA9", false}, Case{"txtDay", "", true}}) {
        EXPECT_EQ(AcceptsText(c.control, c.text), c.accepted) << c.control << " " << c.text;
        if (c.text.size() == 1) {
            EXPECT_EQ(AcceptsKey(c.control, c.text[0]), c.accepted) << c.control << " " << c.text;
        }
    }
    EXPECT_TRUE(AcceptsKey("txtDay", kBackspace));
}

TEST(EntryKeys, HourField) {
    struct Case {
        const char* typed;
        const char* shown;
        bool pm;
    };
    for (const Case& c : {Case{"15", "3", true}, Case{"0", "12", false}, Case{"12", "12", false},
                          Case{"7", "7", false}, Case{"99999999999", "99999999999", false}}) {
        std::string hour = c.typed;
        bool pm = false;
        ScriptedPlatform platform;
        OnHourChanged(hour, pm, platform, false);
        EXPECT_EQ(hour + (pm ? " pm" : ""), c.shown + std::string(c.pm ? " pm" : "")) << c.typed;
        EXPECT_TRUE(platform.Messages().empty());
    }
    std::string empty;
    bool pm = false;
    ScriptedPlatform platform;
    OnHourChanged(empty, pm, platform, true);
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, "Please fill in a value for diurnal hour.");
    EXPECT_EQ(platform.Messages()[0].title, "Warning!");
}

TEST(EntryKeys, HemisphereChangesTheZoneSign) {
    for (const auto& [west, east] : {std::pair{"5", "-5"}, {"5.5", "-5.5"}, {"", ""}, {"0", "0"}}) {
        EXPECT_EQ(ZoneForEast(west), east) << west;
        EXPECT_EQ(ZoneForWest(east), west) << east;
        EXPECT_EQ(ZoneForEast(east), east) << east;  // already east
    }
}

}  // namespace
}  // namespace solvaris
