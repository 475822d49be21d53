#include "people/entry_keys.hpp"

#include <gtest/gtest.h>

#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

TEST(EntryKeys, FiltersByField) {
    struct Case {
        const char* control;
        char key;
        bool accepted;
    };
    for (const Case& c :
         {Case{"txtDay", 'a', false}, Case{"txtDay", '7', true}, Case{"txtDay", kBackspace, true},
          Case{"txtDay", '.', false}, Case{"txtBirthMinute", '.', true},
          Case{"txtBirthMinute", '-', false}, Case{"txtTZ", '-', true},
          Case{"txtDiurnalTZ", '.', true}, Case{"txtDiurnalLatDeg", '-', false},
          Case{"txtName", '!', true}, Case{"txtDiurnalMinute", '.', true}}) {
        EXPECT_EQ(AcceptsKey(c.control, c.key), c.accepted) << c.control << " " << c.key;
    }
}

TEST(EntryKeys, PastedTextOnlyWhereEveryCharacterIsAccepted) {
    struct Case {
        const char* control;
        const char* text;
        bool accepted;
    };
    for (const Case& c : {Case{"txtYear", "1950", true}, Case{"txtYear", "19a0", false},
                          Case{"txtYear", "-1950", false}, Case{"txtTZ", "-5.5", true},
                          Case{"txtBirthMinute", "45.", true}, Case{"txtLatMin", "4\b", false},
                          Case{"txtName", "Jos\xC3\xA9, 2", true},
                          Case{"txtDay", "\xC3\xA9", false}, Case{"txtDay", "", true}}) {
        EXPECT_EQ(AcceptsText(c.control, c.text), c.accepted) << c.control << " " << c.text;
    }
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
        EXPECT_EQ(hour, c.shown) << c.typed;
        EXPECT_EQ(pm, c.pm) << c.typed;
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
    EXPECT_EQ(ZoneForEast("5"), "-5");
    EXPECT_EQ(ZoneForWest(ZoneForEast("5")), "5");
    EXPECT_EQ(ZoneForEast("-5.5"), "-5.5");
    EXPECT_EQ(ZoneForWest("-5.5"), "5.5");
    EXPECT_EQ(ZoneForEast(""), "");
    EXPECT_EQ(ZoneForEast("0"), "0");
}

}  // namespace
}  // namespace solvaris
