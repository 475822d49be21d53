#include <gtest/gtest.h>

#include "people/entry_rules.hpp"
#include "platform/headless/scripted_platform.hpp"

namespace solvaris {
namespace {

NatalEntryWindow NewYorkBirth() {
    NatalEntryWindow w;
    w.txtName = "Test";
    w.txtMonth = "6";
    w.txtDay = "15";
    w.txtYear = "1960";
    w.txtBirthHour = "7";
    w.txtBirthMinute = "30";
    w.txtTZ = "5";
    w.txtLongDeg = "74";
    w.txtLongMin = "0";
    w.txtLatDeg = "40";
    w.txtLatMin = "43";
    return w;
}

DiurnalEntryWindow SameAsDiurnal(const NatalEntryWindow& n) {
    DiurnalEntryWindow d;
    d.txtDiurnalMonth = n.txtMonth;
    d.txtDiurnalDay = n.txtDay;
    d.txtDiurnalYear = "2026";
    CopyNatalIntoDiurnal(n, d);
    return d;
}

constexpr const char* kNatal = "Error in natal input data section. Please correct.";
constexpr const char* kDiurnal = "Error in diurnal input data section. Please correct.";
constexpr const char* kLatitude =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
    "systems.";

TEST(EntryValidation, CasesAndTheirMessages) {
    using N = NatalEntryWindow;
    using D = DiurnalEntryWindow;
    struct Case {
        const char* what;
        void (*change)(N&, D&);
        bool meridian;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases{
        {"valid", [](N&, D&) {}, false, {}},
        {"66 00 passes", [](N& n, D&) { n.txtLatDeg = "66", n.txtLatMin = "00"; }, false, {}},
        {"66 01 refused",
         [](N& n, D&) { n.txtLatDeg = "66", n.txtLatMin = "01"; },
         false,
         {kLatitude}},
        {"diurnal 70 refused", [](N&, D& d) { d.txtDiurnalLatDeg = "70"; }, false, {kLatitude}},
        {"80 with Meridian", [](N& n, D&) { n.txtLatDeg = "80"; }, true, {}},
        {"zone -3 West", [](N& n, D&) { n.txtTZ = "-3"; }, false, {kNatal}},
        {"zone -2 West", [](N& n, D&) { n.txtTZ = "-2"; }, false, {}},
        {"zone -3 East", [](N& n, D&) { n.txtTZ = "-3", n.optEast = true; }, false, {}},
        {"natal year 99", [](N& n, D&) { n.txtYear = "99"; }, false, {kNatal}},
        {"diurnal year 99", [](N&, D& d) { d.txtDiurnalYear = "99"; }, false, {}},
        {"empty month", [](N& n, D&) { n.txtMonth = ""; }, false, {kNatal, kNatal}},
        {"minute 60 and diurnal hour 13",
         [](N& n, D& d) { n.txtBirthMinute = "60", d.txtDiurnalHour = "13"; },
         false,
         {kNatal, kDiurnal}},
        {"zone 13", [](N& n, D&) { n.txtTZ = "13"; }, false, {kNatal}},
        {"longitude 181", [](N& n, D&) { n.txtLongDeg = "181"; }, false, {kNatal}},
    };
    for (const Case& c : cases) {
        NatalEntryWindow n = NewYorkBirth();
        DiurnalEntryWindow d = SameAsDiurnal(n);
        c.change(n, d);
        ScriptedPlatform platform;
        const bool ok = ValidateEntries(n, d, c.meridian, platform);
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
    NatalEntryWindow n = NewYorkBirth();
    n.optSouth = true;
    n.txtLatDeg = "0";
    n.txtLatMin = "00";
    n.optPM = true;
    const BirthData b = ReadNatalData(n, DateOrder::DayMonthYear);
    EXPECT_EQ(b.dateText, "15/6/1960");
    EXPECT_FLOAT_EQ(b.time, 7.30f);
    EXPECT_EQ(b.meridiem, "P.M.");
    EXPECT_EQ(b.longitude, 74.0f);
    EXPECT_EQ(b.longitudeText, "WEST");
    EXPECT_EQ(b.latitudeText, "NORTH");  // -0 is not below zero
    n.txtLatDeg = "40";
    n.txtLatMin = "30";
    n.optEast = true;
    const BirthData south = ReadNatalData(n, DateOrder::YearMonthDay);
    EXPECT_FLOAT_EQ(south.latitude, -40.30f);
    EXPECT_EQ(south.latitudeText, "SOUTH");
    EXPECT_EQ(south.longitudeText, "EAST");
    EXPECT_EQ(south.dateText, "1960/6/15");
    n.txtYear = "99999999";  // far past 16 bits: clamped, never wrapped
    EXPECT_EQ(ReadNatalData(n, DateOrder::MonthDayYear).year, 32767);
}

TEST(EntryNow, ClockAndHomePlace) {
    struct Case {
        int hour, minute;
        const char *hourText, *minuteText;
        bool pm;
    };
    for (const Case& c : {Case{0, 5, "12", "5", false}, Case{13, 7, "1", "7", true},
                          Case{12, 0, "12", "0", true}}) {
        ScriptedPlatform platform;
        platform.SetNow({2026, 12, 6, c.hour, c.minute, 0});
        OptionTable options;
        options.Set(18, -5.5f);
        options.Set(19, 74);
        options.Set(20, 0);
        options.Set(21, 1);
        options.Set(22, 40);
        options.Set(23, 43);
        NatalEntryWindow w;
        FillNow(w, options, platform);
        EXPECT_EQ(w.txtName, "Now");
        EXPECT_EQ(w.txtBirthHour, c.hourText);
        EXPECT_EQ(w.txtBirthMinute, c.minuteText);
        EXPECT_EQ(w.optPM, c.pm);
        EXPECT_EQ(w.txtTZ, "-5.5");
        EXPECT_TRUE(w.optEast);  // option 21
        DiurnalEntryWindow d;
        FillNow(d, options, platform);
        EXPECT_EQ(d.txtDiurnalDay, "6");
    }
}

}  // namespace
}  // namespace solvaris
