// Each handler of InputD, InputD1 and NewDate reaches its rule, whose table is
// in tests/people or tests/reports; Save to disk: names_forms_test.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QSignalSpy>

#include "gui/entry/diurnal_entry_form.hpp"
#include "gui/entry/natal_entry_form.hpp"
#include "gui/entry/new_date_form.hpp"
#include "people/entry_rules.hpp"
#include "reports/new_date.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Control;
using testing::EntryOf;
using testing::Showing;
using testing::Shown;
using testing::TypeInto;
using testing::WindowDesk;

TEST(NatalEntryForm, OpensOnThePresentTypedEntryReportsAndNowShowsThePresentAgain) {
    WindowDesk desk({.goldenChart = false, .entryWindows = true});
    NatalEntryForm& natal = *desk.natal;
    DiurnalEntryForm& diurnal = *desk.diurnal;
    NatalEntryWindow present;
    FillNatalNow(present, desk.session.options, desk.platform);
    EXPECT_EQ(Showing(natal), EntryOf(present));
    NatalEntryWindow golden;
    DiurnalEntryWindow goldenDiurnal;
    testing::TypeGoldenNewYork(golden, goldenDiurnal);
    NatalEntryWindow typed = golden;
    typed.fields.hour = "19";  // which the hour rule turns into 7 P.M.
    testing::TypeEntry(natal, EntryOf(typed));
    testing::TypeEntry(diurnal, EntryOf(goldenDiurnal));
    EXPECT_EQ(EntryOf(desk.workstation.diurnalEntry), EntryOf(goldenDiurnal));
    EXPECT_EQ(Showing(natal), EntryOf(golden));  // the hour as the rule turned it
    Click(natal, "cmdOK");
    EXPECT_EQ(desk.dataWindow.text, testing::GoldenReport("new-york", "natal"));
    // OK empties the buffer first; Enter runs OK from a field, an option
    // button and the focused OK of InputD and from a field of InputD1.
    const int lines = desk.session.reports.LineCount();
    for (const auto& [window, control, key] :
         std::initializer_list<std::tuple<QWidget*, const char*, Qt::Key>>{
             {&natal, "cmdOK", Qt::Key_Return},
             {&natal, "txtName", Qt::Key_Enter},
             {&natal, "optWest", Qt::Key_Return},
             {&diurnal, "txtDiurnalMonth", Qt::Key_Return}}) {
        SCOPED_TRACE(control);
        desk.dataWindow.text.clear();
        auto& focused = Control<QWidget>(*window, control);
        focused.setFocus();
        QTest::keyClick(&focused, key);
        EXPECT_EQ(desk.dataWindow.text, testing::GoldenReport("new-york", "natal"));
        EXPECT_EQ(desk.session.reports.LineCount(), lines);
    }
    EXPECT_TRUE(desk.platform.Messages().empty());

    desk.platform.SetNow({2027, 3, 1, 9, 5, 0});
    FillNatalNow(present, desk.session.options, desk.platform);
    Click(natal, "cmdNow");
    EXPECT_EQ(Showing(natal), EntryOf(present));
    EXPECT_EQ(EntryOf(desk.workstation.natalEntry), EntryOf(present));
}

// One filter serves every field of both windows; its table is in
// tests/people/entry_validation_test.
TEST(NatalEntryForm, FieldsTakeTheirKeysPastesAndSelectAllOnEntrySecondPersonAndNatalData) {
    WindowDesk desk({.entryWindows = true});
    QWidget& natal = *desk.natal;
    for (const auto& [window, control, keys, shown] :
         std::initializer_list<std::tuple<QWidget*, const char*, const char*, const char*>>{
             {&natal, "txtYear", "19.5-0", "1950"},
             {&natal, "txtTZ", "-5.5e", "-5.5"},
             {desk.diurnal.get(), "txtDiurnalLatDeg", "S34", "34"}}) {
        TypeInto(*window, control, keys);
        EXPECT_EQ(Shown(*window, control), shown) << control;
    }
    EXPECT_EQ(desk.workstation.diurnalEntry.fields.latDeg, "34");
    // A paste is all of the text or none of it.
    auto& year = Control<QLineEdit>(natal, "txtYear");
    for (const auto& [clipboard, kept] : {std::pair{"19a0", "1950"}, std::pair{"1951", "1951"}}) {
        QApplication::clipboard()->setText(clipboard);
        year.selectAll();
        QTest::keySequence(&year, QKeySequence::Paste);
        EXPECT_EQ(desk.workstation.natalEntry.fields.year, kept) << clipboard;
    }
    // Entering a field by mouse selects all of it, also when the click
    // activates the window; a second click places the cursor.
    year.setFocus();
    QApplication::processEvents();
    year.deselect();
    QFocusEvent activated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&year, &activated);
    QTest::mouseClick(&year, Qt::LeftButton, {}, QPoint(4, year.height() / 2));
    EXPECT_EQ(year.selectedText(), year.text());
    QTest::mouseClick(&year, Qt::LeftButton, {}, QPoint(4, year.height() / 2));
    EXPECT_FALSE(year.hasSelectedText());
    // InputD1's boxes: the second person and Use natal data.
    QSignalSpy changed(&desk.workstation, &Workstation::secondPersonChanged);
    auto& box = Control<QCheckBox>(*desk.diurnal, "chk2ndPerson");
    Click(*desk.diurnal, "chk2ndPerson");
    // A name picked in second-person mode (names_forms_test) goes when it ends.
    desk.workstation.diurnalEntry.chk2ndPersonCaption = "Golden Sydney";
    desk.workstation.AnnounceEntryChanged();

    desk.session.wheel.switched = true;
    Click(*desk.diurnal, "chk2ndPerson");
    EXPECT_EQ(box.text(), "2nd Person");
    EXPECT_FALSE(desk.session.wheel.switched);
    EXPECT_TRUE((changed == QList<QVariantList>{{true}, {false}}));

    // Use natal data copies the natal time and place; unchecked, the present comes back.
    desk.workstation.natalEntry.fields.south = true;
    DiurnalEntryWindow copied = desk.workstation.diurnalEntry;
    CopyTimeAndPlace(desk.workstation.natalEntry.fields, copied.fields);
    Click(*desk.diurnal, "chkNatOrNow");
    EXPECT_TRUE(desk.workstation.diurnalEntry.chkNatOrNow);
    EXPECT_EQ(Showing(*desk.diurnal), EntryOf(copied));
    EXPECT_EQ(testing::Shown(*desk.diurnal, "txtDiurnalYear"), "2000");  // the date stays

    desk.platform.SetNow({2027, 7, 4, 23, 59, 0});
    DiurnalEntryWindow present;
    FillNow(present.fields, desk.session.options, desk.platform);
    Click(*desk.diurnal, "chkNatOrNow");
    EXPECT_FALSE(desk.workstation.diurnalEntry.chkNatOrNow);
    EXPECT_EQ(Showing(*desk.diurnal), EntryOf(present));
}

TEST(NatalEntryForm, HourHemisphereAndRefusedEntryInBothWindows) {
    struct Step {
        bool diurnal;
        const char* field;
        const char* keys;     // typed into the field
        const char* clicked;  // then clicked, or nullptr
        const char* shown;
        const char* checked;  // the option button then checked, or nullptr
        const char* message;  // nullptr: none
    };
    WindowDesk desk({.entryWindows = true});
    for (const Step& s : {
             Step{false, "txtBirthHour", "15", nullptr, "3", "optPM", nullptr},
             Step{true, "txtDiurnalHour", "13", nullptr, "1", "optDiurnalPM", nullptr},
             // A refused entry: its message and no report.
             Step{false, "txtMonth", "13", "cmdOK", "13", nullptr,
                  "Error in natal input data section. Please correct."},
             Step{false, "txtBirthHour", "5\b", nullptr, "", nullptr,
                  "Please fill in a value for birth hour."},
             Step{false, "txtTZ", "5", "optEast", "-5", "optEast", nullptr},
             Step{false, "txtTZ", "-5.5", "optWest", "5.5", "optWest", nullptr},
             Step{true, "txtDiurnalTZ", "8", "optDiurnalEast", "-8", "optDiurnalEast", nullptr},
         }) {
        SCOPED_TRACE(std::string(s.field) + " " + s.keys);
        QWidget& window = s.diurnal ? static_cast<QWidget&>(*desk.diurnal) : *desk.natal;
        desk.platform.ClearMessages();
        TypeInto(window, s.field, s.keys);
        if (s.clicked != nullptr) {
            Click(window, s.clicked);
        }
        EXPECT_EQ(Shown(window, s.field), s.shown);
        EXPECT_TRUE(!s.checked || Control<QRadioButton>(window, s.checked).isChecked());
        EXPECT_EQ(testing::Said(desk.platform), s.message ? s.message : "0 messages");
    }
    EXPECT_EQ(desk.dataWindow.shows, 0);
    EXPECT_EQ(desk.workstation.diurnalEntry.fields.zone, "-8");
    EXPECT_TRUE(desk.workstation.diurnalEntry.fields.east);
}

TEST(NatalEntryForm, EphemerisAsksMidnightOrNoonAndShowsTheFirstPage) {
    WindowDesk desk({.entryWindows = true});
    desk.platform.QueueAnswer(MessageAnswer::Yes);
    Click(*desk.natal, "cmdEphemeris");
    EXPECT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.dataWindow.text, testing::GoldenReport("new-york", "ephemeris"));
    EXPECT_FALSE(desk.natal->isVisible() || desk.diurnal->isVisible());
    // The preset the following pages start from is what the window shows.
    EXPECT_EQ(Shown(*desk.natal, "txtName"), "Ephemeris");
    EXPECT_TRUE(desk.workstation.ephemeris.shown);
    Click(*desk.natal, "cmdOK");
    EXPECT_FALSE(desk.workstation.ephemeris.shown);
    desk.platform.QueueAnswer(MessageAnswer::No);
    Click(*desk.natal, "cmdEphemeris");
    EXPECT_EQ(desk.workstation.ephemeris.hour, EphemerisHour::Noon);
}

TEST(NewDateForm, AWrongDateIsRefusedAndOKReportsTheTypedDay) {
    WindowDesk desk;
    ASSERT_TRUE(desk.workstation.ComputeChart());
    const int shows = desk.dataWindow.shows;
    const double day = desk.session.charts.diurnalDayNumber;
    NewDateForm form(desk.workstation);
    form.show();
    EXPECT_EQ(Showing(form), "1|1|2000|");  // the diurnal day
    TypeInto(form, "txtMonth", "13");
    Click(form, "cmdOK");
    EXPECT_EQ(testing::Said(desk.platform), kNewDateError);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(desk.session.charts.diurnalDayNumber, day);
    EXPECT_EQ(desk.dataWindow.shows, shows);
    // 31 February 2000 carries into 2 March of the leap year.
    TypeInto(form, "txtMonth", "2x");
    TypeInto(form, "txtDay", "31");
    Click(form, "cmdOK");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(desk.dataWindow.shows, shows + 1);
    EXPECT_EQ(desk.session.charts.diurnalDayNumber, 2451606);
    EXPECT_NE(desk.dataWindow.text.find("02 Mar 2000"), std::string::npos);
    EXPECT_EQ(desk.platform.Messages().size(), 1u);
}

}  // namespace
}  // namespace solvaris
