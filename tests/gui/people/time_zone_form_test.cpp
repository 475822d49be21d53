// The zone offsets hold their table in tests/people/zone_history_test.cpp.
#include "gui/people/time_zone_form.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <optional>

#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::ClickLine;
using testing::Control;
using testing::Shown;
using testing::WindowDesk;

TEST(TimeZoneForm, TzHelpServesTheWindowThatOpenedItLastADatabaseZoneItsTypedMoment) {
    WindowDesk desk({.entryWindows = true});
    TimeZoneForm* first = nullptr;
    for (const auto& [natal, line, zone, east] :
         std::initializer_list<std::tuple<bool, const char*, const char*, bool>>{
             {false, "India Standard Time", "-5.5", true},
             {true, "Pacific Standard Time", "8", false},
             {false, "Newfoundland Standard Time", "3.5", false}}) {
        SCOPED_TRACE(line);
        QWidget& caller = natal ? static_cast<QWidget&>(*desk.natal) : *desk.diurnal;
        QWidget& other = natal ? static_cast<QWidget&>(*desk.diurnal) : *desk.natal;
        const std::string otherBefore = testing::Showing(other);
        Click(caller, "Label1");
        auto* window = testing::OpenWindow<TimeZoneForm>("TimeZone");
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window, first ? first : (first = window));  // one window, raised again
        ClickLine(Control<QListWidget>(*window, "lstTimeZones"), line);
        EXPECT_EQ(Shown(caller, natal ? "txtTZ" : "txtDiurnalTZ"), zone);
        EXPECT_EQ(Control<QRadioButton>(caller, natal ? "optEast" : "optDiurnalEast").isChecked(),
                  east);
        EXPECT_EQ(testing::Showing(other), otherBefore);
    }
    EXPECT_TRUE(desk.platform.Messages().empty());

    // A zone of the tz database, for the natal window: the offset of the typed moment.
    struct Case {
        const char *month, *day, *year, *hour;
        std::optional<MessageAnswer> asked;  // the answer to the repeated-hour question
        const char* zone;
        const char* rule;  // what the line begins with; nullptr: the skipped hour said
    };
    Click(*desk.natal, "Label1");
    QTest::keyClicks(&Control<QLineEdit>(*first, "txtZoneSearch"), "new_y");
    ASSERT_EQ(testing::Lines(Control<QListWidget>(*first, "lstZoneNames")),
              std::vector<std::string>{"America/New_York"});
    for (const Case& c : {
             Case{"7", "1", "1950", "7", std::nullopt, "4", "EDT, daylight saving"},
             Case{"11", "7", "2021", "1", MessageAnswer::Yes, "4", "EDT"},
             Case{"11", "7", "2021", "1", MessageAnswer::No, "5", "EST"},
             Case{"3", "14", "2021", "2", std::nullopt, "5", nullptr},
         }) {
        SCOPED_TRACE(std::string(c.month) + "/" + c.day + "/" + c.year);
        desk.workstation.natalEntry.fields = {c.month, c.day, c.year, c.hour, "30", false, "5",
                                              "74",    "00",  false,  "40",   "43", false};
        desk.workstation.AnnounceEntryChanged();
        desk.platform.ClearMessages();
        if (c.asked) {
            desk.platform.QueueAnswer(*c.asked);
        }
        ClickLine(Control<QListWidget>(*first, "lstZoneNames"), "America/New_York");
        EXPECT_EQ(Shown(*desk.natal, "txtTZ"), c.zone);
        EXPECT_EQ(desk.platform.Messages().size(), c.asked || !c.rule ? 1u : 0u);
        if (c.rule != nullptr) {
            EXPECT_EQ(Control<QLabel>(*first, "lblZoneRule").text().toStdString().rfind(c.rule, 0),
                      0u);
        } else {
            EXPECT_NE(desk.platform.Messages().back().text.find("did not happen"),
                      std::string::npos);
        }
    }
    Click(*first, "Command1");
    testing::DiscardClosedWindows();
    EXPECT_EQ(testing::OpenWindow<TimeZoneForm>("TimeZone"), nullptr);
}

TEST(TimeZoneForm, AMissingTableIsSaid) {
    WindowDesk desk({.entryWindows = true});
    std::filesystem::remove(desk.folder / "TZ.DAT");
    Click(*desk.natal, "Label1");
    auto* window = testing::OpenWindow<TimeZoneForm>("TimeZone");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Control<QListWidget>(*window, "lstTimeZones").count(), 0);
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].text, "The file TZ.DAT cannot be opened.");
}

}  // namespace
}  // namespace solvaris
