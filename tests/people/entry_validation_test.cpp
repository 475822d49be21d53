// The entry fields: the keys they take, the checks before a chart, the
// birth record read from them, the present moment written into them.
#include <gtest/gtest.h>

#include "people/entry_keys.hpp"
#include "people/entry_rules.hpp"
#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

constexpr const char* kNat = "Error in natal input data section. Please correct.";
constexpr const char* kDiu = "Error in diurnal input data section. Please correct.";
constexpr const char* kLat =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
    "systems.";

TEST(EntryValidation, CasesAndTheirMessages) {
    using F = EntryFields;
    struct Case {
        const char* what;
        void (*change)(F& natal, F& diurnal);
        bool meridian;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases{
        {"valid", [](F&, F&) {}, false, {}},
        {"66 00", [](F& n, F&) { n.latDeg = "66", n.latMin = "00"; }, false, {}},
        {"66 01", [](F& n, F&) { n.latDeg = "66", n.latMin = "01"; }, false, {kLat}},
        {"diurnal 70", [](F&, F& d) { d.latDeg = "70"; }, false, {kLat}},
        {"80, Meridian", [](F& n, F&) { n.latDeg = "80"; }, true, {}},
        {"zone -3 West", [](F& n, F&) { n.zone = "-3"; }, false, {kNat}},
        {"zone -2 West", [](F& n, F&) { n.zone = "-2"; }, false, {}},
        {"zone -3 East", [](F& n, F&) { n.zone = "-3", n.east = true; }, false, {}},
        {"natal year 99", [](F& n, F&) { n.year = "99"; }, false, {kNat}},
        {"diurnal year 99", [](F&, F& d) { d.year = "99"; }, false, {}},
        {"empty month", [](F& n, F&) { n.month = ""; }, false, {kNat, kNat}},
        {"60, 13", [](F& n, F& d) { n.minute = "60", d.hour = "13"; }, false, {kNat, kDiu}},
        {"zone 13", [](F& n, F&) { n.zone = "13"; }, false, {kNat}},
        {"181", [](F& n, F&) { n.longDeg = "181"; }, false, {kNat}},
        {"180 00", [](F& n, F&) { n.longDeg = "180", n.east = true; }, false, {}},
        {"180 59", [](F& n, F&) { n.longDeg = "180", n.longMin = "59"; }, false, {kNat}},
        {"90 00, Morinus", [](F& n, F&) { n.latDeg = "90", n.latMin = "00"; }, true, {}},
        {"90 01, Morinus", [](F& n, F&) { n.latDeg = "90", n.latMin = "01"; }, true, {kNat}},
        {"diurnal 999, Meridian", [](F&, F& d) { d.latDeg = "999"; }, true, {kDiu}},
        {"95, Placidus", [](F& n, F&) { n.latDeg = "95"; }, false, {kLat, kNat}},
        {"30 Feb", [](F& n, F&) { n.month = "2", n.day = "30"; }, false, {kNat}},
        {"1900", [](F& n, F&) { n.month = "2", n.day = "29", n.year = "1900"; }, false, {kNat}},
        {"2000", [](F& n, F&) { n.month = "2", n.day = "29", n.year = "2000"; }, false, {}},
        {"1500, Julian", [](F& n, F&) { n.month = "2", n.day = "29", n.year = "1500"; }, false, {}},
        {"diurnal 31 Jun", [](F&, F& d) { d.month = "6", d.day = "31"; }, false, {kDiu}},
        {"13/32, a box each", [](F& n, F&) { n.month = "13", n.day = "32"; }, false, {kNat, kNat}},
    };
    for (const Case& c : cases) {
        NatalEntryWindow n = SampleNatalWindow();
        DiurnalEntryWindow d;
        d.fields = n.fields;
        d.fields.year = "2026";
        c.change(n.fields, d.fields);
        ScriptedPlatform platform;
        const bool ok = ValidateEntries(
            n, d, c.meridian ? HouseSystem::Meridian : HouseSystem::Placidus, platform);
        EXPECT_EQ(ok, c.messages.empty()) << c.what;
        std::vector<std::string> shown;
        for (const ShownMessage& m : platform.Messages()) {
            shown.push_back(m.text);
            EXPECT_EQ(m.title, "Warning!");
            EXPECT_EQ(m.icon, MessageIcon::Information);
        }
        EXPECT_EQ(shown, c.messages) << c.what;
    }
}

TEST(EntryReading, BirthRecords) {
    NatalEntryWindow n = SampleNatalWindow();
    n.fields.south = true;
    n.fields.latDeg = "0";
    n.fields.latMin = "00";
    const BirthData b = ReadNatalData(n, DateOrder::DayMonthYear);
    EXPECT_EQ(b.dateText + " " + b.meridiem + " " + b.longitudeText, "5/12/1950 P.M. WEST");
    EXPECT_FLOAT_EQ(b.time, 7.45f);
    EXPECT_EQ(b.longitude, 74.0f);
    EXPECT_EQ(b.latitudeText, "NORTH");  // -0 is not below zero
    n.fields.latDeg = "40";
    n.fields.latMin = "30";
    n.fields.east = true;
    const BirthData south = ReadNatalData(n, DateOrder::YearMonthDay);
    EXPECT_FLOAT_EQ(south.latitude, -40.30f);
    EXPECT_EQ(south.dateText + " " + south.latitudeText + " " + south.longitudeText,
              "1950/12/5 SOUTH EAST");
    n.fields.year = "99999999";  // far past 16 bits: clamped, never wrapped
    EXPECT_EQ(ReadNatalData(n, DateOrder::MonthDayYear).year, 32767);
}

// The fixed instant is universal time; the fields show it in the home zone
// of option 18 (hours west), whatever zone the machine keeps.
TEST(EntryNow, PresentInstantInTheHomeZone) {
    struct Case {
        LocalDateTime universal;
        float zoneWest;
        const char* shown;  // month/day/year hour:minute AM or PM, zone
    };
    const Case cases[] = {
        {{2026, 12, 6, 17, 0, 0}, 5, "12/6/2026 12:0 PM 5"},
        {{2027, 1, 1, 3, 15, 0}, 5, "12/31/2026 10:15 PM 5"},
        {{2026, 12, 6, 0, 5, 0}, 0, "12/6/2026 12:5 AM 0"},
        {{2026, 12, 6, 20, 0, 0}, -5.5f, "12/7/2026 1:30 AM -5.5"},
        {{2028, 2, 28, 23, 0, 0}, -2, "2/29/2028 1:0 AM -2"},  // leap day
    };
    for (const Case& c : cases) {
        ScriptedPlatform platform;
        platform.SetNow(c.universal);
        OptionTable options;
        for (const auto& [n, value] :
             {std::pair{18, c.zoneWest}, {19, 74}, {20, 0}, {21, 1}, {22, 40}, {23, 43}}) {
            options.Set(n, value);
        }
        NatalEntryWindow w;
        FillNatalNow(w, options, platform);
        const EntryFields& f = w.fields;
        EXPECT_EQ(f.month + "/" + f.day + "/" + f.year + " " + f.hour + ":" + f.minute +
                      (f.pm ? " PM " : " AM ") + f.zone,
                  c.shown);
        EXPECT_EQ(w.txtName + " " + f.longDeg + (f.east ? "E" : "W") + f.latDeg, "Now 74E40");
    }
}

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
        std::string message;
    };
    for (const Case& c : {Case{"15", "3 pm", ""}, Case{"0", "12", ""}, Case{"12", "12", ""},
                          Case{"7", "7", ""}, Case{"99999999999", "99999999999", ""},
                          Case{"", "", "Warning!: Please fill in a value for diurnal hour."}}) {
        std::string hour = c.typed;
        bool pm = false;
        ScriptedPlatform platform;
        OnHourChanged(hour, pm, platform, true);
        EXPECT_EQ(hour + (pm ? " pm" : ""), c.shown) << c.typed;
        std::string shown;
        for (const ShownMessage& m : platform.Messages()) shown += m.title + ": " + m.text;
        EXPECT_EQ(shown, c.message);
    }
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
