// TimeZone opened by "TZ Help" of either entry window: a click puts the
// zone into the window that opened it last, and no other.
#include "gui/people/time_zone_form.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <optional>

#include "gui/people/people_desk.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Control;
using testing::PeopleDesk;

TEST(TimeZoneForm, TzHelpRemembersItsCaller) {
    struct Case {
        const char* caller;  // the entry window whose "TZ Help" is clicked
        const char* line;
        const char* zone;
        bool east;
    };
    PeopleDesk desk;
    testing::TypeGoldenNewYork(desk.workstation.natalEntry, desk.workstation.diurnalEntry);
    desk.workstation.AnnounceEntryChanged();
    TimeZoneForm* first = nullptr;
    for (const Case& c : {
             Case{"InputD1", "India Standard Time", "-5.5", true},
             Case{"InputD", "Pacific Standard Time", "8", false},
             Case{"InputD", "Nepal Time", "-5.75", true},
             Case{"InputD1", "Greenwich Mean Time", "0", false},
             Case{"InputD1", "Newfoundland Standard Time", "3.5", false},
         }) {
        const bool natal = std::string(c.caller) == "InputD";
        QWidget& caller = natal ? static_cast<QWidget&>(desk.natal) : desk.diurnal;
        QWidget& other = natal ? static_cast<QWidget&>(desk.diurnal) : desk.natal;
        const std::string otherBefore =
            natal ? testing::DiurnalPlaceShown(other) : testing::NatalPlaceShown(other);
        Click(caller, "Label1");
        auto* window = testing::OpenWindow<TimeZoneForm>("TimeZone");
        ASSERT_NE(window, nullptr) << c.line;
        if (first == nullptr) {
            first = window;
        }
        EXPECT_EQ(window, first) << "one window, raised again";
        testing::ClickLine(Control<QListWidget>(*window, "lstTimeZones"), c.line);
        EXPECT_EQ(testing::Shown(caller, natal ? "txtTZ" : "txtDiurnalTZ"), c.zone) << c.line;
        EXPECT_EQ(testing::Checked(caller, natal ? "optEast" : "optDiurnalEast"), c.east) << c.line;
        EXPECT_EQ(natal ? testing::DiurnalPlaceShown(other) : testing::NatalPlaceShown(other),
                  otherBefore)
            << c.line;
    }
    EXPECT_EQ(Control<QListWidget>(*first, "lstTimeZones").count(), 72);  // the shipped TZ.DAT
    EXPECT_TRUE(desk.platform.Messages().empty());
    Click(*first, "Command1");
    testing::DiscardClosedWindows();
    EXPECT_EQ(testing::OpenWindow<TimeZoneForm>("TimeZone"), nullptr);
    // Opened again after Quit: a new window serving the new caller.
    Click(desk.natal, "Label1");
    ASSERT_NE(testing::OpenWindow<TimeZoneForm>("TimeZone"), nullptr);
}

// A zone of the tz database fills the offset that held at the caller's
// typed date and time, and the line beside says which rule that was.
TEST(TimeZoneForm, ADatabaseZoneFillsTheOffsetOfTheTypedMoment) {
    struct Case {
        const char* month;
        const char* day;
        const char* year;
        const char* hour;
        bool pm;
        std::optional<MessageAnswer> asked;  // the answer to the repeated-hour question
        const char* zone;
        const char* rule;  // what the line begins with
    };
    PeopleDesk desk;
    testing::TypeGoldenNewYork(desk.workstation.natalEntry, desk.workstation.diurnalEntry);
    desk.workstation.AnnounceEntryChanged();
    Click(desk.natal, "Label1");
    auto* window = testing::OpenWindow<TimeZoneForm>("TimeZone");
    ASSERT_NE(window, nullptr);
    QTest::keyClicks(&Control<QLineEdit>(*window, "txtZoneSearch"), "new_y");
    ASSERT_EQ(testing::Lines(Control<QListWidget>(*window, "lstZoneNames")),
              std::vector<std::string>{"America/New_York"});
    for (const Case& c : {
             Case{"12", "5", "1950", "7", true, std::nullopt, "5", "EST, standard time"},
             Case{"7", "1", "1950", "7", true, std::nullopt, "4", "EDT, daylight saving"},
             Case{"6", "1", "1880", "7", true, std::nullopt, "4.933889", "LMT, local mean time"},
             Case{"11", "7", "2021", "1", false, MessageAnswer::Yes, "4", "EDT"},
             Case{"11", "7", "2021", "1", false, MessageAnswer::No, "5", "EST"},
         }) {
        NatalEntryWindow& natal = desk.workstation.natalEntry;
        natal.txtMonth = c.month;
        natal.txtDay = c.day;
        natal.txtYear = c.year;
        natal.txtBirthHour = c.hour;
        natal.optPM = c.pm;
        desk.workstation.AnnounceEntryChanged();
        desk.platform.ClearMessages();
        if (c.asked) {
            desk.platform.QueueAnswer(*c.asked);
        }
        testing::ClickLine(Control<QListWidget>(*window, "lstZoneNames"), "America/New_York");
        EXPECT_EQ(testing::Shown(desk.natal, "txtTZ"), c.zone) << c.year << " " << c.month;
        EXPECT_FALSE(testing::Checked(desk.natal, "optEast"));
        EXPECT_EQ(Control<QLabel>(*window, "lblZoneRule").text().toStdString().rfind(c.rule, 0), 0u)
            << Control<QLabel>(*window, "lblZoneRule").text().toStdString();
        EXPECT_EQ(desk.platform.Messages().size(), c.asked ? 1u : 0u) << c.year;
    }
    // A time the clocks skipped is said, and the field keeps its zone.
    desk.workstation.natalEntry.txtMonth = "3";
    desk.workstation.natalEntry.txtDay = "14";
    desk.workstation.natalEntry.txtBirthHour = "2";
    desk.workstation.natalEntry.txtBirthMinute = "30";
    desk.workstation.AnnounceEntryChanged();
    desk.platform.ClearMessages();
    testing::ClickLine(Control<QListWidget>(*window, "lstZoneNames"), "America/New_York");
    EXPECT_EQ(testing::Shown(desk.natal, "txtTZ"), "5");
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_NE(desk.platform.Messages()[0].text.find("did not happen"), std::string::npos);
}

TEST(TimeZoneForm, UnreadableAndCorruptTables) {
    struct Case {
        const char* table;  // nullptr: no TZ.DAT
        int lines;
        const char* message;
    };
    for (const Case& c : {
             Case{nullptr, 0, "The file TZ.DAT cannot be opened."},
             Case{"Eastern Standard Time,EST,5\r\nBroken,BRK,five\r\nLater,LTR,1\r\n", 1,
                  "The file TZ.DAT is corrupt."},
             Case{"Eastern Standard Time,EST,5\r\n,,\r\nLater,LTR,1\r\n", 1, nullptr},
         }) {
        PeopleDesk desk;
        testing::TempFolder folder;
        if (c.table != nullptr) {
            folder.Write("tz.dat", c.table);  // files copied from Windows: any case
        }
        desk.session.folder = folder.path();
        Click(desk.natal, "Label1");
        auto* window = testing::OpenWindow<TimeZoneForm>("TimeZone");
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Control<QListWidget>(*window, "lstTimeZones").count(), c.lines);
        ASSERT_EQ(desk.platform.Messages().size(), c.message ? 1u : 0u);
        if (c.message != nullptr) {
            EXPECT_EQ(desk.platform.Messages()[0].text, c.message);
            EXPECT_EQ(desk.platform.Messages()[0].title, "Error!");
            EXPECT_EQ(desk.platform.Messages()[0].icon, MessageIcon::Critical);
        }
    }
}

}  // namespace
}  // namespace solvaris
